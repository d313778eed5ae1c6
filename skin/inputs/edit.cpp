#include "skin/inputs/edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include "skin/base/dialogkeys.h"
#include "skin/inputs/keychar_p.h"

namespace {
constexpr int kUnlimited = 32767;  // the line edit's own "no limit"
}

TSkinEdit::TSkinEdit(QWidget* owner) : QLineEdit(owner), SkinNativeLook(this) {
  setFrame(false);
  setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  StartLook(owner);
}

int TSkinEdit::MaxLength() const { return maxLength() == kUnlimited ? 0 : maxLength(); }

void TSkinEdit::SetMaxLength(int value) { setMaxLength(value <= 0 ? kUnlimited : value); }

void TSkinEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  PaintFrame(painter);
}

void TSkinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (!EntersOrLeaves(reason) || reason == Qt::MouseFocusReason) return;
  if (autoSelect_) {
    selectAll();
  } else {
    deselect();  // the line edit itself selects everything when Tab brings the focus
  }
}

void TSkinEdit::RefuseKey(QKeyEvent* event) {
  event->accept();
  const int key = event->key();
  const bool dialogKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
  if (dialogKey && SkinDialogKeys::Dispatch(window(), *event)) return;
  SkinBeep();
}
