#include "sketch/bmpfile.h"

#include <gtest/gtest.h>

#include <chrono>

#include "sketch/errors.h"
#include "sketch/littleendian.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;

constexpr Bgr kBlack{0, 0, 0}, kRed{0, 0, 255}, kGreen{0, 255, 0}, kBlue{255, 0, 0},
    kWhite{255, 255, 255}, kYellow{0, 255, 255};

// What a fixture file says about itself; MakeBmp lays it out as a bitmap file.
struct BmpFields {
  std::uint32_t headerSize = 40;
  int width = 3;
  int height = 2;  // negative: top-down
  int bits = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> masks;  // red, green, blue
  std::vector<Bgr> palette;
  Bytes pixels;
  std::uint32_t coloursUsed = 0xFFFFFFFF;  // the palette's size unless set
  int planes = 1;
};

Bytes MakeBmp(const BmpFields& f) {
  le::Writer header;
  const bool masksAfterHeader = f.headerSize == 40 && f.compression == 3;
  if (f.headerSize == 12) {
    header.U32(12);
    header.U16(static_cast<std::uint16_t>(f.width));
    header.U16(static_cast<std::uint16_t>(f.height));
    header.U16(static_cast<std::uint16_t>(f.planes));
    header.U16(static_cast<std::uint16_t>(f.bits));
  } else {
    header.U32(f.headerSize);
    header.S32(f.width);
    header.S32(f.height);
    header.U16(static_cast<std::uint16_t>(f.planes));
    header.U16(static_cast<std::uint16_t>(f.bits));
    header.U32(f.compression);
    header.U32(static_cast<std::uint32_t>(f.pixels.size()));
    header.U32(0);
    header.U32(0);
    header.U32(f.coloursUsed == 0xFFFFFFFF ? static_cast<std::uint32_t>(f.palette.size())
                                           : f.coloursUsed);
    header.U32(0);
    if (f.headerSize >= 108) {
      for (std::size_t i = 0; i < 3; ++i) header.U32(i < f.masks.size() ? f.masks[i] : 0);
      while (header.Size() < f.headerSize) header.U16(0);
    }
    if (masksAfterHeader) {
      for (std::uint32_t mask : f.masks) header.U32(mask);
    }
  }
  std::vector<Bgr> colours = f.palette;
  // The core header has no colour count: its palette always has every entry.
  if (f.headerSize == 12 && f.bits <= 8) colours.resize(std::size_t{1} << f.bits, kBlack);
  le::Writer palette;
  for (const Bgr& c : colours) {
    palette.Append(Bytes{c[0], c[1], c[2]});
    if (f.headerSize != 12) palette.Append(Bytes{0});
  }
  const std::uint32_t offset = static_cast<std::uint32_t>(14 + header.Size() + palette.Size());
  le::Writer file;
  file.U16('B' | 'M' << 8);
  file.U32(static_cast<std::uint32_t>(offset + f.pixels.size()));
  file.U32(0);
  file.U32(offset);
  file.Append(header.Bytes());
  file.Append(palette.Bytes());
  file.Append(f.pixels);
  return file.Bytes();
}

