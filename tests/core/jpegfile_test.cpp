#include "sketch/jpegfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "sketch/errors.h"
#include "sketch/picturefile.h"
#include "tests/core/engine_test_support.h"
#include "tests/core/jpegvariants.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// A JPEG made by libjpeg from raw samples (components per pixel, rows top first), stored in
// the given colour space at quality 100 without chroma subsampling unless libjpeg's default
// for YCbCr applies.
struct JpegFixture {
  int width = 16;
  int height = 16;
  int components = 3;
  J_COLOR_SPACE input = JCS_RGB;
  J_COLOR_SPACE stored = JCS_YCbCr;
  bool adobeMarker = true;
};

void EncodeJpeg(const fs::path& file, const JpegFixture& f, const Bytes& samples) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  std::FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  jpeg_stdio_dest(&info, out);
  info.image_width = static_cast<JDIMENSION>(f.width);
  info.image_height = static_cast<JDIMENSION>(f.height);
  info.input_components = f.components;
  info.in_color_space = f.input;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, f.stored);
  jpeg_set_quality(&info, 100, TRUE);
  if (!f.adobeMarker) info.write_Adobe_marker = FALSE;
  jpeg_start_compress(&info, TRUE);
  const std::size_t rowBytes = static_cast<std::size_t>(f.width) * f.components;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + info.next_scanline * rowBytes);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(out);
}

// Samples for a picture made of 8 x 8 blocks of one value each: value(blockX, blockY) gives
// the components of a block. Uniform blocks survive quality 100 exactly.
Bytes BlockSamples(const JpegFixture& f, const std::function<Bytes(int, int)>& value) {
  Bytes samples;
  for (int y = 0; y < f.height; ++y) {
    for (int x = 0; x < f.width; ++x) {
      const Bytes v = value(x / 8, y / 8);
      samples.insert(samples.end(), v.begin(), v.end());
    }
  }
  return samples;
}

void ExpectBlocks(const Raster& picture, const std::function<Bgr(int, int)>& expected,
                  int tolerance) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const Bgr want = expected(x / 8, y / 8), got = PixelAt(picture, x, y);
      for (int i = 0; i < 3; ++i) {
        ASSERT_NEAR(got[i], want[i], tolerance) << "channel " << i << " at " << x << "," << y;
      }
    }
  }
}

