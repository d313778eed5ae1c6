#include "sketch/metafile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sketch/errors.h"
#include "sketch/littleendian.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using ::testing::HasSubstr;

// A sketch one pixel larger than its photo, as Convert makes it: the frame is the photo.
constexpr int kPhotoWidth = 20, kPhotoHeight = 10;

Raster Sketch() { return SamplePhoto(kPhotoWidth + 1, kPhotoHeight + 1); }

struct WmfRecord {
  std::size_t offset;
  std::uint32_t words;
  std::uint16_t function;
};

TEST(Metafile, FormatFollowsTheRealExtension) {
  EXPECT_EQ(MetafileFormatFor("a.wmf"), MetafileFormat::Placeable);
  EXPECT_EQ(MetafileFormatFor("a.WmF"), MetafileFormat::Placeable);
  EXPECT_EQ(MetafileFormatFor("a.wmf.bak"), MetafileFormat::Enhanced);
  EXPECT_EQ(MetafileFormatFor("a.emf"), MetafileFormat::Enhanced);
  EXPECT_EQ(MetafileFormatFor("wmf"), MetafileFormat::Enhanced);
}

TEST(Metafile, PlaceableHeaderChecksumAndRecords) {
  TempDir dir;
  const Raster sketch = Sketch();
  WriteMetafile(sketch, {kPhotoWidth, kPhotoHeight}, dir / "s.wmf", MetafileFormat::Placeable);
  const Bytes b = ReadFile(dir / "s.wmf");
  ASSERT_GE(b.size(), 22u + 18u);

  // Placeable header: key, handle 0, bounds = the photo's frame, 96 units per inch.
  EXPECT_EQ(le::U32(&b[0]), 0x9AC6CDD7u);
  EXPECT_EQ(le::U16(&b[4]), 0);
  EXPECT_EQ(le::U16(&b[6]), 0);
  EXPECT_EQ(le::U16(&b[8]), 0);
  EXPECT_EQ(le::U16(&b[10]), kPhotoWidth);
  EXPECT_EQ(le::U16(&b[12]), kPhotoHeight);
  EXPECT_EQ(le::U16(&b[14]), 96);
  std::uint16_t checksum = 0;
  for (int i = 0; i < 10; ++i) checksum ^= le::U16(&b[2 * i]);
  EXPECT_EQ(le::U16(&b[20]), checksum);

  // Metafile header: 9 words, version 3.0, the size of everything after the placeable header.
  const std::uint8_t* h = &b[22];
  EXPECT_EQ(le::U16(h + 2), 9);
  EXPECT_EQ(le::U16(h + 4), 0x0300);
  EXPECT_EQ(le::U32(h + 6) * 2, b.size() - 22);

  // The records fill the file exactly and end with the end record.
  std::vector<WmfRecord> records;
  std::uint32_t largest = 0;
  for (std::size_t at = 22 + 18; at < b.size();) {
    const WmfRecord r{at, le::U32(&b[at]), le::U16(&b[at + 4])};
    ASSERT_GE(r.words, 3u);
    records.push_back(r);
    largest = std::max(largest, r.words);
    at += 2 * std::size_t{r.words};
    ASSERT_LE(at, b.size());
  }
  EXPECT_EQ(le::U32(h + 12), largest);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].function, 0x020B);  // SetWindowOrg 0, 0
  EXPECT_EQ(records[1].function, 0x020C);  // SetWindowExt: the frame
  EXPECT_EQ(le::U16(&b[records[1].offset + 6]), kPhotoHeight);
  EXPECT_EQ(le::U16(&b[records[1].offset + 8]), kPhotoWidth);
  EXPECT_EQ(records[2].function, 0x0F43);  // StretchDIB of the whole sketch at its own size
  const std::uint8_t* stretch = &b[records[2].offset];
  EXPECT_EQ(le::U32(stretch + 6), 0x00CC0020u);       // copy
  EXPECT_EQ(le::U16(stretch + 12), sketch.Height());  // source
  EXPECT_EQ(le::U16(stretch + 14), sketch.Width());
  EXPECT_EQ(le::U16(stretch + 20), sketch.Height());  // destination
  EXPECT_EQ(le::U16(stretch + 22), sketch.Width());
  EXPECT_EQ(le::U16(stretch + 24), 0);
  EXPECT_EQ(le::U16(stretch + 26), 0);
  const std::uint8_t* dib = stretch + 28;
  EXPECT_EQ(le::S32(dib + 4), sketch.Width());
  EXPECT_EQ(le::S32(dib + 8), sketch.Height());
  EXPECT_EQ(le::U16(dib + 14), 24);
  // The bottom row comes first.
  EXPECT_EQ(dib[40], PixelAt(sketch, 0, sketch.Height() - 1)[0]);
  EXPECT_EQ(records[3].function, 0x0000);
  EXPECT_EQ(records[3].words, 3u);
}

