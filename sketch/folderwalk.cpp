#include "sketch/folderwalk.h"

#include <system_error>

namespace graphitine {

namespace fs = std::filesystem;

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool IsPlainDirectory(const fs::directory_entry& entry) {
  std::error_code ec;
  const fs::file_status status = entry.symlink_status(ec);
  if (ec || status.type() != fs::file_type::directory) return false;
  const std::string name = entry.path().filename().string();
  if (name.empty() || name[0] == '.') return false;
  return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

void WalkFolder(const std::string& shownFolder, const fs::path& realFolder,
                const std::function<void(const FolderEntry&)>& report) {
  std::error_code ec;
  fs::directory_iterator it(realFolder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    FolderEntry entry;
    entry.lowerName = LowerCase(it->path().filename().string());
    entry.shownPath = shownFolder + kFolderSeparator + entry.lowerName;
    entry.realPath = it->path();
    if (IsPlainDirectory(*it)) {
      WalkFolder(entry.shownPath, entry.realPath, report);
    } else {
      report(entry);
    }
  }
}

}  // namespace graphitine
