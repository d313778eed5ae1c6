#pragma once
// How large a picture the core agrees to hold. Checked from the file's header, before any pixel
// memory is taken, so a damaged or hostile header cannot ask for gigabytes.
#include <cstdint>
#include <string>

namespace graphitine {

// 2^28 pixels (a 16384 x 16384 picture) is 768 MiB as a 24-bit raster.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 28;

// Raises FileError "Picture is too large (W x H pixels): "file"" beyond the limit. Sizes of
// zero or less are the caller's to refuse.
void CheckPictureSize(std::int64_t width, std::int64_t height, const std::string& file);

}  // namespace graphitine
