#include "sketch/picturefile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <future>

#include "sketch/bmpfile.h"
#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using ::testing::HasSubstr;
using ::testing::StartsWith;

enum class Stored { Jpeg, Bitmap, Placeable, Enhanced };

Stored StoredFormat(const fs::path& file) {
  const Bytes b = ReadFile(file);
  if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return Stored::Jpeg;
  if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return Stored::Bitmap;
  if (b.size() >= 4 && b[0] == 0xD7 && b[1] == 0xCD && b[2] == 0xC6 && b[3] == 0x9A) {
    return Stored::Placeable;
  }
  if (b.size() >= 44 && b[0] == 1 && b[40] == ' ' && b[41] == 'E' && b[42] == 'M' && b[43] == 'F') {
    return Stored::Enhanced;
  }
  ADD_FAILURE() << file << " is in no known format";
  return Stored::Jpeg;
}

TEST(LoadPicture, FormatComesFromTheContentNotTheName) {
  TempDir dir;
  const Raster photo = SamplePhoto(9, 7);
  struct Case {
    const char* name;
    bool jpeg;
  };
  const std::vector<Case> cases = {
      {"Photo.JPG", true},         {"photo.Jpeg", true},    {"a jpeg called.bmp", true},
      {"x.jpg/inside.bmp", false}, {"no extension", false}, {"Mixed.Bmp", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir / c.name;
    fs::create_directories(file.parent_path());
    if (c.jpeg) {
      WriteJpeg(photo, file, 95);
    } else {
      WriteBmp(photo, file);
    }
    const Raster loaded = LoadPicture(file);
    EXPECT_EQ(loaded.Width(), 9);
    EXPECT_EQ(loaded.Height(), 7);
    if (!c.jpeg) {
      EXPECT_TRUE(loaded == photo);
    }
  }
}

TEST(LoadPicture, AFileThatIsNeitherGetsAClearError) {
  TempDir dir;
  for (const char* content : {"", "hello, world", "GIF89a......"}) {
    SCOPED_TRACE(content);
    const fs::path file = dir / "notes.jpg";
    WriteText(file, content);
    try {
      LoadPicture(file);
      ADD_FAILURE() << "loaded";
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()),
                "Not a JPEG or bitmap picture: \"" + file.string() + "\"");
    }
  }
}

TEST(LoadPicture, MissingFileAndFolderNameThePath) {
  TempDir dir;
  try {
    LoadPicture(dir / "gone.jpg");
    FAIL();
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), StartsWith("Cannot open file \"" + (dir / "gone.jpg").string()));
  }
  fs::create_directory(dir / "folder.jpg");
  try {
    LoadPicture(dir / "folder.jpg");
    FAIL();
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"" + (dir / "folder.jpg").string() + "\": it is a folder");
  }
}

TEST(LoadPicture, ASketchTheOutputCannotHoldIsRefusedBeforeDecoding) {
  const std::string kJpegTooLarge = "The sketch of this picture is too large for a JPEG file";
  struct Case {
    int width, height;
    bool complete;
    PictureLimits limits;
    std::string error;  // empty: it loads
  };
  const std::vector<Case> cases = {
      {32, 65499, true, SketchLimits(PictureFormat::Jpeg), ""},
      {32, 65500, true, SketchLimits(PictureFormat::Jpeg),
       kJpegTooLarge + " (33 x 65501 pixels, at most 65500 a side)"},
      // The claim alone decides: the data is never looked at.
      {32, 5701656, false, SketchLimits(PictureFormat::Jpeg),
       kJpegTooLarge + " (33 x 5701657 pixels, at most 65500 a side)"},
      {32766, 2, true, SketchLimits(PictureFormat::PlaceableMetafile), ""},
      {32767, 2, true, SketchLimits(PictureFormat::PlaceableMetafile),
       "The sketch of this picture is too large for a Windows metafile file (32768 x 3 pixels, "
       "at most 32767 a side)"},
      {32, 70000, true, SketchLimits(PictureFormat::Bitmap), ""},
      {32, 70000, true, SketchLimits(PictureFormat::EnhancedMetafile), ""},
      {32, 100, true, SketchLimits(PictureFormat::Jpeg, 3200), ""},
      {32, 100, false, SketchLimits(PictureFormat::Bitmap, 3199),
       "Picture is too large (32 x 100 pixels)"},
  };
  TempDir dir;
  const fs::path file = dir / "claims.bmp";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " " + c.error);
    WriteFile(file, RunLengthBitmap(c.width, c.height, c.complete));
    try {
      const Raster picture = LoadPicture(file, c.limits);
      EXPECT_EQ(c.error, "");
      EXPECT_EQ(picture.Height(), c.height);
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()), c.error + ": \"" + file.string() + "\"");
    }
  }
}

