#pragma once
// Collecting the pictures of folder trees for a batch run.
#include <filesystem>
#include <string>
#include <vector>

namespace graphitine {

struct PictureItem {
  // What the list shows and what output names follow: the folder that was searched, the
  // separator, and the file's name lower-cased (sub-folders too, by lower-cased names).
  std::string text;
  // Where the file really is, with its names spelt as on disk; the picture is read from here.
  std::filesystem::path path;
};

// True when an item of the list shows exactly this text (case-sensitive).
bool HaveStr(const std::string& text, const std::vector<PictureItem>& list);

// Appends the ".jpg" and ".bmp" files under the folder (by their lower-cased names, so
// Photo.JPG counts and a ".jpeg" file does not), in the order the file system lists them,
// plain sub-folders depth first, skipping every file whose text the list already holds.
// A folder that cannot be read adds nothing.
void findall(const std::string& folder, std::vector<PictureItem>& list);

}  // namespace graphitine
