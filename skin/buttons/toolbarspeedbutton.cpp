#include "skin/buttons/toolbarspeedbutton.h"

#include <QMouseEvent>
#include <QPainter>

#include "skin/paint/keyedpicture_p.h"

TSkinToolBarSpeedButton::TSkinToolBarSpeedButton(QWidget* owner) : QWidget(owner) {
  resize(18, 18);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSkinToolBarSpeedButton::SetGlyph(const QImage& glyph) {
  if (glyph == glyph_) return;
  glyph_ = glyph;
  keyedGlyph_ = KeyedPicture(glyph, SkinKeyPixel::BottomLeft);
  update();
}

void TSkinToolBarSpeedButton::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  update();
}

void TSkinToolBarSpeedButton::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  canvas.fillRect(rect(), ToQColor(color_));
  if (keyedGlyph_.isNull()) return;
  if (hot_) {
    canvas.setPen(QPen(Qt::black, 0));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  canvas.drawImage(1, 1, keyedGlyph_);
}

void TSkinToolBarSpeedButton::enterEvent(QEnterEvent* e) {
  QWidget::enterEvent(e);
  hot_ = true;
  update();
}

void TSkinToolBarSpeedButton::leaveEvent(QEvent* e) {
  QWidget::leaveEvent(e);
  hot_ = false;
  update();
}

void TSkinToolBarSpeedButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) pressed_ = true;
  QWidget::mousePressEvent(e);
}

void TSkinToolBarSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
  QWidget::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton) return;
  const bool click = pressed_ && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click) emit OnClick();
}
