#include "app/lastfolders.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString KeyOf(FolderPurpose purpose) {
  switch (purpose) {
    case FolderPurpose::Open:
      return QStringLiteral("LastFolders/open");
    case FolderPurpose::Save:
      return QStringLiteral("LastFolders/save");
    case FolderPurpose::Paper:
      return QStringLiteral("LastFolders/paper");
    case FolderPurpose::BatchAdd:
      return QStringLiteral("LastFolders/batchAdd");
    case FolderPurpose::BatchOutput:
      return QStringLiteral("LastFolders/batchOutput");
  }
  return QString();
}

QString DefaultFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

}  // namespace

QString SettingsFile() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (config.isEmpty()) return QString();
  return config + QStringLiteral("/graphitine/graphitine.conf");
}

// QSettings reports what goes wrong in status() and never raises: a file it cannot parse reads
// as empty, one it cannot write stays as it was.
QString LastFolder(FolderPurpose purpose) {
  const QString file = SettingsFile();
  if (!file.isEmpty()) {
    const QString folder = QSettings(file, QSettings::IniFormat).value(KeyOf(purpose)).toString();
    if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  }
  return DefaultFolder();
}

void RememberFolder(FolderPurpose purpose, const QString& folder) {
  const QString file = SettingsFile();
  if (file.isEmpty() || folder.isEmpty()) return;
  QSettings(file, QSettings::IniFormat).setValue(KeyOf(purpose), QDir(folder).absolutePath());
}
