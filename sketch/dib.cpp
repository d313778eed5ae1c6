#include "sketch/dib.h"

#include <cstring>

#include "sketch/littleendian.h"

namespace graphitine {

std::uint64_t DibImageBytes(const Raster& picture) {
  return static_cast<std::uint64_t>(picture.Stride()) *
         static_cast<std::uint64_t>(picture.Height());
}

std::vector<std::uint8_t> DibHeader(const Raster& picture) {
  le::Writer header;
  header.U32(kDibHeaderSize);
  header.S32(picture.Width());
  header.S32(picture.Height());  // positive: bottom-up
  header.U16(1);                 // planes
  header.U16(24);                // bits per pixel
  header.U32(0);                 // uncompressed
  header.U32(static_cast<std::uint32_t>(DibImageBytes(picture)));
  header.U32(0);  // horizontal resolution: not stated
  header.U32(0);  // vertical resolution: not stated
  header.U32(0);  // palette entries
  header.U32(0);  // important colours
  return header.Bytes();
}

void WriteDibRows(const Raster& picture, AtomicFile& out) {
  const std::size_t pixelBytes = 3 * static_cast<std::size_t>(picture.Width());
  std::vector<std::uint8_t> row(picture.Stride(), 0);
  for (int y = picture.Height() - 1; y >= 0; --y) {
    std::memcpy(row.data(), picture.Row(y), pixelBytes);
    out.Write(row.data(), row.size());
  }
}

}  // namespace graphitine
