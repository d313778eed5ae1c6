#pragma once
// Windows metafiles holding one picture: the picture is drawn unscaled from the origin
// (a stretch-draw into the rectangle of its own size) inside a frame of the given size, which
// may be smaller than the picture, so that what lies outside the frame is cut off by readers.
//
// Placeable Windows metafile (".wmf"): the 22-byte placeable header (key 0x9AC6CDD7, the
// frame's bounds at 96 units per inch, checksum), the metafile header, the window origin and
// extent of the frame, one StretchDIB record and the end record. Coordinates are 16-bit, so
// pictures and frames beyond 32767 pixels cannot be stored.
//
// Enhanced metafile: the header (frame in hundredths of a millimetre on a 96-dpi reference
// device), one StretchDIBits record and the end record.
#include <filesystem>

#include "sketch/atomicfile.h"
#include "sketch/raster.h"

namespace graphitine {

enum class MetafileFormat { Placeable, Enhanced };

// A placeable metafile's coordinates are 16-bit: neither picture nor frame may be longer.
inline constexpr int kPlaceableMaxSide = 32767;

// Placeable when the name's extension is ".wmf" in any letter case, otherwise enhanced.
MetafileFormat MetafileFormatFor(const std::filesystem::path& file);

struct FrameSize {
  int width = 0;
  int height = 0;
};

// Raises FileError when the picture is empty, too large for the format, or cannot be written.
void WriteMetafile(const Raster& picture, FrameSize frame, const std::filesystem::path& file,
                   MetafileFormat format, ExistingFile existing = ExistingFile::Replace);

}  // namespace graphitine
