// The eraser, the colour brush and local re-conversion under a round brush.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "engine_test_support.h"
#include "reference_engine.h"
#include "sketch/engine.h"
#include "sketch/paper.h"

namespace graphitine {
namespace {

using testing::ChangedPixels;
using testing::Colour;
using testing::ColourAt;
using testing::ColumnGradient;
using testing::Plain;
using testing::SetPixel;
using Pixels = std::vector<std::pair<int, int>>;

constexpr SketchChoice kEraser{SketchTool::Eraser, SketchPage::Manual};
constexpr SketchChoice kBrush{SketchTool::ColourBrush, SketchPage::Manual};
constexpr SketchChoice kPencil{SketchTool::Pencil, SketchPage::Manual};

// Strokes land on a grey sketch, so that white from the eraser shows.
Raster GreySketch(int width, int height) { return Plain(width + 1, height + 1, 128, 128, 128); }

Pixels Stroke(int x0, int y0, int x1, int y1, const Raster& photo, SketchChoice choice,
              EngineParameters parameters = {0, 1, 1}) {
  const Raster before = GreySketch(photo.Width(), photo.Height());
  Raster sketch = before;
  SketchRegion(x0, y0, x1, y1, photo, sketch, parameters, choice);
  return ChangedPixels(before, sketch);
}

TEST(Retouch, SmallBoxPaintsExactlyFourPixels) {
  // Box (0, 0, 4, 4): centre (2, 2), r2 = 4.
  Raster photo = Plain(30, 30, 7, 7, 7);
  SetPixel(photo, 1, 1, 0, 0, 0);
  SetPixel(photo, 2, 1, 1, 1, 1);
  SetPixel(photo, 1, 2, 1, 1, 1);
  SetPixel(photo, 2, 2, 1, 2, 255);
  const Pixels four{{1, 1}, {2, 1}, {1, 2}, {2, 2}};
  EXPECT_EQ(Stroke(0, 0, 4, 4, photo, kEraser), four);
  EXPECT_EQ(Stroke(0, 0, 4, 4, photo, kBrush), four);

  Raster sketch = GreySketch(30, 30);
  SketchRegion(0, 0, 4, 4, photo, sketch, {}, kEraser);
  EXPECT_EQ(ColourAt(sketch, 2, 2), (Colour{255, 255, 255}));
  // The brush's colour: sums (3, 4, 257) over 4 pixels, truncated.
  SketchRegion(0, 0, 4, 4, photo, sketch, {}, kBrush);
  for (const auto& [x, y] : four) EXPECT_EQ(ColourAt(sketch, x, y), (Colour{0, 1, 64}));
}

struct ShortSideCase {
  const char* name;
  SketchChoice choice;
};

class ShortSide : public ::testing::TestWithParam<ShortSideCase> {};

// Box (10, 10, 20, 20): centre (15, 15), r2 = 25. (19, 15) and (15, 19) lie inside the circle
// but past the loops' last column and row.
TEST_P(ShortSide, StrokeStopsBeforeTheBoxsLastColumnAndRow) {
  const Pixels painted = Stroke(10, 10, 20, 20, ColumnGradient(40, 40), GetParam().choice);
  auto has = [&](int x, int y) {
    return std::find(painted.begin(), painted.end(), std::pair{x, y}) != painted.end();
  };
  EXPECT_TRUE(has(11, 15));
  EXPECT_TRUE(has(15, 11));
  EXPECT_TRUE(has(18, 15));
  EXPECT_FALSE(has(19, 15));
  EXPECT_FALSE(has(15, 19));
  EXPECT_FALSE(has(10, 15));  // on the circle, not inside it
  for (const auto& [x, y] : painted) {
    EXPECT_LT((x - 15) * (x - 15) + (y - 15) * (y - 15), 25);
    EXPECT_LE(x, 18);
    EXPECT_LE(y, 18);
  }
}

INSTANTIATE_TEST_SUITE_P(Tools, ShortSide,
                         ::testing::Values(ShortSideCase{"Eraser", kEraser},
                                           ShortSideCase{"Brush", kBrush},
                                           ShortSideCase{"Pencil", kPencil}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Retouch, ZeroWidthBoxWritesNothing) {
  const Raster photo = ColumnGradient(40, 40);
  for (SketchTool tool : {SketchTool::Eraser, SketchTool::ColourBrush, SketchTool::Pen,
                          SketchTool::Pencil, SketchTool::Soft}) {
    for (const auto& [x, y] : Pixels{{10, 10}, {10, 0}, {0, 30}}) {
      EXPECT_TRUE(Stroke(x, y, x, y + 30, photo, {tool, SketchPage::Manual}).empty())
          << testing::ToolName(tool);
    }
  }
}

TEST(Retouch, BrushPartlyOutsideAveragesTheInsidePartOnly) {
  // Centre (0, 0), r2 = 100: only the quarter disc with x, y >= 1 is inside the photo and off
  // its outermost row and column, which hold a different colour that must not leak in.
  Raster photo = Plain(20, 20, 10, 20, 30);
  for (int i = 0; i < 20; ++i) {
    SetPixel(photo, i, 0, 250, 250, 250);
    SetPixel(photo, 0, i, 250, 250, 250);
  }
  Raster sketch = GreySketch(20, 20);
  SketchRegion(-10, -10, 10, 10, photo, sketch, {}, kBrush);
  Pixels expected;
  for (int y = 1; y <= 8; ++y)
    for (int x = 1; x <= 8; ++x)
      if (x * x + y * y < 100) expected.emplace_back(x, y);
  EXPECT_EQ(ChangedPixels(GreySketch(20, 20), sketch), expected);
  for (const auto& [x, y] : expected) ASSERT_EQ(ColourAt(sketch, x, y), (Colour{10, 20, 30}));
}

TEST(Retouch, StrokesWhollyOutsideThePhotoWriteNothing) {
  const Raster photo = ColumnGradient(30, 30);
  for (const SketchChoice& choice : {kEraser, kBrush, kPencil}) {
    EXPECT_TRUE(Stroke(-50, -50, -5, -5, photo, choice).empty());
    EXPECT_TRUE(Stroke(40, 5, 80, 45, photo, choice).empty());
  }
}

TEST(Retouch, NoToolTouchesTheOutermostRowsAndColumns) {
  const Raster photo = testing::RandomPhoto(30, 24, 9);
  for (SketchTool tool : {SketchTool::Eraser, SketchTool::ColourBrush, SketchTool::Pen,
                          SketchTool::Pencil, SketchTool::Soft}) {
    const Pixels painted =
        Stroke(-100, -100, 130, 124, photo, {tool, SketchPage::Manual}, {0, 1, 1});
    if (tool == SketchTool::Eraser || tool == SketchTool::ColourBrush) {
      EXPECT_FALSE(painted.empty());
    }
    for (const auto& [x, y] : painted) {
      ASSERT_TRUE(x >= 1 && x <= 28 && y >= 1 && y <= 22)
          << testing::ToolName(tool) << " (" << x << ", " << y << ")";
    }
  }
}

TEST(Retouch, PencilStrokesDarkenFurtherWhileOtherStylesRepeatTheSame) {
  const Raster photo = ColumnGradient(40, 40);
  const EngineParameters parameters{0, 2, 1};
  Raster sketch = GreySketch(40, 40);
  SketchRegion(5, 5, 30, 30, photo, sketch, parameters, kPencil);
  EXPECT_EQ(ColourAt(sketch, 17, 17), (Colour{122, 122, 122}));  // 128 - 3s
  SketchRegion(5, 5, 30, 30, photo, sketch, parameters, kPencil);
  EXPECT_EQ(ColourAt(sketch, 17, 17), (Colour{116, 116, 116}));

  const Raster varied = testing::RandomPhoto(40, 40, 10);
  for (SketchTool style : {SketchTool::Pen, SketchTool::Soft}) {
    Raster once = GreySketch(40, 40);
    SketchRegion(5, 5, 30, 30, varied, once, {20, 1, 1}, {style, SketchPage::Manual});
    Raster twice = once;
    SketchRegion(5, 5, 30, 30, varied, twice, {20, 1, 1}, {style, SketchPage::Manual});
    EXPECT_FALSE(ChangedPixels(GreySketch(40, 40), once).empty());
    EXPECT_EQ(once, twice) << testing::ToolName(style);
  }
}

// Near the photo's edges with s > 1 some of the circle's pixels have samples outside the photo:
// those pixels are skipped, the rest of the stroke is painted.
struct EdgeCase {
  const char* name;
  int x0, y0, x1, y1, step;
  int left, right, top, bottom;  // the pixels with all samples inside, before the circle
};

class EdgeStroke : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeStroke, SkipsOnlyPixelsWithSamplesOutside) {
  const EdgeCase& c = GetParam();
  const Raster photo = ColumnGradient(40, 30);
  const Pixels painted = Stroke(c.x0, c.y0, c.x1, c.y1, photo, kPencil, {0, c.step, 1});
  const long long cx = (static_cast<long long>(c.x0) + c.x1) / 2,
                  cy = (static_cast<long long>(c.y0) + c.y1) / 2;
  const long long r2 = (static_cast<long long>(c.x0) - c.x1) * (c.x0 - c.x1) / 4;
  Pixels expected;
  for (int y = c.top; y <= c.bottom; ++y)
    for (int x = c.left; x <= c.right; ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < r2) expected.emplace_back(x, y);
  EXPECT_FALSE(expected.empty());
  EXPECT_EQ(painted, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, EdgeStroke,
    ::testing::Values(
        // Centre (15, 0), r2 = 100; rows 1 and 2 would sample row -2 and -1.
        EdgeCase{"Top", 5, -10, 25, 10, 3, 8, 23, 3, 8},
        // Centre (15, 29); rows 27 and 28 would sample rows 30 and 31.
        EdgeCase{"Bottom", 5, 19, 25, 39, 3, 8, 23, 22, 26},
        // Centre (0, 15); columns 1 to 3 would sample columns -3 to -1.
        EdgeCase{"Left", -10, 5, 10, 25, 4, 4, 8, 9, 23},
        // Centre (39, 15); columns 36 to 38 would sample columns 40 and past.
        EdgeCase{"Right", 29, 5, 49, 25, 4, 33, 35, 9, 23},
        // Centre (5, 5), r2 = 225: rows and columns 1 to 4 would sample outside.
        EdgeCase{"TopLeftCorner", -10, -10, 20, 20, 5, 5, 18, 5, 18}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Retouch, StrokeTouchingTheEdgeMatchesTheReference) {
  const Raster photo = testing::RandomPhoto(40, 30, 12);
  for (int step : {2, 5, 15}) {
    for (const auto& [x, y] : Pixels{{0, 0}, {20, -3}, {39, 15}, {-4, 29}, {35, 28}}) {
      Raster expected = GreySketch(40, 30);
      Raster actual = expected;
      const EngineParameters parameters{10, step, 1};
      reference::SketchRegion(x - 12, y - 12, x + 12, y + 12, photo, expected, parameters, kPencil);
      SketchRegion(x - 12, y - 12, x + 12, y + 12, photo, actual, parameters, kPencil);
      ASSERT_TRUE(testing::SameRaster(expected, actual)) << step << " at " << x << ", " << y;
    }
  }
}

TEST(Retouch, ExtremeBoxesCoverThePhotoWithoutOverflow) {
  // cx = cy = 0 and r2 near 2^62: every photo pixel is inside the circle.
  const Raster photo = testing::RandomPhoto(50, 40, 13);
  for (SketchTool tool :
       {SketchTool::Eraser, SketchTool::ColourBrush, SketchTool::Pencil, SketchTool::Soft}) {
    Raster actual = GreySketch(50, 40);
    SketchRegion(INT_MIN, INT_MIN, INT_MAX, INT_MAX, photo, actual, {0, 2, 1},
                 {tool, SketchPage::Manual});
    // The same pixels as a finite box whose circle holds the whole photo.
    Raster expected = GreySketch(50, 40);
    reference::SketchRegion(-200, -200, 300, 300, photo, expected, {0, 2, 1},
                            {tool, SketchPage::Manual});
    EXPECT_TRUE(testing::SameRaster(expected, actual)) << testing::ToolName(tool);
  }
  // Inverted boxes paint nothing.
  EXPECT_TRUE(Stroke(INT_MAX, INT_MAX, INT_MIN, INT_MIN, photo, kEraser).empty());
}

TEST(Retouch, BrushSumsDoNotOverflowOnHugeCircles) {
  // About 8.8 million pixels of 255: a 32-bit sum would overflow.
  const Raster photo = Plain(3400, 3400, 255, 254, 253);
  Raster sketch = Plain(3401, 3401, 0, 0, 0);
  SketchRegion(0, 0, 3400, 3400, photo, sketch, {},
               {SketchTool::ColourBrush, SketchPage::Automatic});
  EXPECT_EQ(ColourAt(sketch, 1700, 1700), (Colour{255, 254, 253}));
  EXPECT_EQ(ColourAt(sketch, 1700, 2), (Colour{255, 254, 253}));
  EXPECT_EQ(ColourAt(sketch, 2, 2), (Colour{0, 0, 0}));  // outside the circle
}

// Convert while the manual page is active: the circle of the whole-photo box applies.
TEST(Convert, ManualPageConvertsOnlyTheDisc) {
  const Raster photo = ColumnGradient(40, 30);
  // Box (1, 1, 39, 29): centre (20, 15), r2 = 361: a disc of diameter W - 2s.
  auto inDisc = [](int x, int y) { return (x - 20) * (x - 20) + (y - 15) * (y - 15) < 361; };
  ConvertSettings settings;
  settings.precision = 200;
  settings.choice = {SketchTool::Pencil, SketchPage::Manual};
  const Pixels drawn = ChangedPixels(Plain(41, 31, 255, 255, 255), Convert(photo, settings));
  Pixels expected;
  for (int y = 2; y <= 27; ++y)
    for (int x = 2; x <= 37; ++x)
      if (inDisc(x, y)) expected.emplace_back(x, y);
  EXPECT_EQ(drawn, expected);

  // The eraser whitens the disc on paper; the brush fills it with its average colour.
  const Paper paper{Plain(4, 4, 90, 90, 90), PaperMode::Tile};
  settings.paper = &paper;
  settings.choice = {SketchTool::Eraser, SketchPage::Manual};
  const Raster erased = Convert(photo, settings);
  Pixels whitened;
  for (int y = 1; y <= 27; ++y)
    for (int x = 1; x <= 37; ++x)
      if (inDisc(x, y)) whitened.emplace_back(x, y);
  EXPECT_EQ(ChangedPixels(Plain(41, 31, 90, 90, 90), erased), whitened);

  settings.paper = nullptr;
  settings.choice = {SketchTool::ColourBrush, SketchPage::Manual};
  const Raster brushed = Convert(Plain(40, 30, 5, 6, 7), settings);
  for (int y = 0; y <= 30; ++y) {
    for (int x = 0; x <= 40; ++x) {
      const bool painted = x >= 2 && x <= 37 && y >= 2 && y <= 27 && inDisc(x, y);
      ASSERT_EQ(ColourAt(brushed, x, y), painted ? (Colour{5, 6, 7}) : (Colour{255, 255, 255}))
          << x << ", " << y;
    }
  }
}

TEST(Convert, EraserOnTheAutomaticPageDrawsNothing) {
  ConvertSettings settings;
  settings.choice = {SketchTool::Eraser, SketchPage::Automatic};
  const Paper paper{Plain(4, 4, 90, 90, 90), PaperMode::Tile};
  settings.paper = &paper;
  EXPECT_TRUE(
      ChangedPixels(Plain(41, 31, 90, 90, 90), Convert(testing::RandomPhoto(40, 30, 1), settings))
          .empty());
}

TEST(SketchRegion, GrowsASmallDestinationToThePhotoPlusOne) {
  const Raster photo = testing::RandomPhoto(30, 20, 14);
  Raster sketch;  // the sketch view right after a load
  SketchRegion(5, 5, 25, 25, photo, sketch, {}, kEraser);
  EXPECT_EQ(sketch.Width(), 31);
  EXPECT_EQ(sketch.Height(), 21);
  EXPECT_TRUE(ChangedPixels(Plain(31, 21, 255, 255, 255), sketch).empty());  // white on white
}

}  // namespace
}  // namespace graphitine
