#include "sketch/textures.h"

#include "sketch/folderwalk.h"

namespace graphitine {

void CollectTextures(const std::filesystem::path& folder, std::vector<TextureEntry>& list) {
  WalkFolder(folder.string(), folder, [&](const FolderEntry& entry) {
    const bool bitmap = EndsWith(entry.lowerName, ".bmp");
    if (!bitmap && !EndsWith(entry.lowerName, ".swf")) return;
    TextureEntry texture;
    texture.name = entry.lowerName.substr(0, entry.lowerName.size() - 4);
    texture.path = entry.realPath;
    if (!bitmap) {
      const std::string realName = entry.realPath.filename().string();
      texture.path.replace_filename(realName.substr(0, realName.size() - 4) + ".bmp");
    }
    list.push_back(std::move(texture));
  });
}

std::filesystem::path TextureFolder(const std::filesystem::path& programFolder) {
  return programFolder / "texture";
}

}  // namespace graphitine
