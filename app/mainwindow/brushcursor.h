#pragma once
// The brush cursor over the sketch view: a thin black circle of the brush's diameter. It never
// takes mouse input, which goes to the view beneath it.
#include <QWidget>

class TBrushCursor : public QWidget {
  Q_OBJECT
 public:
  explicit TBrushCursor(QWidget* parent);

  // Hides the cursor and gives it the diameter 2 * radius.
  void SetRadius(int radius);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
