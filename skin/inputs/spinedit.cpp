#include "skin/inputs/spinedit.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <climits>

#include "skin/inputs/keychar_p.h"
#include "skin/inputs/spinbuttons.h"

TSkinSpinEdit::TSkinSpinEdit(QWidget* owner)
    : TSkinEdit(owner), buttons_(new TSkinSpinButtons(this)) {
  connect(buttons_, &TSkinSpinButtons::OnUpClick, this, &TSkinSpinEdit::UpClick);
  connect(buttons_, &TSkinSpinButtons::OnDownClick, this, &TSkinSpinEdit::DownClick);
  setText(QStringLiteral("0"));
  LookChanged();  // the buttons take the look the edit started with
}

void TSkinSpinEdit::LookChanged() { SkinApplyLook(buttons_, UIStyle(), FileTheme()); }

void TSkinSpinEdit::SetEditorEnabled(bool value) {
  editorEnabled_ = value;
  setAcceptDrops(value);
}

int TSkinSpinEdit::CheckValue(long long value) const {
  if (minValue_ == maxValue_)
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
  return static_cast<int>(std::clamp<long long>(value, minValue_, maxValue_));
}

int TSkinSpinEdit::Value() const {
  bool ok = false;
  const int value = text().trimmed().toInt(&ok);
  return ok ? value : minValue_;
}

void TSkinSpinEdit::SetValue(int value) { setText(QString::number(CheckValue(value))); }

void TSkinSpinEdit::Step(int direction) {
  if (isReadOnly()) {
    SkinBeep();
    return;
  }
  setText(QString::number(CheckValue(static_cast<long long>(Value()) +
                                     static_cast<long long>(direction) * increment_)));
}

void TSkinSpinEdit::UpClick() { Step(1); }

void TSkinSpinEdit::DownClick() { Step(-1); }

bool TSkinSpinEdit::IsValidChar(QChar c) const {
  const char16_t code = c.unicode();
  bool valid = (code < 32 && code != 13) || c == u'-' || (c >= u'0' && c <= u'9');
  if (!editorEnabled_ && (code >= 32 || code == 8)) valid = false;
  return valid;
}

void TSkinSpinEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    UpClick();
  } else if (event->key() == Qt::Key_Down) {
    DownClick();
  }
  const bool clipboardEdit =
      event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste);
  if ((clipboardEdit || event->key() == Qt::Key_Delete) && !Editable()) {
    event->accept();
    return;
  }
  const std::optional<QChar> typed = TypedChar(*event);
  if (typed && !IsValidChar(*typed)) {
    RefuseKey(event);
    return;
  }
  TSkinEdit::keyPressEvent(event);
}

// Composed text counts as typing.
void TSkinSpinEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!editorEnabled_ && !event->commitString().isEmpty()) {
    event->accept();
    return;
  }
  TSkinEdit::inputMethodEvent(event);
}

void TSkinSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (!Editable()) {
    for (QAction* action : menu->actions()) {
      const QString name = action->objectName();
      if (name == u"edit-cut" || name == u"edit-paste" || name == u"edit-delete")
        action->setEnabled(false);
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void TSkinSpinEdit::focusOutEvent(QFocusEvent* event) {
  TSkinEdit::focusOutEvent(event);
  if (!EntersOrLeaves(event->reason())) return;
  const int value = Value();
  if (CheckValue(value) != value) SetValue(value);
}

// The buttons fill the inner height at the right; the text ends two pixels before them.
void TSkinSpinEdit::resizeEvent(QResizeEvent* event) {
  TSkinEdit::resizeEvent(event);
  const int w = buttons_->width();
  buttons_->setGeometry(width() - w - kBorderWidth, kBorderWidth, w,
                        std::max(0, height() - 2 * kBorderWidth));
  setTextMargins(0, 0, buttons_->width() + 2, 0);
}
