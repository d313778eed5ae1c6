#include "skin/buttons/radiobutton.h"

#include <QApplication>
#include <QFocusEvent>

namespace {

// The radio button that last lost the focus and the widget it went to. Qt names the new focus
// widget before it tells the old one, so the receiver can see who handed the focus over.
struct FocusHandOver {
  QPointer<TSkinRadioButton> from;
  QPointer<QWidget> to;
};
FocusHandOver lastHandOver;

}  // namespace

TSkinRadioButton::TSkinRadioButton(QWidget* owner) : TSkinCheckBox(owner) {
  LookChanged();  // the base constructor read the check-box strip
}

void TSkinRadioButton::CheckStateChanged() {
  if (!Checked()) return;
  UnCheckGroup();
  emit OnClick();
}

void TSkinRadioButton::DoClick() {
  if (!Checked()) SetChecked(true);
}

void TSkinRadioButton::UnCheckGroup() {
  QWidget* parent = parentWidget();
  if (parent == nullptr) return;
  for (QObject* child : parent->children()) {
    auto* sibling = qobject_cast<TSkinRadioButton*>(child);
    if (sibling != nullptr && sibling != this && sibling->GroupIndex() == groupIndex_) {
      sibling->SetChecked(false);
    }
  }
}

void TSkinRadioButton::focusOutEvent(QFocusEvent* e) {
  lastHandOver = {this, QApplication::focusWidget()};
  TSkinCheckBox::focusOutEvent(e);
}

void TSkinRadioButton::focusInEvent(QFocusEvent* e) {
  TSkinCheckBox::focusInEvent(e);
  const FocusHandOver handOver = lastHandOver;
  lastHandOver = {};
  if (handOver.to == this && handOver.from != nullptr && handOver.from != this &&
      handOver.from->IsRadioGroupItem()) {
    Click();
  }
}
