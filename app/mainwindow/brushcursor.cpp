#include "app/mainwindow/brushcursor.h"

#include <QPainter>

TBrushCursor::TBrushCursor(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setEnabled(false);
}

void TBrushCursor::SetRadius(int radius) {
  hide();
  resize(2 * radius, 2 * radius);
}

void TBrushCursor::SetClip(const QRect& area) {
  if (clip_ == area) return;
  clip_ = area;
  update();
}

void TBrushCursor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setClipRect(clip_.translated(-pos()));
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
}
