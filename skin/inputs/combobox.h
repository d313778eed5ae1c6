#pragma once
// TSkinComboBox: the skinned combo box as windows place it, with its items, the chosen one and
// the text published by name. At most DropDownCount (8) rows show when the list is open.
#include <QStringList>

#include "skin/inputs/customcombobox.h"

class TSkinComboBox : public TSkinCustomComboBox {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
  Q_PROPERTY(QString Text READ currentText WRITE setCurrentText)
  Q_PROPERTY(int DropDownCount READ maxVisibleItems WRITE setMaxVisibleItems)

 public:
  explicit TSkinComboBox(QWidget* owner = nullptr);

  QStringList Items() const;
  void SetItems(const QStringList& items);
};
