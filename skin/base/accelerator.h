#pragma once
// '&' accelerators: the letter after a single '&' of a caption, pressed with Alt anywhere in the
// control's window, reaches the control as a QEvent::Shortcut ("&&" stands for a plain '&').
#include <QString>

class QEvent;
class QWidget;

class SkinAccelerator {
 public:
  explicit SkinAccelerator(QWidget* control) : control_(control) {}
  SkinAccelerator(const SkinAccelerator&) = delete;
  SkinAccelerator& operator=(const SkinAccelerator&) = delete;

  // Registers the accelerator of a new caption in place of the old one.
  void SetCaption(const QString& caption);
  // Whether e is this control's accelerator being pressed.
  bool IsAccelerator(const QEvent* e) const;

 private:
  QWidget* control_;
  int shortcutId_ = 0;
};
