#pragma once
// Enter and Escape on a form: a key that the focused control leaves unhandled is offered, in
// child order, to every dialog-key target of the window until one takes it (the default button
// takes Enter, the cancel button Escape).
//
// A control takes part by deriving from SkinDialogKeyTarget and calling
// SkinDialogKeys::Attach(this) in its constructor and whenever it gets a new parent or is shown;
// a target that itself receives Enter or Escape while focused offers it with
// SkinDialogKeys::Dispatch before treating it as its own key.
class QKeyEvent;
class QWidget;

class SkinDialogKeyTarget {
 public:
  // Whether the target took the key (and acted on it).
  virtual bool DialogKey(const QKeyEvent& key) = 0;

 protected:
  ~SkinDialogKeyTarget() = default;
};

namespace SkinDialogKeys {
// Makes the control's window route its unhandled keys; once per window.
void Attach(QWidget* control);
// Offers the key to the dialog-key targets of the window, depth first in child order; true
// when one took it.
bool Dispatch(QWidget* window, const QKeyEvent& key);
}  // namespace SkinDialogKeys
