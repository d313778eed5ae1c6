#include "app/pictureview.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

TPictureView::TPictureView(QWidget* parent) : QWidget(parent) {}

void TPictureView::SetPicture(const graphitine::Raster* picture) {
  picture_ = picture;
  PictureChanged();
}

QSize TPictureView::DevicePixels(const QSize& size, qreal ratio) {
  // A hair below the whole number, so that 2 x 40.0000001 stays 80.
  const auto pixels = [ratio](int logical) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
  };
  return QSize(pixels(size.width()), pixels(size.height()));
}

void TPictureView::SetPicture(const graphitine::Raster* picture, ScaledPicture scaled) {
  if (!stretch_ || scaled.Image().isNull() || scaled.Image().size() != DeviceSize()) {
    SetPicture(picture);
    return;
  }
  picture_ = picture;
  scaled_ = std::move(scaled);
  scaled_.SetDevicePixelRatio(devicePixelRatioF());
  update();
}

void TPictureView::PictureChanged() {
  Rescale();
  update();
}

void TPictureView::PictureRegionChanged(const QRect& changed) {
  if (picture_ == nullptr) return;
  if (!stretch_) {
    const QPointF corner = UnstretchedOrigin() + QPointF(changed.topLeft()) / devicePixelRatioF();
    update(UnstretchedRect(corner, changed.size()).toAlignedRect());
    return;
  }
  if (scaled_.Image().isNull()) {
    PictureChanged();
    return;
  }
  const QRect redone = scaled_.Rescale(*picture_, changed);
  const qreal ratio = scaled_.Image().devicePixelRatio();
  update(QRectF(QPointF(redone.topLeft()) / ratio, QSizeF(redone.size()) / ratio).toAlignedRect());
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
    scaled_.Scale(*picture_, DeviceSize());
    scaled_.SetDevicePixelRatio(devicePixelRatioF());
  } else {
    scaled_ = ScaledPicture();
  }
}

QPointF TPictureView::UnstretchedOrigin() const {
  if (!center_ || picture_ == nullptr) return QPointF();
  const QSize device = DeviceSize();
  const QPoint corner((device.width() - picture_->Width()) / 2,
                      (device.height() - picture_->Height()) / 2);
  return QPointF(corner) / devicePixelRatioF();
}

QRectF TPictureView::UnstretchedRect(const QPointF& origin, const QSize& pixels) const {
  return QRectF(origin, QSizeF(pixels) / devicePixelRatioF());
}

// The window moved to a screen of another pixel ratio: the stretched picture is scaled anew.
bool TPictureView::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal && stretch_) Rescale();
  return QWidget::event(event);
}

void TPictureView::paintEvent(QPaintEvent* event) {
  if (picture_ == nullptr || picture_->IsEmpty()) return;
  QPainter painter(this);
  painter.setClipRegion(event->region());
  if (stretch_) {
    painter.drawImage(QPointF(), scaled_.Image());
  } else {
    painter.drawImage(
        UnstretchedRect(UnstretchedOrigin(), QSize(picture_->Width(), picture_->Height())),
        RasterImage(*picture_));
  }
}

void TPictureView::resizeEvent(QResizeEvent*) {
  if (stretch_) Rescale();
}

void TPictureView::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit MouseDown(event->button(), event->modifiers(), at.x(), at.y(), false);
}

void TPictureView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit MouseDown(event->button(), event->modifiers(), at.x(), at.y(), true);
  emit DblClick();
}

void TPictureView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit MouseMove(event->modifiers(), at.x(), at.y());
}

void TPictureView::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TPictureView::leaveEvent(QEvent*) { emit MouseLeave(); }
