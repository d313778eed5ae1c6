#include "sketch/batchlist.h"

#include <unordered_set>

#include "sketch/folderwalk.h"

namespace graphitine {

bool HaveStr(const std::string& text, const std::vector<PictureItem>& list) {
  for (const PictureItem& item : list) {
    if (item.text == text) return true;
  }
  return false;
}

void findall(const std::string& folder, std::vector<PictureItem>& list) {
  // The same answers as HaveStr for every file, without searching the whole list each time.
  std::unordered_set<std::string> listed;
  for (const PictureItem& item : list) listed.insert(item.text);
  WalkFolder(folder, folder, [&](const FolderEntry& entry) {
    if (!EndsWith(entry.lowerName, ".jpg") && !EndsWith(entry.lowerName, ".bmp")) return;
    if (!listed.insert(entry.shownPath).second) return;
    list.push_back(PictureItem{entry.shownPath, entry.realPath});
  });
}

}  // namespace graphitine
