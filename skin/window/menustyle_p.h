#pragma once
// The style a skinned menu and all its submenus are shown with: QMenu keeps its own windows,
// keys and mouse handling, and asks this style for each item's size and drawing, which come from
// the skinned menu's look. Items touch the menu's frame (no margins); with FlatMenu the frame is
// the flat border, otherwise the application style's own.
#include <QProxyStyle>

#include "skin/window/menudraw_p.h"

class QStyleOptionMenuItem;

class SkinMenuStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // look and flat belong to the skinned menu, which outlives its style.
  SkinMenuStyle(const SkinMenuLook* look, const bool* flat, QObject* parent);

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;

 private:
  const SkinMenuLook* look_;
  const bool* flat_;
};

// What a menu item shows, read from the option QMenu fills in for it.
SkinMenuItem SkinMenuItemOf(const QStyleOptionMenuItem& option);
