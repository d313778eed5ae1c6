#include "sketch/picturelimits.h"

#include <algorithm>

#include "sketch/errors.h"

namespace graphitine {

void CheckPictureSize(std::int64_t width, std::int64_t height, const std::string& file,
                      const PictureLimits& limits) {
  if (width <= 0 || height <= 0) return;
  const std::int64_t maxPixels = std::min(limits.maxPixels, kMaxPicturePixels);
  if (width > maxPixels / height) {
    throw FileError("Picture is too large (" + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels): \"" + file + "\"",
                    file);
  }
  if (limits.maxSketchSide > 0 && std::max(width, height) + 1 > limits.maxSketchSide) {
    throw FileError("The sketch of this picture is too large for a " + limits.sketchFormat +
                        " file (" + std::to_string(width + 1) + " x " + std::to_string(height + 1) +
                        " pixels, at most " + std::to_string(limits.maxSketchSide) +
                        " a side): \"" + file + "\"",
                    file);
  }
}

}  // namespace graphitine