// The picture most fixtures store: top row red, green, blue; bottom row white, black, yellow.
const std::vector<Bgr> kSixColours = {kBlack, kRed, kGreen, kBlue, kWhite, kYellow};
Raster SixColourPicture() { return RasterOf({{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}); }

struct DecodeCase {
  const char* name;
  BmpFields fields;
  Raster expected;
};

// One row of palette colours, by index into kSixColours.
Raster SixColourRow(const std::vector<int>& indices) {
  std::vector<Bgr> row;
  for (int index : indices) row.push_back(kSixColours[index]);
  return RasterOf({row});
}

std::vector<DecodeCase> DecodeCases() {
  const Raster six = SixColourPicture();
  std::vector<DecodeCase> cases;
  // Rows are stored bottom-up unless the height is negative; each row is padded to 4 bytes.
  // clang-format off
  cases.push_back({"core header, 24 bits", {12, 3, 2, 24, 0, {}, {},
      {0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0,
       0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0}}, six});
  cases.push_back({"core header, 8 bits, 3-byte palette",
      {12, 3, 2, 8, 0, {}, kSixColours, {4, 0, 5, 0, 1, 2, 3, 0}}, six});
  cases.push_back({"1 bit", {40, 3, 2, 1, 0, {}, {kRed, kWhite},
      {0xA0, 0, 0, 0, 0x40, 0, 0, 0}},
      RasterOf({{kRed, kWhite, kRed}, {kWhite, kRed, kWhite}})});
  cases.push_back({"4 bits", {40, 3, 2, 4, 0, {}, kSixColours,
      {0x40, 0x50, 0, 0, 0x12, 0x30, 0, 0}}, six});
  cases.push_back({"8 bits", {40, 3, 2, 8, 0, {}, kSixColours, {4, 0, 5, 0, 1, 2, 3, 0}}, six});
  cases.push_back({"8 bits, top-down", {40, 3, -2, 8, 0, {}, kSixColours,
      {1, 2, 3, 0, 4, 0, 5, 0}}, six});
  cases.push_back({"8 bits, V4 header", {108, 3, 2, 8, 0, {}, kSixColours,
      {4, 0, 5, 0, 1, 2, 3, 0}}, six});
  // Bottom row: a run of one, a delta over one pixel (left at palette colour 0, black),
  // a run of one, end of line; top row: an absolute run of three (padded), end of bitmap.
  cases.push_back({"RLE8", {40, 3, 2, 8, 1, {}, kSixColours,
      {1, 4, 0, 2, 1, 0, 1, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1}}, six});
  cases.push_back({"RLE4", {40, 3, 2, 4, 2, {}, kSixColours,
      {1, 0x40, 0, 2, 1, 0, 1, 0x50, 0, 0, 0, 3, 0x12, 0x30, 0, 1}}, six});
  cases.push_back({"RLE4 run alternates its two nibbles", {40, 3, 1, 4, 2, {}, kSixColours,
      {3, 0x12, 0, 1}}, RasterOf({{kRed, kGreen, kRed}})});
  cases.push_back({"RLE8 run cut at the row's end", {40, 2, 1, 8, 1, {}, kSixColours,
      {5, 3, 0, 1}}, RasterOf({{kBlue, kBlue}})});
  // Absolute runs are padded to a whole number of 16-bit words; the codes after the pad byte
  // go on along the same row.
  cases.push_back({"RLE8 absolute run of odd length, then more codes", {40, 4, 1, 8, 1, {},
      kSixColours, {0, 3, 1, 2, 3, 0, 1, 4, 0, 1}}, SixColourRow({1, 2, 3, 4})});
  // (Escapes 1 and 2 end the bitmap and move: absolute runs hold 3 nibbles or more.)
  cases.push_back({"RLE4 absolute runs of 3 to 6 nibbles, then more codes",
      {40, 19, 1, 4, 2, {}, kSixColours,
       {0, 3, 0x12, 0x30,  0, 4, 0x45, 0x01,  0, 5, 0x45, 0x12, 0x30, 0,
        0, 6, 0x54, 0x32, 0x10, 0,  1, 0x40,  0, 1}},
      SixColourRow({1, 2, 3, 4, 5, 0, 1, 4, 5, 1, 2, 3, 5, 4, 3, 2, 1, 0, 4})});
  cases.push_back({"RLE4 runs of 1, 2, 5 and 6 nibbles", {40, 14, 1, 4, 2, {}, kSixColours,
      {1, 0x12, 2, 0x34, 5, 0x51, 6, 0x23, 0, 1}},
      SixColourRow({1, 3, 4, 5, 1, 5, 1, 5, 2, 3, 2, 3, 2, 3})});
  cases.push_back({"16 bits 5-5-5", {40, 3, 2, 16, 0, {}, {},
      {0xFF, 0x7F, 0, 0, 0xE0, 0x7F, 0, 0, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}}, six});
  cases.push_back({"16 bits, bit fields 5-6-5 after the info header",
      {40, 3, 2, 16, 3, {0xF800, 0x07E0, 0x001F}, {},
       {0xFF, 0xFF, 0, 0, 0xE0, 0xFF, 0, 0, 0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}}, six});
  cases.push_back({"16 bits, bit fields 5-6-5 in a V5 header",
      {124, 3, 2, 16, 3, {0xF800, 0x07E0, 0x001F}, {},
       {0xFF, 0xFF, 0, 0, 0xE0, 0xFF, 0, 0, 0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}}, six});
  cases.push_back({"16 bits, 5-bit channels scale to 0..255", {40, 2, 1, 16, 0, {}, {},
      {0x10, 0x42, 0x01, 0x00}},  // (16, 16, 16) and (0, 0, 1)
      RasterOf({{Bgr{132, 132, 132}, Bgr{8, 0, 0}}})});
  cases.push_back({"24 bits, top-down", {40, 3, -2, 24, 0, {}, {},
      {0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0,
       0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0}}, six});
  cases.push_back({"24 bits, V5 header", {124, 3, 2, 24, 0, {}, {},
      {0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0,
       0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0}}, six});
  cases.push_back({"32 bits", {40, 3, 2, 32, 0, {}, {},
      {0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0,
       0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0}}, six});
  cases.push_back({"32 bits, bit fields R-G-B-X in a V4 header",
      {108, 3, 2, 32, 3, {0x000000FF, 0x0000FF00, 0x00FF0000}, {},
       {0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0,
        0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0}}, six});
  cases.push_back({"8 bits, index beyond a short palette is black", {40, 2, 1, 8, 0, {},
      {kRed}, {0, 7, 0, 0}}, RasterOf({{kRed, kBlack}})});
  // clang-format on
  return cases;
}

TEST(BmpFile, EveryVariantDecodesToItsPixels) {
  TempDir dir;
  for (const DecodeCase& c : DecodeCases()) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir / "fixture.bmp";
    WriteFile(file, MakeBmp(c.fields));
    const Raster picture = ReadBmp(file);
    ASSERT_EQ(picture.Width(), c.expected.Width());
    ASSERT_EQ(picture.Height(), c.expected.Height());
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        EXPECT_EQ(PixelAt(picture, x, y), PixelAt(c.expected, x, y)) << "at " << x << "," << y;
      }
    }
  }
}

