#include "app/batch/folderchooser.h"

#include <QDir>
#include <QFileDialog>

QString ChooseFolder(const QString& title, QWidget* parent) {
  QFileDialog dialog(parent, title, QDir::homePath());
  dialog.setObjectName(QStringLiteral("FolderDialog"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return QDir::toNativeSeparators(dialog.selectedFiles().first());
}
