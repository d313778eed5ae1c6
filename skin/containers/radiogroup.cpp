#include "skin/containers/radiogroup.h"

#include "skin/containers/groupbuttons_p.h"

int TSkinRadioGroup::ItemIndex() const {
  const std::vector<TSkinCheckBox*>& items = ItemButtons();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (items[i]->Checked()) return i;
  }
  return -1;
}

void TSkinRadioGroup::SetItemIndex(int index) {
  const std::vector<TSkinCheckBox*>& items = ItemButtons();
  if (index < -1 || index >= static_cast<int>(items.size())) return;
  if (index >= 0) {
    items[index]->SetChecked(true);  // unchecks the others
    return;
  }
  for (TSkinCheckBox* item : items) item->SetChecked(false);
}

TSkinCheckBox* TSkinRadioGroup::CreateAButton() { return new TSkinRadioGroupButton(this); }

QWidget* TSkinRadioGroup::FocusTarget() const {
  const int index = ItemIndex();
  return index >= 0 ? ItemButtons()[index] : nullptr;
}
