#pragma once
// TSkinToolBarSpeedButton: an 18 x 18 flat button with a glyph (the minimize, restore and close
// buttons beside a menu bar). Under the mouse it gets a black one-pixel frame.
#include <QImage>
#include <QWidget>

#include "skin/look/builtinlooks.h"

class TSkinToolBarSpeedButton : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)

 public:
  explicit TSkinToolBarSpeedButton(QWidget* owner = nullptr);

  // The glyph's bottom-left colour is see-through.
  QImage Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool IsHot() const { return hot_; }

 signals:
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QImage glyph_;
  QImage keyedGlyph_;
  TColor color_ = clBtnFace;
  bool hot_ = false;
  bool pressed_ = false;
};
