#pragma once
// TSkinRadioGroup: a check group whose items are radio buttons, one of them checked at most.
// The focus given to the group goes to the checked item.
#include "skin/containers/checkgroup.h"

class TSkinRadioGroup : public TSkinCheckGroup {
  Q_OBJECT
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)

 public:
  explicit TSkinRadioGroup(QWidget* owner = nullptr) : TSkinCheckGroup(owner) {}

  // The checked item, -1 for none. -1 unchecks every item without raising OnClick; values
  // outside -1..count-1 are ignored.
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  TSkinCheckBox* CreateAButton() override;
  QWidget* FocusTarget() const override;
};
