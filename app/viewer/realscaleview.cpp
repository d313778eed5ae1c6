#include "app/viewer/realscaleview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kWheelNotch = 120;  // angle delta of one notch of the wheel
constexpr double kWheelPixels = 60;  // logical pixels one notch moves the picture
constexpr double kArrowPixels = 40;  // logical pixels an arrow key moves it
constexpr double kPageShare = 0.9;   // the share of the view Page Up and Page Down move it
constexpr double kRealScale = 1.0;

}  // namespace

TRealScaleView::TRealScaleView(const graphitine::Raster& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TRealScaleView::DeviceSize() const {
  const qreal ratio = devicePixelRatioF();
  return QSize(static_cast<int>(std::lround(width() * ratio)),
               static_cast<int>(std::lround(height() * ratio)));
}

QPointF TRealScaleView::DevicePoint(QPointF logical) const { return logical * devicePixelRatioF(); }

QSizeF TRealScaleView::ZoomedSize(double zoom) const {
  return QSizeF(picture_.Width() * zoom, picture_.Height() * zoom);
}

double TRealScaleView::FittedZoom() const {
  const QSize view = DeviceSize();
  if (picture_.IsEmpty() || view.isEmpty()) return kRealScale;
  return std::min(static_cast<double>(view.width()) / picture_.Width(),
                  static_cast<double>(view.height()) / picture_.Height());
}

double TRealScaleView::LeastZoom() const { return std::min(FittedZoom(), kRealScale); }

QPoint TRealScaleView::Origin() const {
  const QSize view = DeviceSize();
  const QSizeF zoomed = ZoomedSize(zoom_);
  const auto axis = [](int viewExtent, double zoomedExtent, double scroll) {
    if (zoomedExtent <= viewExtent)
      return static_cast<int>(std::floor((viewExtent - zoomedExtent) / 2));
    return -static_cast<int>(std::floor(scroll));
  };
  return QPoint(axis(view.width(), zoomed.width(), scroll_.x()),
                axis(view.height(), zoomed.height(), scroll_.y()));
}

void TRealScaleView::SetZoom(double zoom, QPointF anchor) {
  const QPointF point = (anchor - QPointF(Origin())) / zoom_;
  zoom_ = std::clamp(zoom, LeastZoom(), kMostZoom);
  fitted_ = false;
  scroll_ = point * zoom_ - anchor;
  Settle();
}

void TRealScaleView::ScrollBy(QPointF by) {
  scroll_ += by;
  Settle();
}

void TRealScaleView::ToggleFit(QPointF anchor) {
  if (zoom_ != kRealScale) {
    SetZoom(kRealScale, anchor);
    return;
  }
  fitted_ = true;
  Settle();
}

void TRealScaleView::Settle() {
  if (fitted_) zoom_ = FittedZoom();
  zoom_ = std::clamp(zoom_, LeastZoom(), kMostZoom);
  const QSize view = DeviceSize();
  const QSizeF zoomed = ZoomedSize(zoom_);
  scroll_.setX(std::clamp(scroll_.x(), 0.0, std::max(0.0, zoomed.width() - view.width())));
  scroll_.setY(std::clamp(scroll_.y(), 0.0, std::max(0.0, zoomed.height() - view.height())));
  if (zoom_ < kRealScale) {
    const QSize size(std::max(1, static_cast<int>(std::lround(zoomed.width()))),
                     std::max(1, static_cast<int>(std::lround(zoomed.height()))));
    if (reduced_.Image().size() != size) reduced_.Scale(picture_, size);
  } else {
    reduced_ = ScaledPicture();
  }
  const bool movable = zoomed.width() > view.width() || zoomed.height() > view.height();
  setCursor(dragging_ ? Qt::ClosedHandCursor : movable ? Qt::OpenHandCursor : Qt::ArrowCursor);
  update();
}

double TRealScaleView::SteppedZoom(int steps) const {
  double zoom = zoom_;
  for (int i = 0; i < std::abs(steps); ++i) {
    const double next = steps > 0 ? zoom * kZoomStep : zoom / kZoomStep;
    // Every way up or down passes through real scale.
    zoom = (zoom < kRealScale) != (next < kRealScale) && zoom != kRealScale ? kRealScale : next;
  }
  return zoom;
}

QPointF TRealScaleView::KeyboardAnchor() const {
  const QPoint pointer = mapFromGlobal(QCursor::pos());
  if (rect().contains(pointer)) return DevicePoint(pointer);
  return QPointF(DeviceSize().width() / 2.0, DeviceSize().height() / 2.0);
}

// Draws in device pixels: at real scale the shown part of the raster is copied pixel for pixel,
// zoomed in it is stretched without smoothing, zoomed out the reduced copy is drawn.
void TRealScaleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (picture_.IsEmpty()) return;
  const qreal ratio = devicePixelRatioF();
  painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
  const QPoint origin = Origin();
  if (zoom_ < kRealScale) {
    painter.drawImage(origin, reduced_.Image());
    return;
  }
  const QRect view(QPoint(0, 0), DeviceSize());
  const auto first = [this](int at, int from) {
    return static_cast<int>(std::floor((at - from) / zoom_));
  };
  const auto last = [this](int at, int from) {
    return static_cast<int>(std::ceil((at - from) / zoom_));
  };
  const QRect shown = QRect(QPoint(first(view.left(), origin.x()), first(view.top(), origin.y())),
                            QPoint(last(view.right() + 1, origin.x()) - 1,
                                   last(view.bottom() + 1, origin.y()) - 1)) &
                      QRect(0, 0, picture_.Width(), picture_.Height());
  if (shown.isEmpty()) return;
  const QImage part(picture_.Row(shown.top()) +
                        static_cast<std::size_t>(shown.left()) * graphitine::Raster::kBytesPerPixel,
                    shown.width(), shown.height(), static_cast<qsizetype>(picture_.Stride()),
                    QImage::Format_BGR888);
  if (zoom_ == kRealScale) {
    painter.drawImage(origin + shown.topLeft(), part);
  } else {
    painter.drawImage(
        QRectF(QPointF(origin) + QPointF(shown.topLeft()) * zoom_, QSizeF(shown.size()) * zoom_),
        part);
  }
}

