// The quick ways of converting a photo file against the plain way, byte for byte: reading a
// progressive photo's rows while its last scan is decoded, drawing and writing bands as the rows
// arrive on every thread, and keeping only a few bands in reused slots when the pictures are not
// wanted back, against libjpeg's own decoding, the reference engine and the JPEG writer, on
// every kind of JPEG photo libjpeg writes and on bitmaps.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sketch/bmpfile.h"
#include "sketch/convertfile.h"
#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/paper.h"
#include "sketch/picturefile.h"
#include "tests/core/engine_test_support.h"
#include "tests/core/jpegvariants.h"
#include "tests/core/reference_engine.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using ::testing::HasSubstr;

// Odd sizes (partial blocks at the edges), and tall enough for many more bands than a
// conversion keeps slots for.
constexpr int kWidth = 173;
constexpr int kHeight = 517;

struct Setting {
  const char* name;
  SketchChoice choice;
  int lineStep;
  bool paper;
};
constexpr Setting kSettings[] = {
    {"pencil", {SketchTool::Pencil, SketchPage::Automatic}, 1, false},
    {"pen on paper, long line step", {SketchTool::Pen, SketchPage::Automatic}, 15, true},
    {"soft on the manual page (the circle)", {SketchTool::Soft, SketchPage::Manual}, 3, false},
};

// Converts the photo file every way and compares with the plain way from `photo`.
void ExpectPlainBytes(const TempDir& dir, const fs::path& photoFile, const Raster& photo) {
  const Paper paper{RandomPhoto(9, 7, 6), PaperMode::Tile};
  for (const Setting& setting : kSettings) {
    SCOPED_TRACE(setting.name);
    ConvertSettings settings;
    settings.choice = setting.choice;
    settings.lineStep = setting.lineStep;
    settings.paper = setting.paper ? &paper : nullptr;
    const Raster sketch = reference::Convert(photo, settings);
    WriteJpeg(sketch, dir / "plain.jpg");
    const Bytes plain = ReadFile(dir / "plain.jpg");

    const ConvertedPicture both =
        ConvertPictureFile(photoFile, {}, settings, dir / "both.jpg", PictureFormat::Jpeg);
    EXPECT_TRUE(SameRaster(photo, both.photo));
    EXPECT_TRUE(SameRaster(sketch, both.sketch));
    EXPECT_EQ(ReadFile(dir / "both.jpg"), plain);

    const ConvertedPicture none =
        ConvertPictureFile(photoFile, {}, settings, dir / "none.jpg", PictureFormat::Jpeg,
                           ExistingFile::Replace, {}, KeptPictures::None);
    EXPECT_TRUE(none.photo.IsEmpty() && none.sketch.IsEmpty());
    EXPECT_EQ(ReadFile(dir / "none.jpg"), plain);
  }
}

TEST(FastPaths, EveryKindOfJpegPhotoGivesThePlainWaysBytes) {
  TempDir dir;
  const Raster source = RandomPhoto(kWidth, kHeight, 5);
  for (const JpegVariant& variant : JpegVariants()) {
    SCOPED_TRACE(variant.name);
    const fs::path file = dir / "photo.jpg";
    WriteJpegVariant(source, file, variant);
    const Raster photo = PlainDecode(file);
    ASSERT_TRUE(SameRaster(photo, LoadPicture(file)));
    ExpectPlainBytes(dir, file, photo);
  }
}

TEST(FastPaths, ABitmapPhotoGivesThePlainWaysBytes) {
  TempDir dir;
  const Raster photo = RandomPhoto(kWidth, kHeight, 7);
  WriteBmp(photo, dir / "photo.bmp");
  ExpectPlainBytes(dir, dir / "photo.bmp", photo);
}

// A progressive photo cut short fails as libjpeg's plain decoding says, every way it is read.
TEST(FastPaths, ACutProgressivePhotoFailsAsThePlainWayDoes) {
  TempDir dir;
  JpegVariant progressive;
  progressive.progressive = true;
  WriteJpegVariant(RandomPhoto(kWidth, kHeight, 8), dir / "whole.jpg", progressive);
  Bytes bytes = ReadFile(dir / "whole.jpg");
  bytes.resize(bytes.size() * 9 / 10);  // inside the last scan
  WriteFile(dir / "cut.jpg", bytes);
  EXPECT_THAT([&] { LoadPicture(dir / "cut.jpg"); },
              ::testing::ThrowsMessage<FileError>(HasSubstr("(Premature end of JPEG file)")));
  for (KeptPictures kept : {KeptPictures::Both, KeptPictures::None}) {
    EXPECT_THAT(
        [&] {
          ConvertPictureFile(dir / "cut.jpg", {}, {}, dir / "sketch.jpg", PictureFormat::Jpeg,
                             ExistingFile::Replace, {}, kept);
        },
        ::testing::ThrowsMessage<FileError>(HasSubstr("(Premature end of JPEG file)")));
    EXPECT_FALSE(fs::exists(dir / "sketch.jpg"));
  }
}

}  // namespace
}  // namespace graphitine
