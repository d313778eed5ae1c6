#pragma once
// The device-independent bitmap that bitmap files and metafiles both carry: a 40-byte info
// header and the rows bottom-up, each padded to four bytes.
#include <cstdint>
#include <vector>

#include "sketch/atomicfile.h"
#include "sketch/raster.h"

namespace graphitine {

inline constexpr std::size_t kDibHeaderSize = 40;

// Bytes of the pixel rows of a 24-bit DIB of this raster.
std::uint64_t DibImageBytes(const Raster& picture);

// The info header of a 24-bit, uncompressed, bottom-up DIB of this raster.
std::vector<std::uint8_t> DibHeader(const Raster& picture);

// Writes the pixel rows, last row first, with zero padding.
void WriteDibRows(const Raster& picture, AtomicFile& out);

}  // namespace graphitine
