#include "skin/base/accelerator.h"

#include <QKeySequence>
#include <QShortcutEvent>
#include <QWidget>

void SkinAccelerator::SetCaption(const QString& caption) {
  if (shortcutId_ != 0) control_->releaseShortcut(shortcutId_);
  shortcutId_ = 0;
  const QKeySequence key = QKeySequence::mnemonic(caption);
  if (!key.isEmpty()) shortcutId_ = control_->grabShortcut(key);
}

bool SkinAccelerator::IsAccelerator(const QEvent* e) const {
  return e->type() == QEvent::Shortcut && shortcutId_ != 0 &&
         static_cast<const QShortcutEvent*>(e)->shortcutId() == shortcutId_;
}
