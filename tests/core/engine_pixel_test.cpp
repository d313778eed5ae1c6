// Convert on small photos whose every sketch pixel is known.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_test_support.h"
#include "sketch/engine.h"
#include "sketch/errors.h"
#include "sketch/paper.h"

namespace graphitine {
namespace {

using testing::ChangedPixels;
using testing::Colour;
using testing::ColourAt;
using testing::ColumnGradient;
using testing::Plain;
using testing::SetPixel;

constexpr Colour kWhite{255, 255, 255};

ConvertSettings Settings(SketchTool style, int precision, int lineStep) {
  ConvertSettings settings;
  settings.choice = {style, SketchPage::Automatic};
  settings.precision = precision;
  settings.lineStep = lineStep;
  return settings;
}

// A 5 x 5 photo of one colour whose column x = 3 holds another: with s = 1 the only pixel the
// kernel visits is (2, 2), whose right-hand samples are that column.
Raster RightColumnPhoto(Colour centre, Colour column) {
  auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
  Raster photo = Plain(5, 5, byte(centre.b), byte(centre.g), byte(centre.r));
  for (int y = 0; y < 5; ++y) SetPixel(photo, 3, y, byte(column.b), byte(column.g), byte(column.r));
  return photo;
}

struct NeighbourhoodCase {
  const char* name;
  Colour centre;
  Colour column;  // the three right-hand samples
  int precision;
  SketchTool style;
  Colour expected;  // sketch pixel (2, 2)
};

class Neighbourhood : public ::testing::TestWithParam<NeighbourhoodCase> {};

TEST_P(Neighbourhood, DrawsTheCentrePixel) {
  const NeighbourhoodCase& c = GetParam();
  const Raster sketch =
      Convert(RightColumnPhoto(c.centre, c.column), Settings(c.style, c.precision, 1));
  EXPECT_EQ(ColourAt(sketch, 2, 2), c.expected);
  // Nothing else is visited.
  for (const auto& [x, y] : ChangedPixels(Plain(6, 6, 255, 255, 255), sketch)) {
    EXPECT_TRUE(x == 2 && y == 2) << "changed (" << x << ", " << y << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Neighbourhood,
    ::testing::Values(
        // Three white samples, t = 30: bright count 3, darkness 3 * 465.
        NeighbourhoodCase{
            "WorkedPen", {100, 100, 100}, {255, 255, 255}, 170, SketchTool::Pen, {0, 0, 0}},
        NeighbourhoodCase{
            "WorkedPencil", {100, 100, 100}, {255, 255, 255}, 170, SketchTool::Pencil, {0, 0, 0}},
        NeighbourhoodCase{
            "WorkedSoft", {100, 100, 100}, {255, 255, 255}, 170, SketchTool::Soft, {100, 100, 100}},
        // (100, 110, 90) around (120, 100, 80): the differences cancel, so the sample is not
        // darker; its contrast of 40 counts only when t < 40.
        NeighbourhoodCase{
            "CancellingCounts", {120, 100, 80}, {100, 110, 90}, 161, SketchTool::Pen, {0, 0, 0}},
        NeighbourhoodCase{
            "CancellingAtThreshold", {120, 100, 80}, {100, 110, 90}, 160, SketchTool::Pen, kWhite},
        NeighbourhoodCase{"CancellingDarkens",
                          {120, 100, 80},
                          {100, 110, 90},
                          160,
                          SketchTool::Pencil,
                          {215, 215, 215}},
        // A sample darker than the centre never counts and adds nothing.
        NeighbourhoodCase{
            "DarkerSamplesPen", {100, 100, 100}, {0, 0, 0}, 200, SketchTool::Pen, kWhite},
        NeighbourhoodCase{
            "DarkerSamplesPencil", {100, 100, 100}, {0, 0, 0}, 200, SketchTool::Pencil, kWhite},
        // Precision 200 (t = 0): a difference of 1 in one channel counts; at t = 1 it does not.
        NeighbourhoodCase{"SmallestContrastCounts",
                          {100, 100, 100},
                          {100, 100, 101},
                          200,
                          SketchTool::Pen,
                          {0, 0, 0}},
        NeighbourhoodCase{"SmallestContrastBelowThreshold",
                          {100, 100, 100},
                          {100, 100, 101},
                          199,
                          SketchTool::Pen,
                          kWhite},
        // Precision 0 (t = 200): contrast 201 counts, 198 does not.
        NeighbourhoodCase{
            "LargeContrastCounts", {100, 100, 100}, {167, 167, 167}, 0, SketchTool::Pen, {0, 0, 0}},
        NeighbourhoodCase{"LargeContrastBelowThreshold",
                          {100, 100, 100},
                          {166, 166, 166},
                          0,
                          SketchTool::Pen,
                          kWhite},
        // Darkness 3 * 201 = 603 > 200: the pencil takes 201 off each byte.
        NeighbourhoodCase{"PencilAtLowestPrecision",
                          {100, 100, 100},
                          {167, 167, 167},
                          0,
                          SketchTool::Pencil,
                          {54, 54, 54}}),
    [](const ::testing::TestParamInfo<NeighbourhoodCase>& info) {
      return std::string(info.param.name);
    });

TEST(Convert, SingleDarkPixelOnWhite) {
  // With s = 1 all eight neighbours of the dark pixel count: 8 is above the pen's upper bound
  // of 6, so the pen draws nothing anywhere; its white neighbours see only a darker sample.
  Raster photo = Plain(7, 7, 255, 255, 255);
  SetPixel(photo, 3, 3, 250, 250, 250);
  const Raster blank = Plain(8, 8, 255, 255, 255);
  EXPECT_TRUE(ChangedPixels(blank, Convert(photo, Settings(SketchTool::Pen, 170, 1))).empty());
  EXPECT_TRUE(ChangedPixels(blank, Convert(photo, Settings(SketchTool::Soft, 170, 1))).empty());
  // The pencil takes a third of the darkness sum, 8 * 15 / 3, off the dark pixel's place only.
  const Raster pencil = Convert(photo, Settings(SketchTool::Pencil, 170, 1));
  EXPECT_EQ(ChangedPixels(blank, pencil), (std::vector<std::pair<int, int>>{{3, 3}}));
  EXPECT_EQ(ColourAt(pencil, 3, 3), (Colour{215, 215, 215}));
}

TEST(Convert, PenDrawsTheDarkSideOfAVerticalEdge) {
  Raster photo = Plain(10, 8, 255, 255, 255);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 5; ++x) SetPixel(photo, x, y, 0, 0, 0);
  const Raster sketch = Convert(photo, Settings(SketchTool::Pen, 170, 1));
  // Column 4, the last dark one, over the kernel's rows 2 to 5; the white side stays white.
  std::vector<std::pair<int, int>> expected;
  for (int y = 2; y <= 5; ++y) expected.emplace_back(4, y);
  EXPECT_EQ(ChangedPixels(Plain(11, 9, 255, 255, 255), sketch), expected);
}

TEST(Convert, UniformPhotoGivesABlankSketchInEveryStyle) {
  const Raster photo = Plain(30, 20, 40, 90, 200);
  for (SketchTool style : {SketchTool::Pen, SketchTool::Pencil, SketchTool::Soft}) {
    for (int precision : {0, 170, 200}) {
      EXPECT_TRUE(
          ChangedPixels(Plain(31, 21, 255, 255, 255), Convert(photo, Settings(style, precision, 2)))
              .empty());
    }
  }
}

struct CoverageCase {
  int width, height, step;
  int left, right, top, bottom;  // the pixels the kernel visits; empty when left > right
};

class Coverage : public ::testing::TestWithParam<CoverageCase> {};

// The gradient makes the pencil at precision 200 darken every visited pixel by 3s.
TEST_P(Coverage, KernelVisitsExactlyTheInnerRange) {
  const CoverageCase& c = GetParam();
  const Raster sketch =
      Convert(ColumnGradient(c.width, c.height), Settings(SketchTool::Pencil, 200, c.step));
  ASSERT_EQ(sketch.Width(), c.width + 1);
  ASSERT_EQ(sketch.Height(), c.height + 1);
  const auto darkened = static_cast<int>(255 - 3 * c.step);
  for (int y = 0; y <= c.height; ++y) {
    for (int x = 0; x <= c.width; ++x) {
      const bool visited = c.left <= x && x <= c.right && c.top <= y && y <= c.bottom;
      ASSERT_EQ(ColourAt(sketch, x, y), visited ? (Colour{darkened, darkened, darkened}) : kWhite)
          << "(" << x << ", " << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Coverage,
                         ::testing::Values(CoverageCase{100, 80, 3, 6, 95, 6, 75},
                                           CoverageCase{100, 80, 1, 2, 97, 2, 77},
                                           CoverageCase{60, 50, 15, 30, 43, 30, 33},
                                           // 3s + 2 = 47: one pixel; one less: none.
                                           CoverageCase{47, 47, 15, 30, 30, 30, 30},
                                           CoverageCase{46, 47, 15, 1, 0, 1, 0},
                                           CoverageCase{10, 7, 2, 1, 0, 1, 0},
                                           CoverageCase{4, 10, 1, 1, 0, 1, 0},
                                           CoverageCase{5, 5, 1, 2, 2, 2, 2},
                                           CoverageCase{1, 1, 1, 1, 0, 1, 0}));

TEST(Convert, PhotoTooSmallForTheKernelGivesBarePaper) {
  Paper paper{Plain(3, 2, 10, 20, 30), PaperMode::Tile};
  SetPixel(paper.picture, 1, 1, 200, 100, 0);
  ConvertSettings settings = Settings(SketchTool::Pencil, 200, 2);
  settings.paper = &paper;
  const Raster photo = ColumnGradient(7, 20);  // narrower than 3s + 2 = 8
  Raster bare;
  PaintPaper(bare, paper, 7, 20);
  EXPECT_EQ(Convert(photo, settings), bare);
}

TEST(Convert, SketchIsOnePixelLargerWithWhiteLastRowAndColumn) {
  const Raster photo = testing::NoisePhoto(640, 480, 3);
  const Raster sketch = Convert(photo, Settings(SketchTool::Pencil, 200, 1));
  ASSERT_EQ(sketch.Width(), 641);
  ASSERT_EQ(sketch.Height(), 481);
  for (int x = 0; x < 641; ++x) EXPECT_EQ(ColourAt(sketch, x, 480), kWhite) << x;
  for (int y = 0; y < 481; ++y) EXPECT_EQ(ColourAt(sketch, 640, y), kWhite) << y;
  EXPECT_FALSE(ChangedPixels(Plain(641, 481, 255, 255, 255), sketch).empty());
}

TEST(Convert, LastRowAndColumnKeepThePaper) {
  const Paper paper{testing::RandomPhoto(17, 13, 4), PaperMode::Stretch};
  ConvertSettings settings = Settings(SketchTool::Pencil, 200, 1);
  settings.paper = &paper;
  const Raster sketch = Convert(testing::NoisePhoto(64, 48, 5), settings);
  Raster bare;
  PaintPaper(bare, paper, 64, 48);
  for (int x = 0; x < 65; ++x) EXPECT_EQ(ColourAt(sketch, x, 48), ColourAt(bare, x, 48)) << x;
  for (int y = 0; y < 49; ++y) EXPECT_EQ(ColourAt(sketch, 64, y), ColourAt(bare, 64, y)) << y;
}

TEST(Convert, PencilDarkensPaperEquallyInEachChannelDownToZero) {
  // The single slightly dark pixel takes 40 off each channel of the paper under it.
  Raster photo = Plain(7, 7, 255, 255, 255);
  SetPixel(photo, 3, 3, 250, 250, 250);
  const Paper paper{Plain(2, 2, 200, 30, 100), PaperMode::Tile};
  ConvertSettings settings = Settings(SketchTool::Pencil, 170, 1);
  settings.paper = &paper;
  const Raster sketch = Convert(photo, settings);
  EXPECT_EQ(ColourAt(sketch, 3, 3), (Colour{160, 0, 60}));
  EXPECT_EQ(ColourAt(sketch, 2, 3), (Colour{200, 30, 100}));
}

TEST(Convert, ConvertingTwiceGivesTheSameSketch) {
  const Raster photo = testing::RandomPhoto(90, 70, 6);
  for (SketchTool style : {SketchTool::Pen, SketchTool::Pencil, SketchTool::Soft}) {
    const ConvertSettings settings = Settings(style, 185, 2);
    EXPECT_EQ(Convert(photo, settings), Convert(photo, settings)) << testing::ToolName(style);
  }
}

TEST(Convert, RejectsAnEmptyPhotoAndSettingsOutOfRange) {
  EXPECT_THROW(Convert(Raster(), Settings(SketchTool::Pen, 170, 1)), ConversionError);
  const Raster photo = Plain(10, 10, 0, 0, 0);
  for (const auto& [precision, step] :
       std::vector<std::pair<int, int>>{{-1, 1}, {201, 1}, {170, 0}, {170, 16}}) {
    EXPECT_THROW(Convert(photo, Settings(SketchTool::Pen, precision, step)), Error)
        << precision << " " << step;
  }
}

TEST(SketchRegion, RejectsParametersOutOfRange) {
  const Raster photo = Plain(10, 10, 0, 0, 0);
  Raster sketch;
  const SketchChoice choice{SketchTool::Pen, SketchPage::Automatic};
  for (const EngineParameters& p :
       {EngineParameters{-1, 1, 1}, EngineParameters{201, 1, 1}, EngineParameters{30, 0, 1},
        EngineParameters{30, 16, 1}, EngineParameters{30, 1, 2}}) {
    EXPECT_THROW(SketchRegion(0, 0, 10, 10, photo, sketch, p, choice), Error);
    EXPECT_THROW(SketchPixel(5, 5, photo, sketch, p, SketchTool::Pen), Error);
  }
}

}  // namespace
}  // namespace graphitine