// Each broken file must give the one clear error, naming the file and what is wrong with it.
TEST(BmpFile, BrokenAndLyingFilesAreNotValidBitmaps) {
  const BmpFields good{40, 3, 2, 8, 0, {}, kSixColours, {4, 0, 5, 0, 1, 2, 3, 0}};
  struct Broken {
    const char* name;
    const char* reason;  // what the message says is wrong
    std::function<Bytes()> bytes;
  };
  auto with = [&](auto change) {
    return [=] {
      BmpFields f = good;
      change(f);
      return MakeBmp(f);
    };
  };
  auto patched = [&](std::size_t offset, Bytes patch) {
    return [=] {
      Bytes b = MakeBmp(good);
      std::copy(patch.begin(), patch.end(), b.begin() + static_cast<long>(offset));
      return b;
    };
  };
  const std::vector<Broken> cases = {
      {"garbage after the signature", "file size 11 bytes",
       [] { return Bytes{'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9}; }},
      {"only the signature", "file size 2 bytes",
       [] {
         return Bytes{'B', 'M'};
       }},
      {"header cut short", "file size 30 bytes, headers 54",
       [&] {
         Bytes b = MakeBmp(good);
         b.resize(30);
         return b;
       }},
      {"unknown header size (OS/2 2.x, 64 bytes)", "header size 64", patched(14, {64, 0, 0, 0})},
      {"2 bits per pixel", "bits per pixel 2", with([](BmpFields& f) { f.bits = 2; })},
      {"two planes", "planes 2", with([](BmpFields& f) { f.planes = 2; })},
      {"JPEG compression", "compression 4 with 8 bits per pixel",
       with([](BmpFields& f) { f.compression = 4; })},
      {"RLE8 with 4 bits", "compression 1 with 4 bits per pixel", with([](BmpFields& f) {
         f.bits = 4;
         f.compression = 1;
       })},
      {"bit fields with 8 bits", "compression 3 with 8 bits per pixel",
       with([](BmpFields& f) { f.compression = 3; })},
      {"top-down RLE", "compression 1 with top-down height -2", with([](BmpFields& f) {
         f.height = -2;
         f.compression = 1;
         f.pixels = {0, 1};
       })},
      {"zero width", "width 0", with([](BmpFields& f) { f.width = 0; })},
      {"zero height", "height 0", with([](BmpFields& f) { f.height = 0; })},
      {"more palette entries than the depth allows", "colours used 257 with 8 bits per pixel",
       with([](BmpFields& f) { f.coloursUsed = 257; })},
      {"palette running into the pixel data",
       "pixel data offset 62 inside the headers and palette, which end at 78",
       patched(10, {14 + 40 + 8, 0, 0, 0})},
      {"pixel data offset past the end", "pixel data offset 65535 past the end of the file at 86",
       patched(10, {0xFF, 0xFF, 0, 0})},
      {"pixel rows cut short", "pixel data of 7 bytes, 3 x 2 pixels need 8",
       [&] {
         Bytes b = MakeBmp(good);
         b.pop_back();
         return b;
       }},
      {"height larger than the data", "pixel data of 8 bytes, 3 x 3 pixels need 12",
       with([](BmpFields& f) { f.height = 3; })},
      {"16000 x 16000 claimed, a few bytes stored",
       "pixel data of 8 bytes, 16000 x 16000 pixels need 256000000", with([](BmpFields& f) {
         f.width = 16000;
         f.height = 16000;
       })},
      {"RLE8 data ending without end of bitmap", "run-length data of 6 bytes cut short at byte 6",
       with([](BmpFields& f) {
         f.compression = 1;
         f.pixels = {1, 4, 0, 0, 2, 1};
       })},
      {"RLE8 absolute run past the data", "run-length data of 4 bytes cut short at byte 2",
       with([](BmpFields& f) {
         f.compression = 1;
         f.pixels = {0, 9, 1, 2};
       })},
      {"RLE8 delta cut short", "run-length data of 3 bytes cut short at byte 2",
       with([](BmpFields& f) {
         f.compression = 1;
         f.pixels = {0, 2, 1};
       })},
      {"bit fields that are not one run of bits", "red mask 0x0000F00F is not one run of bits",
       with([](BmpFields& f) {
         f.bits = 16;
         f.compression = 3;
         f.palette = {};
         f.masks = {0xF00F, 0x07E0, 0x0010};
         f.pixels = Bytes(16, 0);
       })},
      {"overlapping bit fields", "red mask 0x0000FF00 overlaps green mask 0x00000FF0",
       with([](BmpFields& f) {
         f.bits = 32;
         f.compression = 3;
         f.palette = {};
         f.masks = {0xFF00, 0x0FF0, 0xFF};
         f.pixels = Bytes(24, 0);
       })},
      {"16-bit fields wider than the pixel", "red mask 0x000F0000 is wider than 16 bits",
       with([](BmpFields& f) {
         f.bits = 16;
         f.compression = 3;
         f.palette = {};
         f.masks = {0xF0000, 0x07E0, 0x1F};
         f.pixels = Bytes(16, 0);
       })},
  };
  TempDir dir;
  for (const Broken& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir / "broken picture.bmp";
    WriteFile(file, c.bytes());
    try {
      ReadBmp(file);
      ADD_FAILURE() << "read without error";
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()), std::string("Bitmap image is not valid (") + c.reason +
                                               "): \"" + file.string() + "\"");
      EXPECT_EQ(error.file(), file.string());
    }
  }
}

// Damaged copies of every fixture either read or give the clear error; none crashes or reads
// outside its data (run under a sanitizer to see the second). A damaged size may claim hundreds
// of megapixels that run-length data can honestly leave blank: they are read under a limit of a
// few megapixels, as the converter's --max-pixels does for files it does not trust.
TEST(BmpFile, DamagedFilesNeverCrash) {
  TempDir dir;
  std::mt19937 random(12345);
  PictureLimits limits;
  limits.maxPixels = std::int64_t{1} << 22;
  int refused = 0;
  for (const DecodeCase& c : DecodeCases()) {
    const Bytes good = MakeBmp(c.fields);
    for (int round = 0; round < 200; ++round) {
      Bytes bytes = good;
      const int changes = 1 + static_cast<int>(random() % 4);
      for (int k = 0; k < changes; ++k) {
        bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
      }
      if (round % 5 == 0) bytes.resize(random() % bytes.size());
      const fs::path file = dir / "damaged.bmp";
      WriteFile(file, bytes);
      try {
        const Raster picture = ReadBmp(file, limits);
        EXPECT_FALSE(picture.IsEmpty());
      } catch (const FileError&) {
        ++refused;
      }
    }
  }
  EXPECT_GT(refused, 0);
}

TEST(BmpFile, HugeRunLengthPictureIsRefusedBeforeAllocation) {
  // Run-length data may honestly skip most of a picture, so only the size limit stops this.
  TempDir dir;
  const fs::path file = dir / "huge.bmp";
  WriteFile(file, MakeBmp({40, 60000, 60000, 8, 1, {}, kSixColours, {0, 1}}));
  const auto start = std::chrono::steady_clock::now();
  try {
    ReadBmp(file);
    FAIL() << "read without error";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Picture is too large (60000 x 60000 pixels): \"" + file.string() + "\"");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(BmpFile, MissingFileNamesTheFile) {
  TempDir dir;
  const fs::path file = dir / "none.bmp";
  try {
    ReadBmp(file);
    FAIL();
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"" + file.string() + "\": No such file or directory");
  }
}

TEST(BmpFile, WritesA24BitBottomUpFileThatReadsBackEqual) {
  TempDir dir;
  const Raster picture = SamplePhoto(5, 3);  // 15 bytes a row: one byte of padding
  const fs::path file = dir / "out.bmp";
  WriteBmp(picture, file);
  const Bytes bytes = ReadFile(file);
  ASSERT_EQ(bytes.size(), 54u + 16 * 3);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(le::U32(&bytes[2]), bytes.size());
  EXPECT_EQ(le::U32(&bytes[10]), 54u);
  EXPECT_EQ(le::U32(&bytes[14]), 40u);
  EXPECT_EQ(le::S32(&bytes[22]), 3);   // positive height: bottom-up
  EXPECT_EQ(le::U16(&bytes[28]), 24);  // bits
  EXPECT_EQ(le::U32(&bytes[30]), 0u);  // uncompressed
  // The first stored row is the bottom one; padding is zero.
  EXPECT_EQ(bytes[54], PixelAt(picture, 0, 2)[0]);
  EXPECT_EQ(bytes[54 + 15], 0);
  EXPECT_TRUE(ReadBmp(file) == picture);
}

TEST(BmpFile, EmptyPictureIsNotWritten) {
  TempDir dir;
  EXPECT_THROW(WriteBmp(Raster(), dir / "empty.bmp"), FileError);
  EXPECT_TRUE(dir.Names(dir.path()).empty());
}

}  // namespace
}  // namespace graphitine