TEST(Metafile, PlaceableFileOpensInARealReader) {
  if (std::system("command -v wmf2svg >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "wmf2svg (Debian package libwmf-bin) is not installed; "
                    "the metafile was not checked with a real reader";
  }
  TempDir dir;
  WriteMetafile(Sketch(), {kPhotoWidth, kPhotoHeight}, dir / "s.wmf", MetafileFormat::Placeable);
  const ProcessResult result =
      RunProgram("wmf2svg", {"-o", (dir / "s.svg").string(), (dir / "s.wmf").string()}, dir.path());
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::string svg = ReadText(dir / "s.svg");
  EXPECT_THAT(svg, HasSubstr("<svg"));
  EXPECT_THAT(svg, HasSubstr("<image"));  // the bitmap record was understood
}

TEST(Metafile, EnhancedHeaderAndRecords) {
  TempDir dir;
  const Raster sketch = Sketch();
  WriteMetafile(sketch, {kPhotoWidth, kPhotoHeight}, dir / "s.emf", MetafileFormat::Enhanced);
  const Bytes b = ReadFile(dir / "s.emf");
  ASSERT_GE(b.size(), 108u);
  EXPECT_EQ(le::U32(&b[0]), 1u);    // EMR_HEADER
  EXPECT_EQ(le::U32(&b[4]), 108u);  // with both header extensions
  // Bounds in pixels (inclusive): the whole sketch.
  EXPECT_EQ(le::S32(&b[8]), 0);
  EXPECT_EQ(le::S32(&b[16]), sketch.Width() - 1);
  EXPECT_EQ(le::S32(&b[20]), sketch.Height() - 1);
  // Frame in hundredths of a millimetre at 96 dpi: the photo's size.
  EXPECT_EQ(le::S32(&b[24]), 0);
  EXPECT_EQ(le::S32(&b[32]), kPhotoWidth * 2540 / 96);
  EXPECT_EQ(le::S32(&b[36]), kPhotoHeight * 2540 / 96);
  EXPECT_EQ(le::U32(&b[40]), 0x464D4520u);  // " EMF"
  EXPECT_EQ(le::U32(&b[44]), 0x00010000u);
  EXPECT_EQ(le::U32(&b[48]), b.size());
  EXPECT_EQ(le::U32(&b[52]), 3u);  // records
  EXPECT_EQ(le::U16(&b[56]), 1);   // handles
  // Reference device: pixels and millimetres agree on 96 dpi.
  EXPECT_EQ(le::S32(&b[72]) * 254, le::S32(&b[80]) * 960);

  std::vector<std::uint32_t> types;
  for (std::size_t at = 0; at < b.size();) {
    const std::uint32_t size = le::U32(&b[at + 4]);
    ASSERT_EQ(size % 4, 0u);
    ASSERT_GE(size, 8u);
    types.push_back(le::U32(&b[at]));
    if (types.back() == 81) {  // StretchDIBits: whole sketch, own size, at the origin
      EXPECT_EQ(le::S32(&b[at + 24]), 0);
      EXPECT_EQ(le::S32(&b[at + 28]), 0);
      EXPECT_EQ(le::S32(&b[at + 40]), sketch.Width());
      EXPECT_EQ(le::S32(&b[at + 44]), sketch.Height());
      EXPECT_EQ(le::S32(&b[at + 72]), sketch.Width());
      EXPECT_EQ(le::S32(&b[at + 76]), sketch.Height());
      const std::uint32_t bits = le::U32(&b[at + 56]);
      EXPECT_EQ(b[at + bits], PixelAt(sketch, 0, sketch.Height() - 1)[0]);
    }
    at += size;
    ASSERT_LE(at, b.size());
  }
  EXPECT_EQ(types, (std::vector<std::uint32_t>{1, 81, 14}));
}

TEST(Metafile, PlaceableRefusesWhatItsCoordinatesCannotHold) {
  TempDir dir;
  try {
    WriteMetafile(Raster(32768, 1), {32767, 1}, dir / "wide.wmf", MetafileFormat::Placeable);
    FAIL();
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr("too large for a Windows metafile"));
  }
  EXPECT_TRUE(dir.Names(dir.path()).empty());
  WriteMetafile(Raster(32768, 1), {32767, 1}, dir / "wide.emf", MetafileFormat::Enhanced);
  EXPECT_TRUE(fs::exists(dir / "wide.emf"));
}

}  // namespace
}  // namespace graphitine