// A named pipe would block the reader until someone writes to it; a device is no picture.
TEST(LoadPicture, OnlyRegularFilesAreRead) {
  TempDir dir;
  const fs::path pipe = dir / "pipe.jpg";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const fs::path& file : {pipe, fs::path("/dev/null")}) {
    SCOPED_TRACE(file);
    auto load = std::async(std::launch::async, [&] { return LoadPicture(file); });
    if (load.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
      // Let the blocked reader go: a writer that opens and closes the pipe gives it an end.
      std::ofstream{file};
      FAIL() << "still waiting for the file";
    }
    try {
      load.get();
      ADD_FAILURE() << "loaded";
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()),
                "Cannot open file \"" + file.string() + "\": not a regular file");
      EXPECT_EQ(error.file(), file.string());
    }
  }
}

// Band by band, the reader gives exactly the rows LoadPicture gives, and says how far it is.
TEST(PictureReader, ReadsInBandsWhatLoadPictureReadsWhole) {
  TempDir dir;
  const Raster photo = SamplePhoto(37, 29);
  WriteJpeg(photo, dir / "photo.jpg", 90);
  WriteBmp(photo, dir / "photo.bmp");
  for (const char* name : {"photo.jpg", "photo.bmp"}) {
    SCOPED_TRACE(name);
    const bool bitmap = name == std::string("photo.bmp");
    PictureReader reader(dir / name);
    EXPECT_EQ(reader.Width(), 37);
    EXPECT_EQ(reader.Height(), 29);
    EXPECT_EQ(reader.RowsRead(), 0);
    Raster picture = reader.Start();
    ASSERT_EQ(picture.Width(), 37);
    ASSERT_EQ(picture.Height(), 29);
    EXPECT_EQ(reader.RowsRead(), bitmap ? 29 : 0);
    for (int rows = 7; rows < 29 + 7; rows += 7) {
      reader.ReadRows(picture, rows);
      EXPECT_EQ(reader.RowsRead(), bitmap ? 29 : std::min(rows, 29));
    }
    EXPECT_TRUE(picture == LoadPicture(dir / name));
  }
}

// The quick look: a JPEG reduced by whole eighths as far as the view it is fitted into allows,
// a bitmap whole.
TEST(LoadPicturePreview, ReducesAJpegAsFarAsTheViewAllows) {
  TempDir dir;
  // Blocks of 16 x 16 in one colour each stay one colour when reduced.
  const Raster photo = MakeRaster(200, 120, [](int x, int y) {
    return (x / 16 + y / 16) % 2 == 0 ? Bgr{40, 90, 200} : Bgr{220, 200, 30};
  });
  WriteJpeg(photo, dir / "photo.jpg", 95);
  WriteBmp(photo, dir / "photo.bmp");
  struct Case {
    const char* file;
    int viewWidth, viewHeight;
    int width, height;  // of the picture given back
  };
  const Case cases[] = {
      {"photo.jpg", 25, 15, 25, 15},      // 1/8
      {"photo.jpg", 10, 100, 25, 15},     // 1/8: fitted to the view's width, 10 x 6 is shown
      {"photo.jpg", 26, 16, 50, 30},      // 2/8: at 1/8 a pixel short of the view both ways
      {"photo.jpg", 300, 100, 175, 105},  // 7/8: the height decides
      {"photo.jpg", 640, 400, 200, 120},  // a view larger than the photo: full size
      {"photo.bmp", 25, 15, 200, 120},    // bitmaps are not reduced
  };
  const Raster full = LoadPicture(dir / "photo.jpg");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " for " + std::to_string(c.viewWidth) + " x " +
                 std::to_string(c.viewHeight));
    const PicturePreview preview = LoadPicturePreview(dir / c.file, c.viewWidth, c.viewHeight);
    EXPECT_EQ(preview.photoWidth, 200);
    EXPECT_EQ(preview.photoHeight, 120);
    ASSERT_EQ(preview.picture.Width(), c.width);
    ASSERT_EQ(preview.picture.Height(), c.height);
    if (c.width == 200) {
      EXPECT_TRUE(preview.picture == (c.file == std::string("photo.jpg") ? full : photo));
      continue;
    }
    // The middle of every block keeps the block's colour.
    for (int by = 0; by < 120 / 16; ++by) {
      for (int bx = 0; bx < 200 / 16; ++bx) {
        const Bgr want = PixelAt(photo, bx * 16 + 8, by * 16 + 8);
        const Bgr got =
            PixelAt(preview.picture, (bx * 16 + 8) * c.width / 200, (by * 16 + 8) * c.height / 120);
        for (int i = 0; i < 3; ++i) ASSERT_NEAR(got[i], want[i], 12) << bx << "," << by;
      }
    }
  }
}

