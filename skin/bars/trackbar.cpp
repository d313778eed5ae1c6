#include "skin/bars/trackbar.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/bars/trackbarmath_p.h"
#include "skin/base/helpers.h"
#include "skin/base/timer_p.h"
#include "skin/containers/imagepanel.h"
#include "skin/paint/focusrect_p.h"
#include "skin/paint/slicing_p.h"
#include "skin/paint/turns_p.h"

namespace {

constexpr int kRepeatIntervalMs = 100;
constexpr int kHorizontalRepeatFactor = 3;  // holding moves a horizontal bar three pages a tick
constexpr int kTickLength = 3;

}  // namespace

TSkinTrackBar::TSkinTrackBar(QWidget* owner) : TSkinTrackBar(owner, false) {}

TSkinTrackBar::TSkinTrackBar(QWidget* owner, bool customPicture)
    : TSkinWidget(owner), slider_(new TSkinImagePanel(this)), customPicture_(customPicture) {
  connect(slider_, &TSkinCustomPanel::OnMouseDown, this, &TSkinTrackBar::OnSliderMouseDown);
  connect(slider_, &TSkinCustomPanel::OnMouseUp, this, &TSkinTrackBar::OnSliderMouseUp);
  setFocusPolicy(Qt::TabFocus);
  resize(185, 41);
  StartLook(owner);
  UpdateSlider();
}

void TSkinTrackBar::LookChanged() {
  UpdateControl();
  if (Look().UIStyle() == TSkinUIStyle::MacOS) SetTransparent(true);
}

void TSkinTrackBar::SetOrientation(TSkinProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  UpdateControl();
}

void TSkinTrackBar::SetBarImage(const QImage& picture) {
  if (picture == barImage_) return;
  barImage_ = picture;
  UpdateControl();
}

const QImage& TSkinTrackBar::SliderImage() const { return slider_->Picture(); }

// A picture of another size changes the bar's thickness and the slider's edge for the same
// position.
void TSkinTrackBar::SetSliderImage(const QImage& picture) {
  slider_->SetPicture(picture);
  SetSize();
  UpdateSlider();
}

void TSkinTrackBar::SetMin(int value) {
  if (value == min_) return;
  min_ = std::min(value, max_);
  position_ = std::max(position_, min_);
  UpdateSlider();
}

void TSkinTrackBar::SetMax(int value) {
  if (value == max_) return;
  max_ = std::max(value, min_);
  position_ = std::min(position_, max_);
  UpdateSlider();
}

void TSkinTrackBar::SetPosition(int value) {
  const int clamped = std::clamp(value, min_, max_);
  if (clamped == position_) return;
  position_ = clamped;
  UpdateSlider();
}

void TSkinTrackBar::SetPageSize(int value) {
  if (value >= 0 && value <= max_) pageSize_ = value;
}

void TSkinTrackBar::SetLineSize(int value) {
  if (value >= 0 && value <= max_) lineSize_ = value;
}

void TSkinTrackBar::SetShowTick(bool value) {
  if (value == showTick_) return;
  showTick_ = value;
  update();
}

void TSkinTrackBar::SetFrequency(int value) {
  if (value == frequency_) return;
  frequency_ = value;
  update();
}

void TSkinTrackBar::UpdateControl() {
  UpdatePicture();
  SetSize();
  UpdateSlider();
  update();
}

void TSkinTrackBar::UpdatePicture() {
  if (CustomPicture()) return;
  barImage_ = Look().Bitmap(SkinEntry::TrackBarBarImage);
  slider_->SetPicture(Look().Bitmap(Horizontal() ? SkinEntry::TrackBarSliderImage
                                                 : SkinEntry::TrackBarSliderVImage));

  // The bar's caps keep their size; its middle third is stretched to the control's length.
  const int length = Horizontal() ? width() : height();
  preparedBar_ = QImage();
  if (!barImage_.isNull() && length > 0) {
    preparedBar_ = QImage(length, barImage_.height(), QImage::Format_RGB32);
    preparedBar_.fill(FaceColor());
    QPainter painter(&preparedBar_);
    SpitDrawHorizontal(barImage_, painter, preparedBar_.rect(), false, false);
    painter.end();
    if (!Horizontal()) RoundPicture(preparedBar_);
  }

  slider_->SetTransparent(SliderTransparent());
  slider_->SetAutoSize(true);
}

// The pictures fix the thickness; the length is the user's.
void TSkinTrackBar::SetSize() {
  if (Horizontal()) {
    resize(width(), std::max(barImage_.height(), slider_->height()));
  } else {
    resize(std::max(barImage_.height(), slider_->width()), height());
  }
  update();
}

QPoint TSkinTrackBar::GetSliderPosFromPosition() const {
  const QSize slider = slider_->size();
  if (Horizontal()) {
    return {trackbar::SliderOffset(width(), slider.width(), min_, max_, position_),
            trackbar::SliderCrossOffset(height(), slider.height())};
  }
  return {trackbar::SliderCrossOffset(width(), slider.width()),
          trackbar::SliderOffset(height(), slider.height(), min_, max_, position_)};
}

std::int64_t TSkinTrackBar::GetPositionFromFromSliderPos(const QPoint& point) const {
  if (Horizontal()) {
    return trackbar::PositionAtPixel(point.x(), width(), slider_->width(), min_, max_);
  }
  return trackbar::PositionAtPixel(point.y(), height(), slider_->height(), min_, max_);
}

void TSkinTrackBar::UpdatePositionValue(const QPoint& point, bool apply) {
  const int value = trackbar::Clamp(GetPositionFromFromSliderPos(point), min_, max_);
  if (apply) {
    SetPosition(value);
  } else {
    position_ = value;
  }
}

