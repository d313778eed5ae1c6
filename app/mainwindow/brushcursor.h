#pragma once
// The brush cursor over the sketch view: a thin black circle of the brush's diameter, drawn
// only inside the view. It never takes mouse input, which goes to the view beneath it.
#include <QWidget>

class TBrushCursor : public QWidget {
  Q_OBJECT
 public:
  explicit TBrushCursor(QWidget* parent);

  // Hides the cursor and gives it the diameter 2 * radius.
  void SetRadius(int radius);
  // The part of its parent the circle may be drawn in.
  void SetClip(const QRect& area);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect clip_;
};
