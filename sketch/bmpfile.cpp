#include "sketch/bmpfile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "sketch/dib.h"
#include "sketch/errors.h"
#include "sketch/inputfile.h"
#include "sketch/littleendian.h"
#include "sketch/picturelimits.h"

namespace graphitine {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = kDibHeaderSize;
constexpr std::size_t kV4HeaderSize = 108;
constexpr std::size_t kV5HeaderSize = 124;

using le::S32;
using le::U16;
using le::U32;

// what says which field is wrong and its value, as "bits per pixel 2".
[[noreturn]] void Invalid(const std::string& file, const std::string& what) {
  throw FileError("Bitmap image is not valid (" + what + "): \"" + file + "\"", file);
}

std::string Hex(std::uint32_t value) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

// One colour channel of a 16- or 32-bit pixel, scaled from its mask's width to 0..255.
class Channel {
 public:
  Channel() = default;
  // A mask must be one run of set bits, or zero (the channel is then always 0).
  static bool Make(std::uint32_t mask, Channel& channel) {
    channel = Channel();
    if (mask == 0) return true;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const std::uint64_t run = static_cast<std::uint64_t>(mask) >> shift;
    if ((run & (run + 1)) != 0) return false;
    channel.mask_ = mask;
    channel.shift_ = shift;
    channel.max_ = static_cast<std::uint32_t>(run);
    return true;
  }
  std::uint8_t From(std::uint32_t pixel) const {
    if (mask_ == 0) return 0;
    const std::uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<std::uint8_t>((value * 255 + max_ / 2) / max_);
  }

 private:
  std::uint32_t mask_ = 0;
  int shift_ = 0;
  std::uint32_t max_ = 1;
};

using Colour = std::array<std::uint8_t, 3>;  // blue, green, red

struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint64_t dataOffset = 0;
  std::vector<Colour> palette;
  Channel red, green, blue;
};

bool HasPalette(int bits) { return bits <= 8; }

void CheckPlanes(unsigned planes, const std::string& file) {
  if (planes != 1) Invalid(file, "planes " + std::to_string(planes));
}

