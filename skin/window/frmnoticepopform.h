#pragma once
// TfrmNoticePopForm: the notice window of TSkinNoticePopForm. A borderless top-level window that
// stays above the others, takes no focus and has no task-bar entry; it shows the NOTICEPOPFORM
// picture with a title line and a centred message over it, slides up into view, stays for the
// stay time and slides down again. A press on the close box drawn in the picture hides it at
// once.
//
// Its life: Hidden → ShowNotice → SlidingIn → Shown (the stay runs from the end of the slide-in)
// → the stay ends, HideNotice or a click with ClickHide → SlidingOut → Hidden, then Closed. The
// close box goes from any phase straight to Hidden, then Closed. A slide and the 100 ms stay
// timer are SkinTimers, so a SkinManualClock drives the whole life in tests.
#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>

#include "skin/base/font.h"

class QLabel;
class SkinTimer;

class TfrmNoticePopForm : public QWidget {
  Q_OBJECT

 public:
  enum class Phase { Hidden, SlidingIn, Shown, SlidingOut };

  // The close box in the picture, in window pixels, edges included.
  static constexpr QRect kCloseBox{QPoint(162, 6), QPoint(175, 19)};
  static constexpr int kTimerIntervalMs = 100;

  // Where the window goes on a work area: its right edge 18 pixels left of the area's, its
  // bottom on the area's bottom.
  static QPoint BottomRightCorner(const QRect& workArea, const QSize& windowSize);

  // Sized to the picture and placed at the bottom-right corner of the work area, hidden.
  TfrmNoticePopForm();

  QLabel* lbl_title() const { return title_; }
  QLabel* lbl_text() const { return text_; }

  // Handed over by the component's Popup.
  void SetAnimateTime(int ms) { animateTime_ = ms; }
  int AnimateTime() const { return animateTime_; }
  void SetStayTime(int ms) { stayTime_ = ms; }
  int StayTime() const { return stayTime_; }
  void SetClickHide(bool value) { clickHide_ = value; }
  bool ClickHide() const { return clickHide_; }
  void ShowTitle(const QString& title, const SkinFont& font);
  void ShowMessage(const QString& message, const SkinFont& font);

  // Shows the window above the others, sliding it in when hidden (the stay starts when the
  // slide ends) or restarting the stay when already shown, and starts the stay timer.
  void ShowNotice();
  // Stops the timer and slides the window out; nothing when it is hidden or already going.
  void HideNotice();
  // Ends a running slide at once, as if its time were up (a slide-out then hides the window and
  // reports Closed).
  void FinishSlide();

  Phase CurrentPhase() const { return phase_; }
  bool TimerRunning() const;

 signals:
  void Clicked();       // the window body or the message was clicked
  void TitleClicked();  // the title line was clicked
  void Closed();        // the window has been hidden

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // What a press or release lands on; a click is a press and a release on the same part.
  enum class Part { None, CloseBox, Title, Message, Body };
  Part PartAt(const QPoint& point) const;

  void Timer1Timer();
  void StartStay();
  void HideAtOnce();
  // The window has gone: the one place Closed is raised, last, as its receiver may delete the
  // window.
  void Withdrawn();

  QImage background_;
  QLabel* title_;
  QLabel* text_;
  SkinTimer* timer1_;
  int animateTime_ = 400;
  int stayTime_ = 2000;
  bool clickHide_ = false;
  Phase phase_ = Phase::Hidden;
  std::uint32_t stayStart_ = 0;  // tick count at the end of the last slide-in
  Part pressed_ = Part::None;
};
