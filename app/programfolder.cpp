#include "app/programfolder.h"

#include <QCoreApplication>

namespace {
const char* const kStartPictureName = "J.jpg";
}

std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableFolder) {
  const std::filesystem::path installed = executableFolder.parent_path() / "share" / "graphitine";
  std::error_code ignored;
  if (!std::filesystem::exists(executableFolder / kStartPictureName, ignored) &&
      std::filesystem::is_directory(installed, ignored)) {
    return installed;
  }
  return executableFolder;
}

std::filesystem::path ProgramFolder() {
  return ProgramFolderFor(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
}

std::filesystem::path StartPicture() { return ProgramFolder() / kStartPictureName; }
