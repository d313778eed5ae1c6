#pragma once
// The paper catalogue: the texture pictures found in the texture folder beside the program.
#include <filesystem>
#include <string>
#include <vector>

namespace graphitine {

struct TextureEntry {
  // What the paper list shows: the file's name, lower-cased, without its last four characters.
  std::string name;
  // The bitmap the entry is read from. For a ".bmp" file that is the file itself, wherever it
  // was found and however its name is spelt; for a ".swf" file it is the ".bmp" file of the
  // same stem beside it, which may not exist (reading it then fails like any missing file).
  std::filesystem::path path;
};

// Appends the catalogue entries found under the folder, in the order the file system lists
// them, plain sub-folders depth first: every file whose lower-cased name ends in ".bmp" or
// ".swf". No sorting and no duplicate test; a folder that cannot be read adds nothing.
void CollectTextures(const std::filesystem::path& folder, std::vector<TextureEntry>& list);

// The folder "texture" inside the given program folder.
std::filesystem::path TextureFolder(const std::filesystem::path& programFolder);

}  // namespace graphitine
