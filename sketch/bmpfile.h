#pragma once
// Windows bitmap files.
//
// Read: 1, 4 and 8 bits with a palette, RLE4 and RLE8, 16 bits (5-5-5 and bit fields), 24 bits,
// 32 bits (plain and bit fields), bottom-up and top-down, with the core (12-byte), info
// (40-byte), V4 (108-byte) or V5 (124-byte) header. Anything else, and every file whose sizes
// do not fit its data, raises FileError "Bitmap image is not valid (what): "file"", where what
// names the field that is wrong and its value ("bits per pixel 2").
//
// Written: 24 bits, info header, bottom-up, uncompressed.
#include <filesystem>

#include "sketch/atomicfile.h"
#include "sketch/picturelimits.h"
#include "sketch/raster.h"

namespace graphitine {

// The picture's size is checked against limits before any pixel is read.
Raster ReadBmp(const std::filesystem::path& file, const PictureLimits& limits = {});

// Raises FileError when the picture is empty or too large for the format's 32-bit sizes, or
// when the file cannot be written.
void WriteBmp(const Raster& picture, const std::filesystem::path& file,
              ExistingFile existing = ExistingFile::Replace);

}  // namespace graphitine
