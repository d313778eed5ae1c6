#pragma once
// The items of check and radio groups: a check box or radio button per line of the group's
// Items. Tab passes over them (the group takes the Tab stop), yet they show the focus they get.
#include "skin/buttons/checkbox.h"
#include "skin/buttons/radiobutton.h"

class TSkinCheckGroupButton : public TSkinCheckBox {
  Q_OBJECT

 public:
  using TSkinCheckBox::TSkinCheckBox;

 protected:
  bool NeedDrawFocus() const override { return hasFocus(); }
};

class TSkinRadioGroupButton : public TSkinRadioButton {
  Q_OBJECT

 public:
  using TSkinRadioButton::TSkinRadioButton;

 protected:
  // The checked item also shows the focus its group holds.
  bool NeedDrawFocus() const override {
    return Checked() && (hasFocus() || (parentWidget() != nullptr && parentWidget()->hasFocus()));
  }
  bool IsRadioGroupItem() const override { return true; }
};
