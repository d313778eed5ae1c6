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

void SkinButtonBase::keyPressEvent(QKeyEvent* e) {
  if (IsPressKey(*e) && hasFocus() && isEnabled()) keyDown_ = e->key();
  if (IsPressKey(*e) && KeyShowsPress() && hasFocus() && isEnabled()) {
    if (!pressed_) {
      pressed_ = true;
      update();
    }
    e->accept();
    return;
  }
  TSkinWidget::keyPressEvent(e);
}

void SkinButtonBase::keyReleaseEvent(QKeyEvent* e) {
  const bool sawPress = keyDown_ == e->key();
  if (!e->isAutoRepeat() && sawPress) keyDown_ = 0;
  const bool wanted = KeyShowsPress() ? pressed_ : KeyReleaseClicks() && sawPress;
  if (!e->isAutoRepeat() && IsPressKey(*e) && hasFocus() && isEnabled() && wanted) {
    Release();
    update();
    Click();
    return;
  }
  TSkinWidget::keyReleaseEvent(e);
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
