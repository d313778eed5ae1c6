#pragma once
// TSkinStatusBar: a status bar in the look's form colour, with panels or one simple text, and a
// size grip of four diagonal lines on a sizeable window.
//
// What it shows: SimpleText across the whole bar when SimplePanel is on or when it has no
// panels; otherwise its panels side by side. A bar without panels thus always shows the text
// written to it.
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include "skin/base/widget.h"

struct TStatusPanel {
  QString Text;
  int Width = 50;  // the last panel takes the rest of the bar
  bool operator==(const TStatusPanel&) const = default;
};

class TSkinStatusBar : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(TColor PanelColor READ PanelColor WRITE SetPanelColor)
  Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE SetSimplePanel)
  Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)
  Q_PROPERTY(bool SizeGrip READ SizeGrip WRITE SetSizeGrip)

 public:
  explicit TSkinStatusBar(QWidget* owner = nullptr);

  TColor PanelColor() const { return Color(); }
  void SetPanelColor(TColor value) { SetColor(value); }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  QString SimpleText() const { return simpleText_; }
  void SetSimpleText(const QString& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  QList<TStatusPanel> Panels() const { return panels_; }
  void SetPanels(const QList<TStatusPanel>& panels);
  void SetPanelText(int index, const QString& text);

  // Whether the bottom-right grip resizes the window: a sizeable, not maximized window.
  bool GripResizes() const;

 signals:
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void LookChanged() override;
  bool OnSizeableWindow() const;
  QRect GripRect() const;
  void PaintTexts(QPainter& canvas);
  void PaintGrip(QPainter& canvas);

  bool simplePanel_ = false;
  bool sizeGrip_ = true;
  QString simpleText_;
  QList<TStatusPanel> panels_;
  bool clickArmed_ = false;
  // A drag of the grip where the platform cannot resize the window itself.
  bool resizing_ = false;
  QPoint resizeFrom_;
  QSize resizeStartSize_;
};
