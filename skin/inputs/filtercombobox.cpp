#include "skin/inputs/filtercombobox.h"

namespace {
constexpr int kItemHeight = 15;
}

TSkinFilterComboBox::TSkinFilterComboBox(QWidget* owner) : TSkinCustomComboBox(owner) {
  SetStyle(csDropDownList);
  SetItemHeight(kItemHeight);
  SetFilter(tr("All files (*.*)|*.*"));
  StartLook(owner);
}

void TSkinFilterComboBox::SetFilter(const QString& value) {
  if (value == filter_ && count() > 0) return;
  filter_ = value;
  clear();
  masks_.clear();
  const QStringList parts = value.split(u'|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    if (parts[i].isEmpty() && i + 1 >= parts.size()) break;
    addItem(parts[i]);
    masks_.append(i + 1 < parts.size() && !parts[i + 1].isEmpty() ? parts[i + 1]
                                                                  : QStringLiteral("*.*"));
  }
  if (count() > 0) setCurrentIndex(0);
}

QString TSkinFilterComboBox::Mask() const {
  const int index = currentIndex();
  return index >= 0 && index < masks_.size() ? masks_[index] : QStringLiteral("*.*");
}