void TSkinTrackBar::UpdateSlider() {
  slider_->move(GetSliderPosFromPosition());
  update();
  ReportPosition();
}

void TSkinTrackBar::ReportPosition() {
  if (position_ == reported_) return;
  reported_ = position_;
  emit OnChange();
}

void TSkinTrackBar::StepToward(const QPoint& point, int step) {
  const int edge = Horizontal() ? slider_->x() : slider_->y();
  const int pixel = Horizontal() ? point.x() : point.y();
  const std::int64_t target = GetPositionFromFromSliderPos(point);
  if (edge < pixel) {
    SetPosition(trackbar::Clamp(std::min<std::int64_t>(std::int64_t{position_} + step, target),
                                min_, max_));
  } else if (edge > pixel) {
    SetPosition(trackbar::Clamp(std::max<std::int64_t>(std::int64_t{position_} - step, target),
                                min_, max_));
  }
}

void TSkinTrackBar::TakeFocusOnClick() {
  if (SkinCanFocus() && isVisible() && isEnabled()) setFocus(Qt::MouseFocusReason);
}

void TSkinTrackBar::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit OnMouseDown(event->button(), event->modifiers(), at.x(), at.y());
  if (event->button() != Qt::LeftButton) return;
  StepToward(at, pageSize_);
  if (repeat_ == nullptr) {
    repeat_ = new SkinTimer(this);
    connect(repeat_, &SkinTimer::Tick, this, &TSkinTrackBar::RepeatTick);
    repeat_->Start(kRepeatIntervalMs);
  }
  TakeFocusOnClick();
}

// While the button is held the slider walks toward the pointer and stops centred under it.
void TSkinTrackBar::RepeatTick() {
  const int step = Horizontal() ? kHorizontalRepeatFactor * pageSize_ : pageSize_;
  inRepeatTick_ = true;
  StepToward(mapFromGlobal(QCursor::pos()), step);
  inRepeatTick_ = false;
}

void TSkinTrackBar::StopRepeat() {
  if (repeat_ == nullptr) return;
  // An OnChange handler of the tick may hide the bar: the ticking timer is freed after its tick.
  repeat_->Stop();
  if (inRepeatTick_) {
    repeat_->deleteLater();
  } else {
    delete repeat_;
  }
  repeat_ = nullptr;
}

void TSkinTrackBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit OnMouseMove(event->modifiers(), at.x(), at.y());
  if (dragging_) {
    // The slider's centre follows the pointer; the face itself does not change.
    UpdatePositionValue(at, false);
    slider_->move(GetSliderPosFromPosition());
    ReportPosition();
  } else if (repeat_ != nullptr && !InRect(at, 0, 0, width(), height())) {
    StopRepeat();
  }
}

void TSkinTrackBar::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit OnMouseUp(event->button(), event->modifiers(), at.x(), at.y());
  EndHolding();
}

void TSkinTrackBar::OnSliderMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                      int y) {
  dragging_ = true;
  TakeFocusOnClick();
  grabMouse();  // the moves and the release now come to the bar, wherever the pointer goes
  emit OnMouseDown(button, shift, x + slider_->x(), y + slider_->y());
}

void TSkinTrackBar::OnSliderMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                    int y) {
  emit OnMouseUp(button, shift, x + slider_->x(), y + slider_->y());
}

void TSkinTrackBar::keyPressEvent(QKeyEvent* event) {
  const auto moveTo = [this](std::int64_t value) {
    SetPosition(trackbar::Clamp(value, min_, max_));
  };
  const std::int64_t position = position_;
  switch (event->key()) {
    case Qt::Key_PageUp:
      moveTo(position - pageSize_);
      break;
    case Qt::Key_PageDown:
      moveTo(position + pageSize_);
      break;
    case Qt::Key_End:
      moveTo(max_);
      break;
    case Qt::Key_Home:
      moveTo(min_);
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      moveTo(position - lineSize_);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      moveTo(position + lineSize_);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TSkinTrackBar::focusInEvent(QFocusEvent*) { update(); }

void TSkinTrackBar::focusOutEvent(QFocusEvent*) { update(); }

void TSkinTrackBar::EndHolding() {
  StopRepeat();
  dragging_ = false;
  if (mouseGrabber() == this) releaseMouse();
}

void TSkinTrackBar::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  EndHolding();
}

void TSkinTrackBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) EndHolding();
  TSkinWidget::changeEvent(event);
}

void TSkinTrackBar::resizeEvent(QResizeEvent*) { UpdateControl(); }

void TSkinTrackBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!Transparent()) painter.fillRect(rect(), FaceColor());
  const int barThickness = barImage_.height();
  if (Horizontal()) {
    painter.drawImage(0, (height() - barThickness) / 2, preparedBar_);
  } else {
    painter.drawImage((width() - barThickness) / 2, 0, preparedBar_);
  }
  if (hasFocus() && TabStop()) DrawFocusRect(painter, rect());
  if (showTick_) PaintTick(painter);
}

void TSkinTrackBar::PaintTick(QPainter& painter) const {
  painter.setPen(QPen(Qt::black, 0));
  const QSize slider = slider_->size();
  const int w = width();
  const int h = height();
  if (Horizontal()) {
    for (int x : trackbar::TickOffsets(w, slider.width(), min_, max_, frequency_)) {
      painter.drawLine(x, h - kTickLength, x, h - 1);
    }
  } else {
    for (int y : trackbar::TickOffsets(h, slider.height(), min_, max_, frequency_)) {
      painter.drawLine(0, y, kTickLength - 1, y);
      painter.drawLine(w - kTickLength, y, w - 1, y);
    }
  }
}
