#include "skin/inputs/drivecombobox.h"

#include <QDir>

namespace {
constexpr int kItemHeight = 15;
}

TSkinDriveComboBox::TSkinDriveComboBox(QWidget* owner) : TSkinCustomComboBox(owner) {
  SetStyle(csDropDownList);
  SetItemHeight(kItemHeight);
  for (const QFileInfo& drive : QDir::drives())
    addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
  SetDrive(QDir::toNativeSeparators(QDir::rootPath()));
  StartLook(owner);
}

void TSkinDriveComboBox::SetDrive(const QString& root) {
  const int index = findText(root);
  if (index >= 0) setCurrentIndex(index);
}