TEST(JpegFile, EveryColourSpaceEndsAs24BitBgr) {
  struct Case {
    const char* name;
    JpegFixture fixture;
    std::function<Bytes(int, int)> samples;
    std::function<Bgr(int, int)> expected;
    int tolerance;
  };
  const std::vector<Case> cases = {
      {"greyscale",
       {16, 16, 1, JCS_GRAYSCALE, JCS_GRAYSCALE},
       [](int bx, int by) { return Bytes{static_cast<std::uint8_t>(85 * (bx + 2 * by))}; },
       [](int bx, int by) {
         const auto v = static_cast<std::uint8_t>(85 * (bx + 2 * by));
         return Bgr{v, v, v};
       },
       0},
      {"RGB stored as RGB",
       {16, 8, 3, JCS_RGB, JCS_RGB},
       [](int bx, int) {
         return bx == 0 ? Bytes{200, 10, 30} : Bytes{0, 128, 255};
       },
       [](int bx, int) {
         return bx == 0 ? Bgr{30, 10, 200} : Bgr{255, 128, 0};
       },
       0},
      // Adobe's inverted CMYK: 255 is no ink; red = C * K / 255 and so on.
      {"CMYK, Adobe (inverted)",
       {16, 8, 4, JCS_CMYK, JCS_CMYK, true},
       [](int bx, int) {
         return bx == 0 ? Bytes{255, 0, 255, 255} : Bytes{255, 255, 255, 51};
       },
       [](int bx, int) {
         return bx == 0 ? Bgr{255, 0, 255} : Bgr{51, 51, 51};
       },
       0},
      {"CMYK without Adobe's mark (plain ink)",
       {16, 8, 4, JCS_CMYK, JCS_CMYK, false},
       [](int bx, int) {
         return bx == 0 ? Bytes{0, 255, 0, 0} : Bytes{0, 0, 0, 204};
       },
       [](int bx, int) {
         return bx == 0 ? Bgr{255, 0, 255} : Bgr{51, 51, 51};
       },
       0},
      // Chroma is subsampled by default in these two; 16 x 16 blocks keep each colour whole.
      {"YCCK",
       {32, 16, 4, JCS_CMYK, JCS_YCCK, true},
       [](int bx, int) {
         return bx < 2 ? Bytes{255, 0, 255, 255} : Bytes{100, 200, 50, 255};
       },
       [](int bx, int) {
         return bx < 2 ? Bgr{255, 0, 255} : Bgr{50, 200, 100};
       },
       3},
      {"YCbCr",
       {32, 16, 3, JCS_RGB, JCS_YCbCr},
       [](int bx, int) {
         return bx < 2 ? Bytes{200, 60, 30} : Bytes{20, 90, 220};
       },
       [](int bx, int) {
         return bx < 2 ? Bgr{30, 60, 200} : Bgr{220, 90, 20};
       },
       4},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir / "fixture.jpg";
    EncodeJpeg(file, c.fixture, BlockSamples(c.fixture, c.samples));
    const Raster picture = ReadJpeg(file);
    ASSERT_EQ(picture.Width(), c.fixture.width);
    ASSERT_EQ(picture.Height(), c.fixture.height);
    if (c.fixture.stored == JCS_YCbCr || c.fixture.stored == JCS_YCCK) {
      // Fancy upsampling blends the chroma of neighbouring blocks near their border.
      for (int x : {2, 29}) {
        const Bgr want = c.expected(x / 8, 0), got = PixelAt(picture, x, 8);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i], c.tolerance);
      }
    } else {
      ExpectBlocks(picture, c.expected, c.tolerance);
    }
  }
}

class JpegErrors : public ::testing::Test {
 protected:
  // A real JPEG with plenty of entropy-coded data.
  Bytes GoodJpeg() {
    const fs::path file = dir_ / "good.jpg";
    WriteJpeg(SamplePhoto(64, 64), file, 90);
    return ReadFile(file);
  }
  std::string ErrorOf(const Bytes& bytes, const std::string& name = "broken.jpg") {
    const fs::path file = dir_ / name;
    WriteFile(file, bytes);
    try {
      LoadPicture(file);
    } catch (const FileError& error) {
      EXPECT_EQ(error.file(), file.string());
      return error.what();
    }
    ADD_FAILURE() << "loaded without error";
    return "";
  }
  std::string Quoted(const std::string& name) { return "\"" + (dir_ / name).string() + "\""; }

  TempDir dir_;
};

TEST_F(JpegErrors, TruncatedDataIsAnErrorNotAGreyPicture) {
  Bytes bytes = GoodJpeg();
  bytes.resize(bytes.size() * 2 / 3);
  const std::string message = ErrorOf(bytes);
  EXPECT_THAT(message, StartsWith("JPEG error #"));
  EXPECT_THAT(message, HasSubstr("(Premature end of JPEG file)"));
  EXPECT_THAT(message, EndsWith(Quoted("broken.jpg")));
}

