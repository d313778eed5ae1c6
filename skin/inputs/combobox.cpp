#include "skin/inputs/combobox.h"

namespace {
constexpr int kDropDownCount = 8;
}

TSkinComboBox::TSkinComboBox(QWidget* owner) : TSkinCustomComboBox(owner) {
  setMaxVisibleItems(kDropDownCount);
  StartLook(owner);
}

QStringList TSkinComboBox::Items() const {
  QStringList items;
  items.reserve(count());
  for (int i = 0; i < count(); ++i) items.append(itemText(i));
  return items;
}

void TSkinComboBox::SetItems(const QStringList& items) {
  clear();
  addItems(items);
}
