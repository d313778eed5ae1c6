#pragma once
// The folder walk shared by the paper catalogue and the batch collector: entries in the order
// the file system lists them, names lower-cased, plain sub-folders walked depth first, each
// entry reported with both the text the program shows and the path it really has.
#include <filesystem>
#include <functional>
#include <string>

namespace graphitine {

// The platform's folder separator, which the shown paths use.
inline constexpr char kFolderSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

// ASCII letters only; other bytes (UTF-8 sequences among them) stay as they are.
std::string LowerCase(std::string text);

// True when text ends in the given ending, compared exactly.
bool EndsWith(const std::string& text, const std::string& ending);

// A directory that is not a symbolic link, not hidden (its name starts with '.') and writable
// by its owner. Such folders are walked; every other directory is reported like a file.
bool IsPlainDirectory(const std::filesystem::directory_entry& entry);

struct FolderEntry {
  std::string lowerName;           // the entry's name, lower-cased
  std::string shownPath;           // shown folder, separator, lower-cased name
  std::filesystem::path realPath;  // where the entry really is
};

// Reports every entry under the folder that is not a plain directory. shownFolder is the text
// the shown paths start with (sub-folders join it by their lower-cased names); realFolder is
// the folder itself. A folder that cannot be listed adds nothing and reports nothing.
void WalkFolder(const std::string& shownFolder, const std::filesystem::path& realFolder,
                const std::function<void(const FolderEntry&)>& report);

}  // namespace graphitine
