// Converting a photo file into a sketch file in overlapped bands: the same bytes as loading,
// converting and writing one after the other, and nothing left behind when it fails.
#include "sketch/convertfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sketch/bmpfile.h"
#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/paper.h"
#include "sketch/workerpool.h"
#include "tests/core/engine_test_support.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Tall enough for several bands of rows, and wide enough for the longest line step.
constexpr int kWidth = 71;
constexpr int kHeight = 333;

struct Case {
  const char* name;
  bool jpegPhoto;
  PictureFormat format;
  SketchChoice choice;
  int lineStep;
  const Paper* paper;
};

TEST(ConvertPictureFile, WritesWhatLoadConvertAndWriteWould) {
  TempDir dir;
  WriteJpeg(RandomPhoto(kWidth, kHeight, 3), dir / "photo.jpg", 90);
  WriteBmp(RandomPhoto(kWidth, kHeight, 4), dir / "photo.bmp");
  const Paper tile{RandomPhoto(9, 50, 5), PaperMode::Tile};
  const Paper stretch{RandomPhoto(13, 11, 6), PaperMode::Stretch};
  const SketchPage automatic = SketchPage::Automatic, manual = SketchPage::Manual;
  const Case cases[] = {
      {"pencil", true, PictureFormat::Jpeg, {SketchTool::Pencil, automatic}, 1, nullptr},
      {"pen, long step, tiled paper",
       true,
       PictureFormat::Jpeg,
       {SketchTool::Pen, automatic},
       15,
       &tile},
      {"soft from a bitmap, stretched paper",
       false,
       PictureFormat::Jpeg,
       {SketchTool::Soft, automatic},
       3,
       &stretch},
      {"pencil on the manual page (the circle)",
       false,
       PictureFormat::Bitmap,
       {SketchTool::Pencil, manual},
       2,
       nullptr},
      {"pen as a placeable metafile",
       true,
       PictureFormat::PlaceableMetafile,
       {SketchTool::Pen, automatic},
       1,
       &tile},
      {"colour brush (the whole photo at once)",
       true,
       PictureFormat::EnhancedMetafile,
       {SketchTool::ColourBrush, automatic},
       1,
       nullptr},
      {"eraser over paper", true, PictureFormat::Jpeg, {SketchTool::Eraser, manual}, 1, &stretch},
      {"nothing checked", false, PictureFormat::Bitmap, {SketchTool::None, automatic}, 1, &tile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path photoFile = dir / (c.jpegPhoto ? "photo.jpg" : "photo.bmp");
    ConvertSettings settings;
    settings.lineStep = c.lineStep;
    settings.choice = c.choice;
    settings.paper = c.paper;
    const Raster photo = LoadPicture(photoFile);
    const Raster sketch = Convert(photo, settings);
    WritePicture(sketch, dir / "expected", c.format, FrameSize{kWidth, kHeight});

    const ConvertedPicture got =
        ConvertPictureFile(photoFile, {}, settings, dir / "sketch", c.format);
    EXPECT_TRUE(SameRaster(photo, got.photo));
    EXPECT_TRUE(SameRaster(sketch, got.sketch));
    EXPECT_EQ(ReadFile(dir / "sketch"), ReadFile(dir / "expected"));

    // Called from one of the pool's own threads, reading and drawing run one after the other.
    WorkerPool::Shared().Run(1, 1, [&](std::size_t) {
      ConvertPictureFile(photoFile, {}, settings, dir / "in turn", c.format);
    });
    EXPECT_EQ(ReadFile(dir / "in turn"), ReadFile(dir / "expected"));
  }
}

class ConvertPictureFileErrors : public ::testing::Test {
 protected:
  void SetUp() override { WriteJpeg(RandomPhoto(kWidth, kHeight, 7), dir_ / "photo.jpg", 95); }

  // The error of converting `bytes` as a photo into dir_/out/sketch.jpg.
  std::string ErrorOf(const Bytes& bytes) {
    WriteFile(dir_ / "in.jpg", bytes);
    try {
      ConvertPictureFile(dir_ / "in.jpg", {}, {}, dir_ / "out" / "sketch.jpg", PictureFormat::Jpeg);
    } catch (const FileError& error) {
      EXPECT_EQ(error.file(), (dir_ / "in.jpg").string());
      return error.what();
    }
    ADD_FAILURE() << "converted without error";
    return "";
  }

  TempDir dir_;
};

TEST_F(ConvertPictureFileErrors, ABrokenPhotoLeavesTheOldSketchAndNoTemporaryFile) {
  const Bytes good = ReadFile(dir_ / "photo.jpg");
  WriteText(dir_ / "out" / "sketch.jpg", "the sketch of before");
  struct BadPhoto {
    const char* name;
    Bytes bytes;
    const char* message;
  };
  Bytes truncated = good;  // the first bands are drawn and encoded before the end is missed
  truncated.resize(good.size() * 3 / 4);
  Bytes huge = good;
  for (std::size_t i = 2; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = 0xEA, huge[i + 6] = 0x60, huge[i + 7] = 0xEA, huge[i + 8] = 0x60;
      break;
    }
  }
  const BadPhoto photos[] = {
      {"truncated", truncated, "(Premature end of JPEG file)"},
      {"huge", huge, "Picture is too large (60000 x 60000 pixels)"},
      {"not a picture", Bytes{'G', 'I', 'F', '8', '9', 'a'}, "Not a JPEG or bitmap picture"},
  };
  for (const BadPhoto& photo : photos) {
    SCOPED_TRACE(photo.name);
    EXPECT_THAT(ErrorOf(photo.bytes), HasSubstr(photo.message));
    EXPECT_EQ(dir_.Names(dir_ / "out"), std::vector<std::string>{"sketch.jpg"});
    EXPECT_EQ(ReadText(dir_ / "out" / "sketch.jpg"), "the sketch of before");
  }
}

TEST_F(ConvertPictureFileErrors, AMissingOutputFolderNamesTheSketch) {
  const fs::path sketch = dir_ / "no such folder" / "sketch.jpg";
  try {
    ConvertPictureFile(dir_ / "photo.jpg", {}, {}, sketch, PictureFormat::Jpeg);
    FAIL();
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), StartsWith("Cannot create file \"" + sketch.string() + "\""));
  }
}

TEST_F(ConvertPictureFileErrors, SettingsOutOfRangeAreRefusedBeforeThePhotoIsRead) {
  ConvertSettings settings;
  settings.precision = 201;
  try {
    ConvertPictureFile(dir_ / "missing.jpg", {}, settings, dir_ / "sketch.jpg",
                       PictureFormat::Jpeg);
    FAIL();
  } catch (const FileError&) {
    FAIL() << "the photo was opened";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Precision must be between 0 and 200");
  }
}

TEST_F(ConvertPictureFileErrors, AStopAskedForWritesNothing) {
  std::stop_source stop;
  stop.request_stop();
  EXPECT_THROW(ConvertPictureFile(dir_ / "photo.jpg", {}, {}, dir_ / "sketch.jpg",
                                  PictureFormat::Jpeg, ExistingFile::Replace, stop.get_token()),
               Stopped);
  EXPECT_FALSE(fs::exists(dir_ / "sketch.jpg"));
}

}  // namespace
}  // namespace graphitine
