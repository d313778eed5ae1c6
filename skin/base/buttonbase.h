#pragma once
// SkinButtonBase: how every clickable skinned control is pressed and clicked, written once for
// the button family, check boxes, radio buttons and tool buttons.
//
// - The mouse: a left press arms a click (and takes the focus when the control takes focus by
//   click); releasing over the control clicks it. While the button is held the moves say
//   whether the pointer is over it (Qt reports no enter or leave then). Leaving ends the
//   pressed look and the repeat but keeps the click armed, so coming back and releasing clicks.
// - The keys: Space or Enter (without Alt) on the focused, enabled control clicks it on the key's
//   release, when KeyReleaseClicks says so, and only after that key's own press reached the
//   control (ReleaseClicks): a release whose press went elsewhere (Enter closing a dialog on its
//   press, the focus coming back here) clicks nothing. Controls whose key shows the press
//   (KeyShowsPress) look pressed while it is down; for them whatever ends the pressed look (the
//   pointer leaving, a click) ends the key press too. Losing the focus ends a key press.
// - The accelerator: the letter after '&' in the caption given to SetAcceleratorCaption, with
//   Alt, anywhere in the window; AcceleratorPressed decides what it does (Click by default).
// - The repeat: with HoldRepeatInterval >= 0, holding the left button calls HoldRepeat every
//   interval (the first one interval after the press) until the press ends.
// Hiding, disabling or deleting the control ends the press and its repeat.
#include <QPointer>
#include <QString>

#include "skin/base/accelerator.h"
#include "skin/base/widget.h"

class SkinTimer;

class SkinButtonBase : public TSkinWidget {
  Q_OBJECT

 public:
  ~SkinButtonBase() override;

  // The control shows the pointer over it. The pointer comes over it at the toolkit's enter
  // (or, while a press holds the mouse, as the moves tell) and leaves it at the leave;
  // EndHoverLook drops the look earlier.
  bool IsHovered() const { return hovered_; }
  // Held down by the mouse or by Space/Enter.
  bool IsPressed() const { return pressed_; }
  // A left press is waiting for its release.
  bool IsArmed() const { return armed_; }

  // What a completed press ends in.
  virtual void Click() = 0;

 protected:
  explicit SkinButtonBase(QWidget* owner, TColor color = clBtnFace);

  void SetAcceleratorCaption(const QString& caption) { accelerator_.SetCaption(caption); }
  virtual void AcceleratorPressed();
  virtual bool KeyShowsPress() const { return true; }
  virtual bool KeyReleaseClicks() const { return true; }
  // -1: no repeat.
  virtual int HoldRepeatInterval() const { return -1; }
  virtual void HoldRepeat() {}
  // The pointer came over the control (over) or left it.
  virtual void HoverChanged(bool over) { Q_UNUSED(over); }
  // Ends the pressed look and the repeat (the click stays armed).
  void Release();
  // Ends the hover and pressed looks before the pointer has left.
  void EndHoverLook();

  bool event(QEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  // Space or Enter reaching the control while it can be pressed.
  bool TakesPressKey(const QKeyEvent& e) const;
  // The one rule for a key release: it clicks after its own press only.
  bool ReleaseClicks(const QKeyEvent& e) const;
  void SetUnderPointer(bool over);
  void TrackPointer(const QPoint& pos);
  void StopRepeat();
  // A hidden or disabled control can no longer be held: the press and its repeat end.
  void EndPress();

  SkinAccelerator accelerator_;
  bool underPointer_ = false;  // between an enter and a leave, as far as the control knows
  bool hovered_ = false;
  bool pressed_ = false;        // the pressed look, by the mouse or a key
  bool armed_ = false;          // a left press awaits its release
  int keyDown_ = 0;             // the Space or Enter key whose press awaits its release, or 0
  QPointer<SkinTimer> repeat_;  // exists only while a mouse press is in progress
};