TEST(LoadPicturePreview, RefusesWhatLoadPictureRefuses) {
  TempDir dir;
  WriteText(dir / "notes.jpg", "hello");
  EXPECT_THROW(LoadPicturePreview(dir / "notes.jpg", 10, 10), FileError);
  WriteJpeg(SamplePhoto(64, 64), dir / "photo.jpg", 90);
  PictureLimits limits;
  limits.maxPixels = 64 * 63;
  try {
    LoadPicturePreview(dir / "photo.jpg", 8, 8, limits);
    FAIL();
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), StartsWith("Picture is too large (64 x 64 pixels)"));
  }
}

// A bitmap file of nothing but its headers, claiming a 24-bit picture of any size.
Bytes BitmapHeaders(std::uint32_t headerSize, int width, int height) {
  le::Writer file;
  file.U16('B' | 'M' << 8);
  file.U32(14 + headerSize);
  file.U32(0);
  file.U32(14 + headerSize);
  file.U32(headerSize);
  if (headerSize == 12) {
    file.U16(static_cast<std::uint16_t>(width));
    file.U16(static_cast<std::uint16_t>(height));
  } else {
    file.S32(width);
    file.S32(height);
  }
  file.U16(1);
  file.U16(24);
  while (file.Size() < 14 + headerSize) file.U16(0);
  return file.Bytes();
}

// A file of a few bytes may claim the largest picture its format holds: every way of reading
// refuses it from its header, naming the file, when it is opened (before the reader's Start
// takes the raster's memory).
TEST(LoadPicture, AHugePictureClaimedInTheHeaderIsRefusedByEveryEntry) {
  TempDir dir;
  WriteJpeg(SamplePhoto(16, 16), dir / "huge.jpg", 90);
  Bytes jpeg = ReadFile(dir / "huge.jpg");
  std::size_t sof = 0;
  while (sof + 1 < jpeg.size() && !(jpeg[sof] == 0xFF && jpeg[sof + 1] == 0xC0)) ++sof;
  ASSERT_LT(sof + 8, jpeg.size());
  // Height and width, big-endian, after the marker's length and precision.
  std::fill_n(jpeg.begin() + static_cast<long>(sof) + 5, 4, 0xFF);
  WriteFile(dir / "huge.jpg", jpeg);
  WriteFile(dir / "huge-rle.bmp", RunLengthBitmap(65535, 65535, true));
  WriteFile(dir / "huge-info.bmp", BitmapHeaders(40, 65535, -65535));
  WriteFile(dir / "huge-core.bmp", BitmapHeaders(12, 65535, 65535));

  const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> entries = {
      {"whole", [](const fs::path& file) { LoadPicture(file); }},
      {"banded", [](const fs::path& file) { PictureReader reader(file); }},
      {"preview", [](const fs::path& file) { LoadPicturePreview(file, 200, 150); }},
  };
  for (const char* name : {"huge.jpg", "huge-rle.bmp", "huge-info.bmp", "huge-core.bmp"}) {
    for (const auto& [entry, read] : entries) {
      SCOPED_TRACE(std::string(name) + ", " + entry);
      try {
        read(dir / name);
        ADD_FAILURE() << "read";
      } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Picture is too large (65535 x 65535 pixels): \"" + (dir / name).string() + "\"");
      }
    }
  }
}

