#include "app/batch/folderchooser.h"

#include <QDir>
#include <QFileDialog>

QString ChooseFolder(const QString& title, QWidget* parent, FolderPurpose purpose) {
  QFileDialog dialog(parent, title, LastFolder(purpose));
  dialog.setObjectName(QStringLiteral("FolderDialog"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  const QString folder = dialog.selectedFiles().first();
  RememberFolder(purpose, folder);
  return QDir::toNativeSeparators(folder);
}
