#include "sketch/paper.h"

#include <gtest/gtest.h>

#include <utility>

#include "sketch/engine.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using Origins = std::vector<std::pair<int, int>>;

// Every paper pixel tells where it came from.
Raster NumberedPaper(int width, int height) {
  return MakeRaster(width, height, [](int x, int y) {
    return Bgr{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7};
  });
}

Origins TileOrigins(int width, int height, int pw, int ph) {
  Origins origins;
  ForEachTile(width, height, pw, ph, [&](int x, int y) { origins.emplace_back(x, y); });
  return origins;
}

TEST(PaintPaper, TileBoundsColumnsOuterRowsInner) {
  // A 250 x 120 photo gives a 251 x 121 sketch: three columns by two rows of a 100 x 100 paper.
  EXPECT_EQ(TileOrigins(251, 121, 100, 100),
            (Origins{{0, 0}, {0, 100}, {100, 0}, {100, 100}, {200, 0}, {200, 100}}));
  // An exact multiple: the last column and row start at the very edge.
  EXPECT_EQ(TileOrigins(200, 100, 100, 100),
            (Origins{{0, 0}, {0, 100}, {100, 0}, {100, 100}, {200, 0}, {200, 100}}));
  EXPECT_EQ(TileOrigins(5, 3, 7, 9), (Origins{{0, 0}}));
}

TEST(PaintPaper, TilingCoversTheSketchWithCutOffTiles) {
  struct Case {
    int photoWidth, photoHeight, paperWidth, paperHeight;
  };
  for (const Case& c : {Case{250, 120, 100, 100}, Case{199, 99, 100, 100}, Case{10, 4, 3, 5}}) {
    SCOPED_TRACE(std::to_string(c.photoWidth) + "x" + std::to_string(c.photoHeight));
    Raster sketch;
    PaintPaper(sketch, Paper{NumberedPaper(c.paperWidth, c.paperHeight), PaperMode::Tile},
               c.photoWidth, c.photoHeight);
    ASSERT_EQ(sketch.Width(), c.photoWidth + 1);
    ASSERT_EQ(sketch.Height(), c.photoHeight + 1);
    for (int y = 0; y < sketch.Height(); ++y) {
      for (int x = 0; x < sketch.Width(); ++x) {
        const Bgr want{static_cast<std::uint8_t>(x % c.paperWidth),
                       static_cast<std::uint8_t>(y % c.paperHeight), 7};
        ASSERT_EQ(PixelAt(sketch, x, y), want) << x << "," << y;
      }
    }
  }
}

TEST(PaintPaper, StretchRepeatsOrDropsPaperPixels) {
  struct Case {
    int photoWidth, photoHeight, paperWidth, paperHeight;
  };
  // Enlarging (2 x 2 paper on a 4 x 4 sketch), shrinking (5 x 4 on 3 x 2), and both at once.
  for (const Case& c : {Case{3, 3, 2, 2}, Case{2, 1, 5, 4}, Case{6, 1, 2, 7}}) {
    Raster sketch;
    PaintPaper(sketch, Paper{NumberedPaper(c.paperWidth, c.paperHeight), PaperMode::Stretch},
               c.photoWidth, c.photoHeight);
    const int sw = c.photoWidth + 1, sh = c.photoHeight + 1;
    ASSERT_EQ(sketch.Width(), sw);
    ASSERT_EQ(sketch.Height(), sh);
    for (int y = 0; y < sh; ++y) {
      for (int x = 0; x < sw; ++x) {
        const Bgr want{static_cast<std::uint8_t>(x * c.paperWidth / sw),
                       static_cast<std::uint8_t>(y * c.paperHeight / sh), 7};
        EXPECT_EQ(PixelAt(sketch, x, y), want) << x << "," << y;
      }
    }
  }
}

TEST(PaintPaper, PaperOfZeroSizeIsNoPaper) {
  for (PaperMode mode : {PaperMode::Tile, PaperMode::Stretch}) {
    for (const Raster& picture : {Raster(), Raster(0, 5), Raster(5, 0)}) {
      Raster sketch;
      PaintPaper(sketch, Paper{picture, mode}, 8, 6);
      EXPECT_TRUE(sketch == Raster(9, 7));
    }
  }
}

TEST(PaintPaper, ConvertLaysThePaperUnderTheStrokes) {
  const Paper paper{NumberedPaper(7, 5), PaperMode::Tile};
  ConvertSettings settings;
  settings.paper = &paper;
  // A uniform photo draws no stroke: the sketch is the bare paper.
  Raster bare;
  PaintPaper(bare, paper, 30, 20);
  EXPECT_TRUE(Convert(Raster(30, 20), settings) == bare);
  // With strokes, the margins and the extra column and row still show the paper.
  const Raster sketch = Convert(SamplePhoto(30, 20), settings);
  for (int y = 0; y < sketch.Height(); ++y) {
    EXPECT_EQ(PixelAt(sketch, 0, y), PixelAt(bare, 0, y));
    EXPECT_EQ(PixelAt(sketch, 30, y), PixelAt(bare, 30, y));
  }
}

}  // namespace
}  // namespace graphitine