void TRealScaleView::resizeEvent(QResizeEvent*) { Settle(); }

void TRealScaleView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragFrom_ = event->position();
  Settle();
}

void TRealScaleView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPointF by = dragFrom_ - event->position();
  dragFrom_ = event->position();
  ScrollBy(DevicePoint(by));
}

void TRealScaleView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  Settle();
}

void TRealScaleView::mouseDoubleClickEvent(QMouseEvent* event) {
  ToggleFit(DevicePoint(event->position()));
}

void TRealScaleView::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  if (event->modifiers().testFlag(Qt::ControlModifier)) {
    const int steps = delta.y() > 0 ? 1 : delta.y() < 0 ? -1 : 0;
    if (steps != 0) SetZoom(SteppedZoom(steps), DevicePoint(event->position()));
    return;
  }
  QPointF by(-delta.x(), -delta.y());
  if (event->modifiers().testFlag(Qt::ShiftModifier) && delta.x() == 0) by = QPointF(-delta.y(), 0);
  ScrollBy(DevicePoint(by / kWheelNotch * kWheelPixels));
}

void TRealScaleView::keyPressEvent(QKeyEvent* event) {
  const double arrow = kArrowPixels * devicePixelRatioF();
  const double page = kPageShare * DeviceSize().height();
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  switch (event->key()) {
    case Qt::Key_Left:
      return ScrollBy(QPointF(-arrow, 0));
    case Qt::Key_Right:
      return ScrollBy(QPointF(arrow, 0));
    case Qt::Key_Up:
      return ScrollBy(QPointF(0, -arrow));
    case Qt::Key_Down:
      return ScrollBy(QPointF(0, arrow));
    case Qt::Key_PageUp:
      return ScrollBy(QPointF(0, -page));
    case Qt::Key_PageDown:
      return ScrollBy(QPointF(0, page));
    case Qt::Key_Home:
      scroll_ = QPointF();
      return Settle();
    case Qt::Key_End:
      scroll_ = QPointF(ZoomedSize(zoom_).width(), ZoomedSize(zoom_).height());
      return Settle();
    case Qt::Key_Space:
      return ToggleFit(KeyboardAnchor());
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (ctrl) return SetZoom(SteppedZoom(1), KeyboardAnchor());
      break;
    case Qt::Key_Minus:
      if (ctrl) return SetZoom(SteppedZoom(-1), KeyboardAnchor());
      break;
    default:
      break;
  }
  QWidget::keyPressEvent(event);
}
