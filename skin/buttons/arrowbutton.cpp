#include "skin/buttons/arrowbutton.h"

#include <QPainter>
#include <QPolygon>

TSkinArrowButton::TSkinArrowButton(QWidget* owner) : TSkinCustomButton(owner) {
  resize(80, 27);
  StartLook(owner);
}

void TSkinArrowButton::SetArrow(TSkinArrowButtonType value) {
  if (value == arrow_) return;
  arrow_ = value;
  update();
}

// The triangle is 7 pixels wide and 4 high, centred; it stays put while the button is pressed.
void TSkinArrowButton::PaintPic(QPainter& canvas, const QImage& frame) {
  DrawStretchedFrame(canvas, frame);
  const int ax = (width() - 6) / 2;
  const int ay = (height() - 3) / 2;
  QPolygon triangle;
  if (arrow_ == skinUp) {
    triangle << QPoint(ax, ay + 3) << QPoint(ax + 3, ay) << QPoint(ax + 6, ay + 3);
  } else {
    triangle << QPoint(ax, ay) << QPoint(ax + 3, ay + 3) << QPoint(ax + 6, ay);
  }
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.setPen(QPen(Qt::black, 0));
  canvas.setBrush(Qt::black);
  canvas.drawPolygon(triangle);
  canvas.restore();
}
