#pragma once
// JPEG files through libjpeg's own interface.
//
// Reading takes every colour space libjpeg decodes (greyscale, YCbCr, RGB, CMYK and YCCK) to a
// 24-bit raster. libjpeg's errors become FileError with its own message and the file name; a
// file whose data ends early ("Premature end of JPEG file") or whose scan data stops at a marker
// ("Corrupt JPEG data: premature end of data segment") is such an error too, while warnings
// about extraneous bytes are not.
//
// Writing is baseline colour JPEG at the given quality, every other setting at libjpeg's
// defaults.
#include <filesystem>

#include "sketch/atomicfile.h"
#include "sketch/picturelimits.h"
#include "sketch/raster.h"

namespace graphitine {

inline constexpr int kSketchJpegQuality = 20;
// The longest side libjpeg writes.
inline constexpr int kJpegMaxSide = 65500;

// The picture's size is checked against limits before it is decoded.
Raster ReadJpeg(const std::filesystem::path& file, const PictureLimits& limits = {});

void WriteJpeg(const Raster& picture, const std::filesystem::path& file,
               int quality = kSketchJpegQuality, ExistingFile existing = ExistingFile::Replace);

}  // namespace graphitine
