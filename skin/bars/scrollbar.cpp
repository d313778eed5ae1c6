#include "skin/bars/scrollbar.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "skin/bars/scrolltrackbar.h"
#include "skin/buttons/imagebutton.h"
#include "skin/paint/turns_p.h"

namespace {

constexpr int kArrowRepeatMs = 100;
constexpr int kMaxStep = 32767;  // steps are 16-bit values

TSkinImageButton* MakeArrowButton(QWidget* bar) {
  auto* button = new TSkinImageButton(bar);
  button->SetTabStop(false);
  button->SetMouseContinuouslyDownInterval(kArrowRepeatMs);
  button->SetAutoSize2(true);
  return button;
}

}  // namespace

TSkinScrollBar::TSkinScrollBar(QWidget* owner)
    : TSkinWidget(owner),
      track_(new TSkinScrollTrackBar(this)),
      first_(MakeArrowButton(this)),
      second_(MakeArrowButton(this)) {
  track_->SetShowTick(false);
  track_->SetTransparent(false);
  track_->SetMax(100);
  connect(track_, &TSkinTrackBar::OnChange, this, &TSkinScrollBar::OnChange);
  // Only the repeat moves the position: a click shorter than one interval moves nothing.
  connect(first_, &TSkinCustomButton::OnMouseContinuouslyDown, this, [this] { Step(-1); });
  connect(second_, &TSkinCustomButton::OnMouseContinuouslyDown, this, [this] { Step(1); });
  resize(185, 185);
  StartLook(owner);
}

void TSkinScrollBar::LookChanged() {
  track_->SetBarImage(QImage());  // the track shows its plain colour
  SetColor(Look().Color(SkinEntry::ScrollBarBackgroundColor));
  LoadPictures();
  Layout();
}

void TSkinScrollBar::LoadPictures() {
  const auto piece = [this](int frame) {
    return Look().Bitmap(SkinEntry::ScrollBarSliderImage, 3, frame);
  };
  startCap_ = piece(1);
  middle_ = piece(2);
  endCap_ = piece(3);
  if (Vertical()) {
    for (QImage* p : {&startCap_, &middle_, &endCap_}) RoundPicture3(*p);
  }

  // Frames 1-3 are the first button's normal, hover and pressed pictures, 4-6 the second's;
  // they are drawn for an upright bar.
  QImage arrows[6];
  for (int i = 0; i < 6; ++i) {
    arrows[i] = Look().Bitmap(SkinEntry::ScrollBarButtonImage, 6, i + 1);
    if (!Vertical()) RoundPicture(arrows[i]);
  }
  first_->SetPicNormal(arrows[0]);
  first_->SetPicMouseOn(arrows[1]);
  first_->SetPicMouseDown(arrows[2]);
  second_->SetPicNormal(arrows[3]);
  second_->SetPicMouseOn(arrows[4]);
  second_->SetPicMouseDown(arrows[5]);
  update();
}

void TSkinScrollBar::ColorChanged() { track_->SetColor(Color()); }

void TSkinScrollBar::SetOrientation(TSkinProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  LoadPictures();
  Layout();
}

void TSkinScrollBar::resizeEvent(QResizeEvent*) { Layout(); }

void TSkinScrollBar::Layout() {
  if (laying_) return;  // the bar's own resize below comes back here
  track_->SetOrientation(orientation_);
  if (width() == 0 || height() == 0) {
    hide();
    return;
  }
  laying_ = true;
  const QSize b1 = first_->size();
  const QSize b2 = second_->size();
  first_->move(0, 0);
  if (Vertical()) {
    resize(b1.width(), height());
    track_->setGeometry(0, b1.height(), track_->width(), height() - b2.height() - b1.height() - 1);
    second_->move(0, height() - b2.height());
  } else {
    resize(width(), b1.height());
    track_->setGeometry(b1.width(), 0, width() - b2.width() - b1.width(), track_->height());
    second_->move(width() - b2.width(), 0);
  }
  laying_ = false;
  BuildThumb();
}

int TSkinScrollBar::TrackLength() const { return Vertical() ? track_->height() : track_->width(); }

int TSkinScrollBar::TrackRoom() const {
  return Vertical() ? height() - first_->height() - second_->height()
                    : width() - first_->width() - second_->width();
}

void TSkinScrollBar::BuildThumb() {
  if (startCap_.isNull() || middle_.isNull() || endCap_.isNull()) return;
  int length = lineButton_;
  if (length == 0) {
    int share = track_->PageSize();
    if (share < 10 || share > 100) share = 10;
    if (TrackLength() <= 0) return;
    length = TrackLength() * share / 100;
  }
  const int cross = Vertical() ? startCap_.width() : startCap_.height();
  const QSize size = Vertical() ? QSize(cross, length) : QSize(length, cross);
  QImage thumb(size, QImage::Format_RGB32);
  if (thumb.isNull()) return;
  thumb.fill(Qt::black);
  QPainter painter(&thumb);
  painter.drawImage(0, 0, startCap_);
  if (Vertical()) {
    const int endTop = length - endCap_.height();
    painter.drawImage(0, endTop, endCap_);
    const QRect between(0, startCap_.height(), cross, endTop - startCap_.height());
    if (!between.isEmpty()) painter.drawImage(between, middle_);
  } else {
    const int endLeft = length - endCap_.width();
    painter.drawImage(endLeft, 0, endCap_);
    const QRect between(startCap_.width(), 0, endLeft - startCap_.width(), cross);
    if (!between.isEmpty()) painter.drawImage(between, middle_);
  }
  painter.end();
  track_->UpdateSliderSize();
  track_->SetSliderImage(thumb);
}

void TSkinScrollBar::SetLineButton(int length) {
  if (length > 0 && length < kMinThumbLength) length = kMinThumbLength;
  if (length == lineButton_ || length > TrackRoom()) return;
  lineButton_ = length;
  BuildThumb();
}

int TSkinScrollBar::Max() const { return track_->Max(); }
void TSkinScrollBar::SetMax(int value) { track_->SetMax(value); }
int TSkinScrollBar::Min() const { return track_->Min(); }
void TSkinScrollBar::SetMin(int value) { track_->SetMin(value); }
int TSkinScrollBar::Position() const { return track_->Position(); }
void TSkinScrollBar::SetPosition(int value) { track_->SetPosition(value); }

void TSkinScrollBar::SetSmallChange(int value) { smallChange_ = std::clamp(value, 1, kMaxStep); }

int TSkinScrollBar::LargeChange() const { return std::min(track_->PageSize(), kMaxStep); }
void TSkinScrollBar::SetLargeChange(int value) {
  track_->SetPageSize(std::clamp(value, 1, kMaxStep));
}

int TSkinScrollBar::PageSize() const { return track_->PageSize(); }

void TSkinScrollBar::SetPageSize(int value) {
  if (value == track_->PageSize()) return;
  track_->SetPageSize(value);
  BuildThumb();
}

bool TSkinScrollBar::SliderVisible() const { return track_->SliderVisible(); }
void TSkinScrollBar::SetSliderVisible(bool value) { track_->SetSliderVisible(value); }

void TSkinScrollBar::Step(int direction) {
  const std::int64_t target = std::int64_t{Position()} + std::int64_t{direction} * smallChange_;
  SetPosition(static_cast<int>(std::clamp<std::int64_t>(target, Min(), Max())));
}

void TSkinScrollBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), FaceColor());
}
