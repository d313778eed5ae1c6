#pragma once
// How large a picture the core agrees to hold. Checked from the file's header, before any pixel
// memory is taken, so a damaged or hostile header cannot ask for gigabytes, and a picture whose
// sketch the chosen output cannot hold is refused before it is decoded.
#include <cstdint>
#include <string>

namespace graphitine {

// 2^28 pixels (a 16384 x 16384 picture) is 768 MiB as a 24-bit raster; converting it takes the
// photo and a sketch of the same size, about 1.5 GiB.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 28;

struct PictureLimits {
  // At most kMaxPicturePixels; a caller lowers it for files it does not trust.
  std::int64_t maxPixels = kMaxPicturePixels;
  // The longest side the sketch's file format holds (0: no limit of its own), and the format's
  // name for the message. A sketch is one pixel wider and taller than its photo.
  std::int64_t maxSketchSide = 0;
  std::string sketchFormat;
};

// Raises FileError "Picture is too large (W x H pixels): "file"" beyond maxPixels, and
// "The sketch of this picture is too large for a FORMAT file (W+1 x H+1 pixels, at most N a
// side): "file"" beyond maxSketchSide. Sizes of zero or less are the caller's to refuse.
void CheckPictureSize(std::int64_t width, std::int64_t height, const std::string& file,
                      const PictureLimits& limits);

}  // namespace graphitine
