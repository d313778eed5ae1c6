#include "skin/base/buttonbase.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "skin/base/timer_p.h"

namespace {

bool IsPressKey(const QKeyEvent& e) {
  const int key = e.key();
  return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
         !(e.modifiers() & Qt::AltModifier);
}

}  // namespace

SkinButtonBase::SkinButtonBase(QWidget* owner, TColor color)
    : TSkinWidget(owner, color), accelerator_(this) {}

SkinButtonBase::~SkinButtonBase() { StopRepeat(); }

void SkinButtonBase::AcceleratorPressed() {
  if (isEnabled()) Click();
}

bool SkinButtonBase::event(QEvent* e) {
  if (accelerator_.IsAccelerator(e)) {
    AcceleratorPressed();
    return true;
  }
  return TSkinWidget::event(e);
}

void SkinButtonBase::SetUnderPointer(bool over) {
  if (over == underPointer_) return;
  underPointer_ = over;
  hovered_ = over;
  if (!over) Release();
  update();
  HoverChanged(over);
}

void SkinButtonBase::EndHoverLook() {
  if (!hovered_ && !pressed_) return;
  hovered_ = false;
  Release();
  update();
}

void SkinButtonBase::Release() {
  StopRepeat();
  if (KeyShowsPress()) keyDown_ = 0;  // a key press that shows ends with its look
  if (!pressed_) return;
  pressed_ = false;
  update();
}

void SkinButtonBase::EndPress() {
  armed_ = false;
  Release();
}

void SkinButtonBase::TrackPointer(const QPoint& pos) { SetUnderPointer(rect().contains(pos)); }

void SkinButtonBase::enterEvent(QEnterEvent* e) {
  TSkinWidget::enterEvent(e);
  SetUnderPointer(true);
}

void SkinButtonBase::leaveEvent(QEvent* e) {
  TSkinWidget::leaveEvent(e);
  SetUnderPointer(false);
}

void SkinButtonBase::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    TSkinWidget::mousePressEvent(e);
    return;
  }
  SetUnderPointer(true);  // a press on the control has the pointer over it
  pressed_ = true;
  armed_ = true;
  if (repeat_ == nullptr && HoldRepeatInterval() >= 0) {
    repeat_ = new SkinTimer(this);
    connect(repeat_, &SkinTimer::Tick, this, &SkinButtonBase::HoldRepeat);
    repeat_->Start(HoldRepeatInterval());
  }
  if ((focusPolicy() & Qt::ClickFocus) != 0 && isEnabled() && isVisible())
    setFocus(Qt::MouseFocusReason);
  update();
  e->accept();
}

void SkinButtonBase::mouseMoveEvent(QMouseEvent* e) {
  TSkinWidget::mouseMoveEvent(e);
  if (e->buttons() != Qt::NoButton) TrackPointer(e->position().toPoint());
}

void SkinButtonBase::mouseReleaseEvent(QMouseEvent* e) {
  TSkinWidget::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton) return;
  const QPoint pos = e->position().toPoint();
  if (armed_) TrackPointer(pos);
  const bool click = armed_ && rect().contains(pos);
  armed_ = false;
  Release();
  if (click) Click();
}

bool SkinButtonBase::TakesPressKey(const QKeyEvent& e) const {
  return IsPressKey(e) && hasFocus() && isEnabled();
}

bool SkinButtonBase::ReleaseClicks(const QKeyEvent& e) const {
  return !e.isAutoRepeat() && e.key() == keyDown_ && TakesPressKey(e) && KeyReleaseClicks();
}

void SkinButtonBase::keyPressEvent(QKeyEvent* e) {
  const bool taken = TakesPressKey(*e);
  if (taken) keyDown_ = e->key();
  if (!taken || !KeyShowsPress()) {
    TSkinWidget::keyPressEvent(e);
    return;
  }
  if (!pressed_) {
    pressed_ = true;
    update();
  }
  e->accept();
}

void SkinButtonBase::keyReleaseEvent(QKeyEvent* e) {
  const bool click = ReleaseClicks(*e);
  if (!e->isAutoRepeat() && e->key() == keyDown_) keyDown_ = 0;
  if (!click) {
    TSkinWidget::keyReleaseEvent(e);
    return;
  }
  Release();
  update();
  Click();
}

// The release of a key held now goes to the control that has the focus: the key press ends
// here, and with it the look that shows it.
void SkinButtonBase::focusOutEvent(QFocusEvent* e) {
  TSkinWidget::focusOutEvent(e);
  if (keyDown_ != 0 && KeyShowsPress() && !armed_) Release();
  keyDown_ = 0;
}

void SkinButtonBase::hideEvent(QHideEvent* e) {
  TSkinWidget::hideEvent(e);
  EndPress();
}

void SkinButtonBase::changeEvent(QEvent* e) {
  TSkinWidget::changeEvent(e);
  if (e->type() == QEvent::EnabledChange && !isEnabled()) EndPress();
}

void SkinButtonBase::StopRepeat() {
  if (repeat_ == nullptr) return;
  // The timer may be the one ticking right now: stop it at once, free it later.
  repeat_->Stop();
  repeat_->deleteLater();
  repeat_ = nullptr;
}
