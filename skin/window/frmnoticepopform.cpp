#include "skin/window/frmnoticepopform.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <utility>

#include "skin/base/animatewindow_p.h"
#include "skin/base/helpers.h"
#include "skin/base/taskbar_p.h"
#include "skin/base/timer_p.h"
#include "skin/look/builtinlooks.h"

namespace {

constexpr std::uint32_t kSlideIn = kSkinAnimateSlide | kSkinAnimateVerNegative;
constexpr std::uint32_t kSlideOut = kSkinAnimateHide | kSkinAnimateSlide | kSkinAnimateVerPositive;

void ShowText(QLabel* label, const QString& text, const SkinFont& font) {
  label->setText(text);
  label->setFont(font.font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ToQColor(font.color));
  label->setPalette(palette);
}

}  // namespace

QPoint TfrmNoticePopForm::BottomRightCorner(const QRect& workArea, const QSize& windowSize) {
  constexpr int kRightGap = 18;
  return {workArea.x() + workArea.width() - windowSize.width() - kRightGap,
          workArea.y() + workArea.height() - windowSize.height()};
}

TfrmNoticePopForm::TfrmNoticePopForm()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      background_(LoadSkinResource(QStringLiteral("NOTICEPOPFORM"))),
      title_(new QLabel(this)),
      text_(new QLabel(this)),
      timer1_(new SkinTimer(this)) {
  setObjectName(QStringLiteral("frmNoticePopForm"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers every pixel
  setFixedSize(background_.size());
  move(BottomRightCorner(GetWorkAreaRect(), size()));

  // The labels only show text: every press reaches the window, which tells the parts apart.
  for (QLabel* label : {title_, text_}) {
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  title_->setGeometry(10, 5, width() - 30, 18);
  title_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text_->setGeometry(10, 40, width() - 20, height() - 50);
  text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  text_->setWordWrap(true);

  connect(timer1_, &SkinTimer::Tick, this, &TfrmNoticePopForm::Timer1Timer);
}

void TfrmNoticePopForm::ShowTitle(const QString& title, const SkinFont& font) {
  ShowText(title_, title, font);
}

void TfrmNoticePopForm::ShowMessage(const QString& message, const SkinFont& font) {
  ShowText(text_, message, font);
}

bool TfrmNoticePopForm::TimerRunning() const { return timer1_->IsActive(); }

void TfrmNoticePopForm::ShowNotice() {
  const QPointer<TfrmNoticePopForm> alive(this);
  FinishSlide();
  if (alive.isNull()) return;  // deleted by the receiver of Closed
  if (phase_ == Phase::Hidden) {
    phase_ = Phase::SlidingIn;
    if (!SkinAnimateWindow(this, animateTime_, kSlideIn, [this] { StartStay(); })) {
      show();
      StartStay();
    }
  } else {
    raise();
    StartStay();
  }
  timer1_->Start(kTimerIntervalMs);
}

void TfrmNoticePopForm::StartStay() {
  stayStart_ = SkinTickCount();
  phase_ = Phase::Shown;
}

void TfrmNoticePopForm::Timer1Timer() {
  if (phase_ != Phase::Shown) return;  // the stay starts when the slide-in ends
  // A signed 32-bit difference stays right across the wrap of the tick counter; a negative one
  // means the counter cannot be trusted, and the notice goes rather than staying for good.
  const auto elapsed = static_cast<std::int32_t>(SkinTickCount() - stayStart_);
  if (elapsed >= stayTime_ || elapsed < 0) HideNotice();
}

void TfrmNoticePopForm::HideNotice() {
  timer1_->Stop();
  if (phase_ == Phase::SlidingIn) FinishSlide();
  if (phase_ != Phase::Shown) return;
  raise();
  phase_ = Phase::SlidingOut;
  if (!SkinAnimateWindow(this, animateTime_, kSlideOut, [this] { Withdrawn(); })) {
    hide();
    Withdrawn();
  }
}

void TfrmNoticePopForm::HideAtOnce() {
  timer1_->Stop();
  if (phase_ == Phase::SlidingOut) {
    FinishSlide();  // ends hidden and reports Closed itself
    return;
  }
  if (phase_ == Phase::SlidingIn) FinishSlide();
  if (phase_ != Phase::Shown) return;
  hide();
  Withdrawn();
}

void TfrmNoticePopForm::FinishSlide() { SkinFinishWindowAnimation(this); }

void TfrmNoticePopForm::Withdrawn() {
  phase_ = Phase::Hidden;
  emit Closed();
}

TfrmNoticePopForm::Part TfrmNoticePopForm::PartAt(const QPoint& point) const {
  if (InRect(point, kCloseBox.left(), kCloseBox.top(), kCloseBox.right(), kCloseBox.bottom())) {
    return Part::CloseBox;
  }
  if (title_->geometry().contains(point)) return Part::Title;
  if (text_->geometry().contains(point)) return Part::Message;
  return rect().contains(point) ? Part::Body : Part::None;
}

void TfrmNoticePopForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = PartAt(event->position().toPoint());
  if (pressed_ == Part::CloseBox) {
    pressed_ = Part::None;
    HideAtOnce();
  }
}

void TfrmNoticePopForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const Part pressed = std::exchange(pressed_, Part::None);
  if (pressed == Part::None || pressed != PartAt(event->position().toPoint())) return;
  if (pressed == Part::Title) {
    emit TitleClicked();
    return;
  }
  const QPointer<TfrmNoticePopForm> alive(this);
  emit Clicked();
  if (!alive.isNull() && clickHide_) HideNotice();
}

void TfrmNoticePopForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, background_);
}

void TfrmNoticePopForm::showEvent(QShowEvent* event) {
  SkinKeepOffTaskbar(this);
  QWidget::showEvent(event);
}
