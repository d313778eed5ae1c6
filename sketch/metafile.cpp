#include "sketch/metafile.h"

#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "sketch/dib.h"
#include "sketch/errors.h"
#include "sketch/littleendian.h"

namespace graphitine {

namespace {

constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kDibRgbColours = 0;
constexpr int kUnitsPerInch = 96;

[[noreturn]] void TooLarge(const std::string& name) {
  throw FileError("The picture is too large for a Windows metafile: \"" + name + "\"", name);
}

// Window metafile records: size in 16-bit words, function number, parameters.
void WmfRecord(le::Writer& out, std::uint16_t function, std::initializer_list<int> parameters) {
  out.U32(static_cast<std::uint32_t>(3 + parameters.size()));
  out.U16(function);
  for (int p : parameters) out.S16(p);
}

void WritePlaceable(const Raster& picture, FrameSize frame, AtomicFile& out,
                    const std::string& name) {
  constexpr int kMax = kPlaceableMaxSide;
  if (picture.Width() > kMax || picture.Height() > kMax || frame.width > kMax ||
      frame.height > kMax) {
    TooLarge(name);
  }
  const std::vector<std::uint8_t> dib = DibHeader(picture);
  const std::uint64_t dibBytes = dib.size() + DibImageBytes(picture);

  le::Writer records;
  WmfRecord(records, 0x020B, {0, 0});                       // SetWindowOrg (y, x)
  WmfRecord(records, 0x020C, {frame.height, frame.width});  // SetWindowExt (y, x)
  const std::uint64_t stretchWords = (6 + 4 + 2 + 8 * 2 + dibBytes) / 2;
  if (stretchWords > std::numeric_limits<std::uint32_t>::max() / 2) TooLarge(name);
  le::Writer stretch;
  stretch.U32(static_cast<std::uint32_t>(stretchWords));
  stretch.U16(0x0F43);  // StretchDIB
  stretch.U32(kSrcCopy);
  stretch.U16(kDibRgbColours);
  // Source height, width, y, x; destination height, width, y, x.
  for (int v : {picture.Height(), picture.Width(), 0, 0, picture.Height(), picture.Width(), 0, 0}) {
    stretch.S16(v);
  }
  stretch.Append(dib);
  const std::uint32_t eofWords = 3;
  const std::uint64_t totalWords =
      9 + records.Size() / 2 + stretchWords + eofWords;  // header, records, picture, end

  le::Writer header;
  // Placeable header: key, handle, bounds (left, top, right, bottom), units per inch, reserved,
  // then the checksum of the ten words before it.
  header.U32(0x9AC6CDD7);
  header.U16(0);
  for (int v : {0, 0, frame.width, frame.height}) header.S16(v);
  header.U16(kUnitsPerInch);
  header.U32(0);
  std::uint16_t checksum = 0;
  for (std::size_t i = 0; i < 20; i += 2) checksum ^= le::U16(header.Bytes().data() + i);
  header.U16(checksum);
  // Metafile header: in memory, 9 words, version 3.0, total size, no objects, largest record.
  header.U16(1);
  header.U16(9);
  header.U16(0x0300);
  header.U32(static_cast<std::uint32_t>(totalWords));
  header.U16(0);
  header.U32(static_cast<std::uint32_t>(stretchWords));
  header.U16(0);

  out.Write(header.Bytes().data(), header.Size());
  out.Write(records.Bytes().data(), records.Size());
  out.Write(stretch.Bytes().data(), stretch.Size());
  WriteDibRows(picture, out);
  le::Writer end;
  WmfRecord(end, 0x0000, {});
  out.Write(end.Bytes().data(), end.Size());
}

void Rect(le::Writer& out, int left, int top, int right, int bottom) {
  for (int v : {left, top, right, bottom}) out.S32(v);
}

void WriteEnhanced(const Raster& picture, FrameSize frame, AtomicFile& out,
                   const std::string& name) {
  // The reference device: a 1920 x 1440 screen at 96 dpi, 508 x 381 mm.
  constexpr int kDeviceWidth = 1920, kDeviceHeight = 1440;
  constexpr int kDeviceWidthMm = 508, kDeviceHeightMm = 381;
  constexpr std::uint32_t kHeaderSize = 108, kStretchFixedSize = 80, kEofSize = 20;

  const std::vector<std::uint8_t> dib = DibHeader(picture);
  const std::uint64_t imageBytes = DibImageBytes(picture);
  const std::uint64_t stretchSize = kStretchFixedSize + dib.size() + imageBytes;
  const std::uint64_t totalSize = kHeaderSize + stretchSize + kEofSize;
  if (totalSize > std::numeric_limits<std::uint32_t>::max()) TooLarge(name);
  auto hundredthsOfMm = [](int pixels) {
    return static_cast<int>(static_cast<std::int64_t>(pixels) * 2540 / kUnitsPerInch);
  };

  le::Writer header;
  header.U32(1);  // EMR_HEADER
  header.U32(kHeaderSize);
  Rect(header, 0, 0, picture.Width() - 1, picture.Height() - 1);  // bounds, inclusive pixels
  Rect(header, 0, 0, hundredthsOfMm(frame.width), hundredthsOfMm(frame.height));
  header.U32(0x464D4520);  // " EMF"
  header.U32(0x00010000);  // version
  header.U32(static_cast<std::uint32_t>(totalSize));
  header.U32(3);  // records
  header.U16(1);  // handles: the reserved one
  header.U16(0);
  header.U32(0);  // description: none
  header.U32(0);
  header.U32(0);  // palette entries
  header.S32(kDeviceWidth);
  header.S32(kDeviceHeight);
  header.S32(kDeviceWidthMm);
  header.S32(kDeviceHeightMm);
  header.U32(0);  // no pixel format
  header.U32(0);
  header.U32(0);  // no OpenGL
  header.S32(kDeviceWidthMm * 1000);
  header.S32(kDeviceHeightMm * 1000);

  le::Writer stretch;
  stretch.U32(81);  // EMR_STRETCHDIBITS
  stretch.U32(static_cast<std::uint32_t>(stretchSize));
  Rect(stretch, 0, 0, picture.Width() - 1, picture.Height() - 1);
  stretch.S32(0);  // destination x, y
  stretch.S32(0);
  stretch.S32(0);  // source x, y, width, height
  stretch.S32(0);
  stretch.S32(picture.Width());
  stretch.S32(picture.Height());
  stretch.U32(kStretchFixedSize);  // bitmap header: offset, size
  stretch.U32(static_cast<std::uint32_t>(dib.size()));
  stretch.U32(static_cast<std::uint32_t>(kStretchFixedSize + dib.size()));  // bits: offset, size
  stretch.U32(static_cast<std::uint32_t>(imageBytes));
  stretch.U32(kDibRgbColours);
  stretch.U32(kSrcCopy);
  stretch.S32(picture.Width());  // destination width, height
  stretch.S32(picture.Height());
  stretch.Append(dib);

  le::Writer end;
  end.U32(14);  // EMR_EOF
  end.U32(kEofSize);
  end.U32(0);   // palette entries
  end.U32(16);  // where they would start
  end.U32(kEofSize);

  out.Write(header.Bytes().data(), header.Size());
  out.Write(stretch.Bytes().data(), stretch.Size());
  WriteDibRows(picture, out);
  out.Write(end.Bytes().data(), end.Size());
}

}  // namespace

MetafileFormat MetafileFormatFor(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".wmf" ? MetafileFormat::Placeable : MetafileFormat::Enhanced;
}

void WriteMetafile(const Raster& picture, FrameSize frame, const std::filesystem::path& file,
                   MetafileFormat format, ExistingFile existing) {
  const std::string name = file.string();
  if (picture.IsEmpty()) throw FileError("Cannot write an empty metafile: \"" + name + "\"", name);
  if (frame.width <= 0 || frame.height <= 0) frame = {picture.Width(), picture.Height()};
  AtomicFile out(file);
  if (format == MetafileFormat::Placeable) {
    WritePlaceable(picture, frame, out, name);
  } else {
    WriteEnhanced(picture, frame, out, name);
  }
  out.Commit(existing);
}

}  // namespace graphitine
