#pragma once
// TSkinDriveComboBox: a skinned list of the machine's drives (root folders); Drive is the
// chosen one. Skinned in the simple style too; rows are 15 pixels high.
#include "skin/inputs/customcombobox.h"

class TSkinDriveComboBox : public TSkinCustomComboBox {
  Q_OBJECT
  Q_PROPERTY(QString Drive READ Drive WRITE SetDrive)

 public:
  explicit TSkinDriveComboBox(QWidget* owner = nullptr);

  QString Drive() const { return currentText(); }
  // A root that is not listed is refused.
  void SetDrive(const QString& root);

 protected:
  bool PaintsSimpleStyle() const override { return true; }
};