TEST_F(JpegErrors, ScanDataEndingAtAMarkerIsAnErrorNotAGreyPicture) {
  const Bytes good = GoodJpeg();
  std::size_t sos = 0;
  for (std::size_t i = 2; i + 1 < good.size() && sos == 0; ++i) {
    if (good[i] == 0xFF && good[i + 1] == 0xDA) sos = i;
  }
  ASSERT_NE(sos, 0u);
  const std::size_t scanData = sos + 2 + (good[sos + 2] << 8 | good[sos + 3]);
  const std::size_t scanEnd = good.size() - 2;  // the end marker
  for (const std::size_t kept : {scanData + (scanEnd - scanData) / 2, scanData}) {
    SCOPED_TRACE(kept == scanData ? "end marker right after the scan header" : "scan cut in half");
    Bytes bytes(good.begin(), good.begin() + static_cast<long>(kept));
    bytes.insert(bytes.end(), {0xFF, 0xD9});
    const std::string message = ErrorOf(bytes);
    EXPECT_THAT(message, StartsWith("JPEG error #"));
    EXPECT_THAT(message, HasSubstr("(Corrupt JPEG data: premature end of data segment)"));
    EXPECT_THAT(message, EndsWith(Quoted("broken.jpg")));
  }
}

TEST_F(JpegErrors, TruncatedHeaderIsAnError) {
  Bytes bytes = GoodJpeg();
  bytes.resize(40);
  EXPECT_THAT(ErrorOf(bytes), HasSubstr("Premature end of JPEG file"));
}

TEST_F(JpegErrors, GarbageGivesLibjpegsOwnMessageAndTheName) {
  Bytes bytes = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x03, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
  const std::string message = ErrorOf(bytes, "garbage.jpg");
  EXPECT_THAT(message, StartsWith("JPEG error #"));
  EXPECT_THAT(message, EndsWith("): " + Quoted("garbage.jpg")));
}

TEST_F(JpegErrors, ExtraneousBytesAreOnlyAWarning) {
  const Bytes good = GoodJpeg();
  Bytes bytes = good;
  // Junk in front of the quantisation tables' marker.
  for (std::size_t i = 2; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xDB) {
      bytes.insert(bytes.begin() + static_cast<long>(i), {0x12, 0x34, 0x56});
      break;
    }
  }
  ASSERT_EQ(bytes.size(), good.size() + 3);
  WriteFile(dir_ / "good.jpg", good);
  WriteFile(dir_ / "junk.jpg", bytes);
  EXPECT_TRUE(ReadJpeg(dir_ / "junk.jpg") == ReadJpeg(dir_ / "good.jpg"));
}

TEST_F(JpegErrors, HugeDimensionsAreRefusedBeforeDecoding) {
  Bytes bytes = GoodJpeg();
  std::size_t sof = 0;
  for (std::size_t i = 2; i + 1 < bytes.size() && sof == 0; ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) sof = i;
  }
  ASSERT_NE(sof, 0u);
  // Height and width, big-endian, after the length and precision: 60000 = 0xEA60.
  bytes[sof + 5] = 0xEA, bytes[sof + 6] = 0x60, bytes[sof + 7] = 0xEA, bytes[sof + 8] = 0x60;
  EXPECT_EQ(ErrorOf(bytes), "Picture is too large (60000 x 60000 pixels): " + Quoted("broken.jpg"));
}

TEST_F(JpegErrors, ColourSpaceWithoutAMeaningIsRefused) {
  const JpegFixture twoComponents{8, 8, 2, JCS_UNKNOWN, JCS_UNKNOWN};
  EncodeJpeg(dir_ / "two.jpg", twoComponents, Bytes(8 * 8 * 2, 100));
  try {
    ReadJpeg(dir_ / "two.jpg");
    FAIL();
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "JPEG error: unsupported colour space with 2 components: " + Quoted("two.jpg"));
  }
}

TEST_F(JpegErrors, DamagedFilesNeverCrash) {
  const Bytes good = GoodJpeg();
  std::mt19937 random(54321);
  for (int round = 0; round < 300; ++round) {
    Bytes bytes = good;
    const int changes = 1 + static_cast<int>(random() % 6);
    for (int k = 0; k < changes; ++k) {
      bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
    }
    if (round % 4 == 0) bytes.resize(random() % bytes.size());
    WriteFile(dir_ / "damaged.jpg", bytes);
    try {
      const Raster picture = ReadJpeg(dir_ / "damaged.jpg");
      EXPECT_FALSE(picture.IsEmpty());
    } catch (const FileError&) {
    }
  }
}