bool CompressionFits(std::uint32_t compression, int bits) {
  switch (compression) {
    case kRgb:
      return true;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

void MakeChannels(Layout& layout, const std::uint32_t masks[3], const std::string& file) {
  static const char* const kNames[3] = {"red", "green", "blue"};
  Channel* channels[3] = {&layout.red, &layout.green, &layout.blue};
  for (int i = 0; i < 3; ++i) {
    const std::string mask = std::string(kNames[i]) + " mask " + Hex(masks[i]);
    for (int j = i + 1; j < 3; ++j) {
      if ((masks[i] & masks[j]) != 0) {
        Invalid(file, mask + " overlaps " + kNames[j] + " mask " + Hex(masks[j]));
      }
    }
    if (layout.bits == 16 && (masks[i] >> 16) != 0) Invalid(file, mask + " is wider than 16 bits");
    if (!Channel::Make(masks[i], *channels[i])) Invalid(file, mask + " is not one run of bits");
  }
}

// Reads and checks everything in front of the pixel data. Every offset and size the header
// states is checked against the file's real size.
Layout ReadLayout(InputFile& in, const PictureLimits& limits) {
  const std::string& file = in.Name();
  std::uint8_t head[kFileHeaderSize + kV5HeaderSize + 12] = {};
  const std::size_t got = in.ReadSome(head, sizeof head);
  if (got < 2 || head[0] != 'B' || head[1] != 'M') Invalid(file, "no \"BM\" signature");
  if (got < kFileHeaderSize + 4) Invalid(file, "file size " + std::to_string(got) + " bytes");

  Layout layout;
  layout.dataOffset = U32(head + 10);
  const std::uint32_t headerSize = U32(head + 14);
  if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize &&
      headerSize != kV4HeaderSize && headerSize != kV5HeaderSize) {
    Invalid(file, "header size " + std::to_string(headerSize));
  }
  if (got < kFileHeaderSize + headerSize) {
    Invalid(file, "file size " + std::to_string(got) + " bytes, headers " +
                      std::to_string(kFileHeaderSize + headerSize));
  }
  const std::uint8_t* h = head + kFileHeaderSize;
  std::uint64_t afterHeader = kFileHeaderSize + headerSize;

  std::size_t paletteEntrySize = 4;
  std::uint32_t coloursUsed = 0;
  if (headerSize == kCoreHeaderSize) {
    layout.width = U16(h + 4);
    layout.height = U16(h + 6);
    CheckPlanes(U16(h + 8), file);
    layout.bits = U16(h + 10);
    if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24) {
      Invalid(file, "bits per pixel " + std::to_string(layout.bits));
    }
    paletteEntrySize = 3;
  } else {
    const std::int32_t width = S32(h + 4);
    const std::int32_t height = S32(h + 8);
    if (width <= 0) Invalid(file, "width " + std::to_string(width));
    if (height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
      Invalid(file, "height " + std::to_string(height));
    }
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.topDown = height < 0;
    CheckPlanes(U16(h + 12), file);
    layout.bits = U16(h + 14);
    layout.compression = U32(h + 16);
    coloursUsed = U32(h + 32);
    const int bits = layout.bits;
    const std::string compression = "compression " + std::to_string(layout.compression);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
      Invalid(file, "bits per pixel " + std::to_string(bits));
    }
    if (!CompressionFits(layout.compression, bits)) {
      Invalid(file, compression + " with " + std::to_string(bits) + " bits per pixel");
    }
    // Run-length data is always stored bottom-up.
    if (layout.topDown && layout.compression != kRgb && layout.compression != kBitFields) {
      Invalid(file, compression + " with top-down height " + std::to_string(height));
    }
  }
  if (layout.width == 0) Invalid(file, "width 0");
  if (layout.height == 0) Invalid(file, "height 0");

  if (layout.bits == 16 || layout.bits == 32) {
    std::uint32_t masks[3];
    if (layout.compression == kBitFields) {
      // The info header keeps its masks after itself, V4 and V5 inside.
      const std::uint8_t* at = headerSize == kInfoHeaderSize ? h + kInfoHeaderSize : h + 40;
      if (headerSize == kInfoHeaderSize) {
        afterHeader += 12;
        if (got < afterHeader) {
          Invalid(file, "file size " + std::to_string(got) + " bytes, headers and bit fields " +
                            std::to_string(afterHeader));
        }
      }
      for (int i = 0; i < 3; ++i) masks[i] = U32(at + 4 * i);
    } else if (layout.bits == 16) {
      masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else {
      masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    }
    MakeChannels(layout, masks, file);
  }

  std::uint64_t headersEnd = afterHeader;
  if (HasPalette(layout.bits)) {
    const std::uint32_t most = 1u << layout.bits;
    const std::uint32_t count = coloursUsed == 0 ? most : coloursUsed;
    if (count > most) {
      Invalid(file, "colours used " + std::to_string(count) + " with " +
                        std::to_string(layout.bits) + " bits per pixel");
    }
    std::vector<std::uint8_t> entries(count * paletteEntrySize);
    if (!in.Seek(afterHeader) || !in.Read(entries.data(), entries.size())) {
      Invalid(file, "palette of " + std::to_string(count) + " colours past the end of the file");
    }
    layout.palette.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      std::copy_n(entries.data() + i * paletteEntrySize, 3, layout.palette[i].begin());
    }
    headersEnd += entries.size();
  }
  const std::string offset = "pixel data offset " + std::to_string(layout.dataOffset);
  if (layout.dataOffset < headersEnd) {
    Invalid(file,
            offset + " inside the headers and palette, which end at " + std::to_string(headersEnd));
  }
  if (layout.dataOffset > in.Size()) {
    Invalid(file, offset + " past the end of the file at " + std::to_string(in.Size()));
  }
  CheckPictureSize(layout.width, layout.height, file, limits);
  return layout;
}

Colour PaletteColour(const Layout& layout, unsigned index) {
  return index < layout.palette.size() ? layout.palette[index] : Colour{0, 0, 0};
}

void PutColour(std::uint8_t* pixel, const Colour& colour) {
  pixel[0] = colour[0];
  pixel[1] = colour[1];
  pixel[2] = colour[2];
}

// One stored row (uncompressed) into one raster row.
void ConvertRow(const Layout& layout, const std::uint8_t* from, std::uint8_t* to) {
  const int width = layout.width;
  switch (layout.bits) {
    case 1:
    case 4:
    case 8: {
      const int bits = layout.bits;
      const unsigned perByte = 8 / bits;
      const unsigned mask = (1u << bits) - 1;
      for (int x = 0; x < width; ++x) {
        const unsigned shift = 8 - bits * (x % perByte + 1);
        PutColour(to + 3 * x, PaletteColour(layout, (from[x / perByte] >> shift) & mask));
      }
      break;
    }
    case 24:
      std::memcpy(to, from, 3 * static_cast<std::size_t>(width));
      break;
    case 16:
    case 32:
      // Masked pixels: each channel is cut out of a 16- or 32-bit word.
      for (int x = 0; x < width; ++x) {
        const std::uint32_t v = layout.bits == 16 ? U16(from + 2 * x) : U32(from + 4 * x);
        to[3 * x] = layout.blue.From(v);
        to[3 * x + 1] = layout.green.From(v);
        to[3 * x + 2] = layout.red.From(v);
      }
      break;
  }
}

