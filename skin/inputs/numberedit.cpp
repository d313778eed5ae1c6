#include "skin/inputs/numberedit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>

#include "skin/base/errorreport.h"
#include "skin/inputs/formatfloat_p.h"
#include "skin/inputs/keychar_p.h"

TSkinNumberEdit::TSkinNumberEdit(QWidget* owner) : TSkinEdit(owner) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(this, &QLineEdit::textChanged, this, &TSkinNumberEdit::TextChanged);
  SetValue(0);
}

void TSkinNumberEdit::SetMask(const QString& value) {
  if (value == mask_) return;
  mask_ = value;
  SetValue(value_);
}

void TSkinNumberEdit::SetValue(double value) {
  value_ = value;
  setText(SkinFormatFloat(mask_, value));
}

void TSkinNumberEdit::TextChanged() {
  const QString shown = text();
  if (shown.isEmpty() || shown == u"-") return;
  double number = 0;
  if (SkinTextToFloat(shown, &number)) {
    value_ = number;
    return;
  }
  SetValue(value_);
  // Reported from a clean turn of the event loop, not from inside the line edit's own handling,
  // which a message box's event loop would enter again.
  const QString message = QStringLiteral("'%1' is not a valid floating point value").arg(shown);
  QMetaObject::invokeMethod(
      this, [message] { ReportSkinError(message); }, Qt::QueuedConnection);
}

bool TSkinNumberEdit::Accepts(QChar c) const {
  if (c >= u'0' && c <= u'9') return true;
  if (c == QChar(8)) return true;
  const QString decimal = QLocale().decimalPoint();
  const QString shown = text();
  if (QString(c) == decimal) return mask_.contains(u'.') && !shown.contains(decimal);
  if (c == u'-') {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    return mask_.contains(u'-') && start == 0 && !shown.contains(u'-');
  }
  return false;
}

void TSkinNumberEdit::keyPressEvent(QKeyEvent* event) {
  const std::optional<QChar> typed = TypedChar(*event);
  if (typed && !Accepts(*typed)) {
    RefuseKey(event);
    return;
  }
  TSkinEdit::keyPressEvent(event);
}

void TSkinNumberEdit::SelectLastSigns() {
  if (autoSelectSigns_ <= 0 || !AutoSelect()) return;
  const int length = static_cast<int>(text().size());
  const int start = std::max(0, length - autoSelectSigns_);
  setSelection(start, length - start);
}

void TSkinNumberEdit::focusInEvent(QFocusEvent* event) {
  TSkinEdit::focusInEvent(event);
  if (EntersOrLeaves(event->reason())) SelectLastSigns();
}

void TSkinNumberEdit::mouseReleaseEvent(QMouseEvent* event) {
  TSkinEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    SelectLastSigns();
}

void TSkinNumberEdit::focusOutEvent(QFocusEvent* event) {
  TSkinEdit::focusOutEvent(event);
  if (!EntersOrLeaves(event->reason())) return;
  if (text().isEmpty() || text() == u"-") setText(QStringLiteral("0"));
  double number = value_;
  SkinTextToFloat(text(), &number);
  SetValue(number);
}