// The pixels libjpeg's own stdio source gives for the file, rows of blue, green, red.
// A file read in many buffers, with markers skipped across the ends of buffers.
TEST(JpegReading, ReadsALargeFileAsLibjpegsStdioSourceDoes) {
  TempDir dir;
  constexpr int kWidth = 601;
  WriteJpeg(NoisePhoto(kWidth, 403, 9), dir / "noise.jpg", 95);
  Bytes bytes = ReadFile(dir / "noise.jpg");
  // Two application segments of the largest size, which the decoder skips, right after the
  // start marker.
  Bytes segment = {0xFF, 0xEF, 0xFF, 0xFF};
  segment.resize(2 + 0xFFFF, 0x5A);
  bytes.insert(bytes.begin() + 2, segment.begin(), segment.end());
  bytes.insert(bytes.begin() + 2, segment.begin(), segment.end());
  ASSERT_GT(bytes.size(), std::size_t{384} << 10);
  WriteFile(dir / "large.jpg", bytes);

  EXPECT_TRUE(SameRaster(PlainDecode(dir / "large.jpg"), ReadJpeg(dir / "large.jpg")));

  bytes.resize(bytes.size() - 20000);  // ends in a later buffer than the first
  WriteFile(dir / "large.jpg", bytes);
  try {
    ReadJpeg(dir / "large.jpg");
    ADD_FAILURE() << "a cut file was read";
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr("(Premature end of JPEG file)"));
  }
}

TEST(JpegWriting, IsBaselineQuality20AtLibjpegsDefaults) {
  // cjpeg with -quality 20 -baseline and nothing else uses exactly libjpeg's defaults.
  if (std::system("command -v cjpeg >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "cjpeg (libjpeg-turbo-progs) is not installed";
  }
  TempDir dir;
  const Raster picture = SamplePhoto(37, 23);
  WriteJpeg(picture, dir / "ours.jpg");

  std::string ppm = "P6\n37 23\n255\n";
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const Bgr p = PixelAt(picture, x, y);
      ppm += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0])};
    }
  }
  WriteText(dir / "in.ppm", ppm);
  const std::string command = "cjpeg -quality 20 -baseline -outfile " +
                              ShellQuote((dir / "theirs.jpg").string()) + " " +
                              ShellQuote((dir / "in.ppm").string());
  ASSERT_EQ(std::system(command.c_str()), 0);
  const Bytes ours = ReadFile(dir / "ours.jpg");
  EXPECT_EQ(ours, ReadFile(dir / "theirs.jpg"));
  // Baseline start of frame (FF C0), no progressive one (FF C2).
  bool baseline = false, progressive = false;
  for (std::size_t i = 0; i + 1 < ours.size(); ++i) {
    baseline = baseline || (ours[i] == 0xFF && ours[i + 1] == 0xC0);
    progressive = progressive || (ours[i] == 0xFF && ours[i + 1] == 0xC2);
  }
  EXPECT_TRUE(baseline);
  EXPECT_FALSE(progressive);
}

TEST(JpegWriting, ReadsBackClose) {
  TempDir dir;
  const Raster picture = MakeRaster(32, 16, [](int x, int) {
    return x < 16 ? Bgr{30, 60, 200} : Bgr{220, 90, 20};
  });
  WriteJpeg(picture, dir / "a.jpg", 95);
  const Raster back = ReadJpeg(dir / "a.jpg");
  ASSERT_EQ(back.Width(), 32);
  ASSERT_EQ(back.Height(), 16);
  for (int x : {3, 28}) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(PixelAt(back, x, 8)[i], PixelAt(picture, x, 8)[i], 4);
  }
}

}  // namespace
}  // namespace graphitine