TEST(SavePicture, NameRules) {
  struct Case {
    const char* name;
    int kind;
    const char* written;
  };
  const std::vector<Case> cases = {
      {"sketch", 1, "sketch.jpg"},
      {"a.jpeg", 1, "a.jpeg.jpg"},  // ".jpeg" does not contain ".jpg"
      {"Photo.JPG", 1, "Photo.JPG"},
      {"a.Jpg", 1, "a.Jpg.jpg"},        // mixed case matches neither test
      {"x.jpg/name", 1, "x.jpg/name"},  // the whole name is searched, folders too
      {"a.jpg", 2, "a.jpg.bmp"},
      {"a.bmp.old", 2, "a.bmp.old"},
      {"A.BMP", 2, "A.BMP"},
      {"a", 3, "a.wmf"},
      {"a.wmf.bak", 3, "a.wmf.bak"},
      {"A.WMF", 0, "A.WMF"},
      {"a.Wmf", 3, "a.Wmf.wmf"},
      {"a.emf", 7, "a.emf.wmf"},
      {"a.bmp", -1, "a.bmp.wmf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SaveNameFor(c.name, c.kind), c.written) << c.name << " kind " << c.kind;
  }
}

TEST(SavePicture, WritesTheFormatOfTheKindUnderTheRuledName) {
  struct Case {
    const char* name;
    int kind;
    const char* written;
    Stored format;
  };
  const std::vector<Case> cases = {
      {"a.jpeg", 1, "a.jpeg.jpg", Stored::Jpeg},
      {"b.JPG", 1, "b.JPG", Stored::Jpeg},
      {"c.jpg", 2, "c.jpg.bmp", Stored::Bitmap},
      {"d.bmp.old", 2, "d.bmp.old", Stored::Bitmap},
      {"e", 3, "e.wmf", Stored::Placeable},
      {"f.WMF", 3, "f.WMF", Stored::Placeable},
      {"g.Wmf", 3, "g.Wmf.wmf", Stored::Placeable},
      // The name contains ".wmf" but its real extension is ".bak": enhanced format.
      {"h.wmf.bak", 3, "h.wmf.bak", Stored::Enhanced},
  };
  TempDir dir;
  const Raster sketch = SamplePhoto(11, 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string written = SavePicture(sketch, (dir / c.name).string(), c.kind, {10, 7});
    EXPECT_EQ(written, (dir / c.written).string());
    ASSERT_TRUE(fs::exists(written));
    EXPECT_EQ(StoredFormat(written), c.format);
  }
  EXPECT_EQ(dir.Names(dir.path()).size(), cases.size());  // no temporary files left behind
}

TEST(SavePicture, EmptySketchWritesNothing) {
  TempDir dir;
  for (int kind : {1, 2, 3}) {
    try {
      SavePicture(Raster(), (dir / "empty").string(), kind, {0, 0});
      ADD_FAILURE() << "saved";
    } catch (const Error& error) {
      EXPECT_STREQ(error.what(), "没有可保存的素描。");
    }
  }
  EXPECT_TRUE(dir.Names(dir.path()).empty());
}

TEST(SavePicture, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TempDir dir;
  const fs::path target = dir / "big.wmf";
  WriteText(target, "the old sketch");
  // Too wide for a Windows metafile's 16-bit coordinates: fails after writing has begun.
  EXPECT_THROW(SavePicture(Raster(40000, 1), target.string(), 3, {39999, 1}), FileError);
  EXPECT_EQ(ReadText(target), "the old sketch");
  EXPECT_EQ(dir.Names(dir.path()), std::vector<std::string>{"big.wmf"});
}

TEST(SavePicture, MissingFolderIsReportedWithTheName) {
  TempDir dir;
  const std::string name = (dir / "no such folder" / "a.jpg").string();
  try {
    SavePicture(SamplePhoto(4, 4), name, 1, {3, 3});
    FAIL();
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + name + "\": No such file or directory");
  }
}

TEST(SavePicture, ReplacesAnExistingFileOnlyWhenAllowed) {
  TempDir dir;
  const fs::path target = dir / "s.bmp";
  WriteText(target, "keep me");
  const Raster sketch = SamplePhoto(4, 4);
  try {
    SavePicture(sketch, target.string(), 2, {3, 3}, ExistingFile::Keep);
    FAIL();
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr("the file exists already"));
  }
  EXPECT_EQ(ReadText(target), "keep me");
  EXPECT_EQ(dir.Names(dir.path()).size(), 1u);

  SavePicture(sketch, target.string(), 2, {3, 3});
  EXPECT_TRUE(ReadBmp(target) == sketch);
}

}  // namespace
}  // namespace graphitine