Raster ReadUncompressed(InputFile& in, const Layout& layout) {
  const std::uint64_t rowBytes =
      (static_cast<std::uint64_t>(layout.width) * layout.bits + 31) / 32 * 4;
  const std::uint64_t stored = in.Size() - layout.dataOffset;
  const std::uint64_t needed = rowBytes * layout.height;
  auto cutShort = [&] {
    Invalid(in.Name(), "pixel data of " + std::to_string(stored) + " bytes, " +
                           std::to_string(layout.width) + " x " + std::to_string(layout.height) +
                           " pixels need " + std::to_string(needed));
  };
  if (needed > stored) cutShort();

  Raster picture(layout.width, layout.height);
  if (!in.Seek(layout.dataOffset)) cutShort();
  std::vector<std::uint8_t> row(rowBytes);
  for (int i = 0; i < layout.height; ++i) {
    const int y = layout.topDown ? i : layout.height - 1 - i;
    if (!in.Read(row.data(), row.size())) cutShort();
    ConvertRow(layout, row.data(), picture.Row(y));
  }
  return picture;
}

// RLE4 and RLE8. Runs that reach past a row's end are cut there; pixels that the data skips
// (deltas, early line ends) keep the palette's first colour. Data that ends before the last row
// is reached and without an end-of-bitmap mark is a file that lies about its size.
Raster ReadRunLength(InputFile& in, const Layout& layout) {
  const std::string& file = in.Name();
  std::vector<std::uint8_t> data(in.Size() - layout.dataOffset);
  if (!in.Seek(layout.dataOffset) || !in.Read(data.data(), data.size())) {
    Invalid(file, "pixel data offset " + std::to_string(layout.dataOffset) + " cannot be read");
  }
  auto cutShort = [&](std::size_t at) {
    Invalid(file, "run-length data of " + std::to_string(data.size()) +
                      " bytes cut short at byte " + std::to_string(at));
  };

  Raster picture(layout.width, layout.height);
  const Colour background = PaletteColour(layout, 0);
  for (int y = 0; y < layout.height; ++y) {
    for (int x = 0; x < layout.width; ++x) PutColour(picture.Row(y) + 3 * x, background);
  }

  const bool fourBits = layout.compression == kRle4;
  std::int64_t x = 0, row = 0;  // row counts from the bottom
  auto put = [&](unsigned index) {
    if (x < layout.width && row < layout.height) {
      PutColour(picture.Row(static_cast<int>(layout.height - 1 - row)) + 3 * x,
                PaletteColour(layout, index));
    }
    ++x;
  };
  std::size_t pos = 0;
  while (row < layout.height) {
    if (data.size() - pos < 2) cutShort(pos);
    const unsigned count = data[pos], value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) {
        put(fourBits ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      }
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (data.size() - pos < 2) cutShort(pos);
      x += data[pos];
      row += data[pos + 1];
      pos += 2;
    } else {
      const std::size_t bytes = fourBits ? (value + 1) / 2 : value;
      const std::size_t padded = (bytes + 1) & ~std::size_t{1};
      if (data.size() - pos < padded) cutShort(pos);
      for (unsigned i = 0; i < value; ++i) {
        put(fourBits ? (i % 2 == 0 ? data[pos + i / 2] >> 4 : data[pos + i / 2] & 0x0F)
                     : data[pos + i]);
      }
      pos += padded;
    }
  }
  return picture;
}

}  // namespace

Raster ReadBmp(const std::filesystem::path& file, const PictureLimits& limits) {
  InputFile in(file);
  const Layout layout = ReadLayout(in, limits);
  if (layout.compression == kRle4 || layout.compression == kRle8) {
    return ReadRunLength(in, layout);
  }
  return ReadUncompressed(in, layout);
}

void WriteBmp(const Raster& picture, const std::filesystem::path& file, ExistingFile existing) {
  const std::string name = file.string();
  if (picture.IsEmpty()) throw FileError("Cannot write an empty bitmap: \"" + name + "\"", name);
  const std::uint64_t headers = kFileHeaderSize + kDibHeaderSize;
  const std::uint64_t fileBytes = headers + DibImageBytes(picture);
  if (fileBytes > std::numeric_limits<std::uint32_t>::max()) {
    throw FileError("The picture is too large for a bitmap file: \"" + name + "\"", name);
  }
  le::Writer head;
  head.U16('B' | 'M' << 8);
  head.U32(static_cast<std::uint32_t>(fileBytes));
  head.U32(0);  // reserved
  head.U32(static_cast<std::uint32_t>(headers));
  head.Append(DibHeader(picture));

  AtomicFile out(file);
  out.Write(head.Bytes().data(), head.Size());
  WriteDibRows(picture, out);
  out.Commit(existing);
}

}  // namespace graphitine
