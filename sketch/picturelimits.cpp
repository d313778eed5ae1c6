#include "sketch/picturelimits.h"

#include "sketch/errors.h"

namespace graphitine {

void CheckPictureSize(std::int64_t width, std::int64_t height, const std::string& file) {
  if (width <= 0 || height <= 0 || width <= kMaxPicturePixels / height) return;
  throw FileError("Picture is too large (" + std::to_string(width) + " x " +
                      std::to_string(height) + " pixels): \"" + file + "\"",
                  file);
}

}  // namespace graphitine
