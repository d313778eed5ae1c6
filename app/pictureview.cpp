#include "app/pictureview.h"

#include <QMouseEvent>
#include <QPainter>

TPictureView::TPictureView(QWidget* parent) : QWidget(parent) {}

void TPictureView::SetPicture(const graphitine::Raster* picture) {
  picture_ = picture;
  PictureChanged();
}

void TPictureView::SetPicture(const graphitine::Raster* picture, ScaledPicture scaled) {
  if (!stretch_ || scaled.Image().isNull() || scaled.Image().size() != size()) {
    SetPicture(picture);
    return;
  }
  picture_ = picture;
  scaled_ = std::move(scaled);
  update();
}

void TPictureView::PictureChanged() {
  Rescale();
  update();
}

void TPictureView::PictureRegionChanged(const QRect& changed) {
  if (picture_ == nullptr) return;
  if (!stretch_) {
    update(changed.translated(UnstretchedOrigin()));
    return;
  }
  if (scaled_.Image().isNull()) {
    PictureChanged();
    return;
  }
  update(scaled_.Rescale(*picture_, changed));
}

void TPictureView::SetStretch(bool value) {
  if (stretch_ == value) return;
  stretch_ = value;
  PictureChanged();
}

void TPictureView::SetCenter(bool value) {
  if (center_ == value) return;
  center_ = value;
  update();
}

void TPictureView::Rescale() {
  if (stretch_ && picture_ != nullptr) {
    scaled_.Scale(*picture_, size());
  } else {
    scaled_ = ScaledPicture();
  }
}

QPoint TPictureView::UnstretchedOrigin() const {
  if (!center_ || picture_ == nullptr) return QPoint();
  return QPoint((width() - picture_->Width()) / 2, (height() - picture_->Height()) / 2);
}

void TPictureView::paintEvent(QPaintEvent* event) {
  if (picture_ == nullptr || picture_->IsEmpty()) return;
  QPainter painter(this);
  painter.setClipRegion(event->region());
  if (stretch_) {
    painter.drawImage(0, 0, scaled_.Image());
  } else {
    painter.drawImage(UnstretchedOrigin(), RasterImage(*picture_));
  }
}

void TPictureView::resizeEvent(QResizeEvent*) {
  if (stretch_) Rescale();
}

void TPictureView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit MouseDown(event->button(), event->modifiers(), at.x(), at.y(), false);
}

void TPictureView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit MouseDown(event->button(), event->modifiers(), at.x(), at.y(), true);
  emit DblClick();
}

void TPictureView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit MouseMove(event->modifiers(), at.x(), at.y());
}

void TPictureView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TPictureView::leaveEvent(QEvent*) { emit MouseLeave(); }
