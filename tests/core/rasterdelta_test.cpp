#include "sketch/rasterdelta.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace graphitine {
namespace {

// A raster of random bytes: nothing in it squeezes.
Raster Noise(int width, int height, unsigned seed) {
  Raster raster(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int i = 0; i < 3 * width; ++i) raster.Row(y)[i] = static_cast<std::uint8_t>(random());
  }
  return raster;
}

// The raster with the pixels of the area painted one colour (cut to the raster).
Raster Painted(Raster raster, const PixelArea& area, std::uint8_t value) {
  for (int y = std::max(area.top, 0); y < std::min(area.top + area.height, raster.Height()); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.left + area.width, raster.Width());
         ++x) {
      raster.Row(y)[3 * x] = raster.Row(y)[3 * x + 1] = raster.Row(y)[3 * x + 2] = value;
    }
  }
  return raster;
}

// Whether the area holds every pixel where the two rasters differ (outside a raster: white).
bool HoldsEveryDifference(const PixelArea& area, const Raster& a, const Raster& b) {
  const auto pixel = [](const Raster& r, int x, int y, int c) {
    return x < r.Width() && y < r.Height() ? r.Row(y)[3 * x + c] : 0xFF;
  };
  for (int y = 0; y < std::max(a.Height(), b.Height()); ++y) {
    for (int x = 0; x < std::max(a.Width(), b.Width()); ++x) {
      const bool inside = x >= area.left && x < area.left + area.width && y >= area.top &&
                          y < area.top + area.height;
      for (int c = 0; c < 3; ++c) {
        if (!inside && pixel(a, x, y, c) != pixel(b, x, y, c)) return false;
      }
    }
  }
  return true;
}

// Undo gives the state before back byte for byte, and redo the state after, whatever the
// sizes: one changed byte, the last pixel of a tile, runs longer than a count byte holds,
// incompressible tiles, partial tiles at the edges, growing from and shrinking to nothing.
TEST(RasterDelta, UndoAndRedoGiveBothStatesBackExactly) {
  const Raster noise = Noise(150, 70, 1);
  Raster oneByte = noise;
  oneByte.Row(69)[3 * 149 + 2] ^= 1;
  Raster tileCorner(130, 130);
  tileCorner.Row(63)[3 * 63] = 0;
  Raster byTurns(70, 3);  // grey and colour changes by turns, unchanged pixels between
  for (int x = 0; x < 70; ++x) {
    const std::uint8_t colour[3] = {1, 2, 3};
    const std::uint8_t grey[3] = {9, 9, 9};
    if (x % 5 != 4) std::memcpy(byTurns.Row(1) + 3 * x, x % 2 == 0 ? grey : colour, 3);
  }
  struct Case {
    std::string name;
    Raster before;
    Raster after;
  };
  const Case cases[] = {
      {"one byte in the last pixel", noise, oneByte},
      {"a tile's last pixel", Raster(130, 130), tileCorner},
      {"sparse pixels", Raster(200, 90), Painted(Raster(200, 90), {5, 5, 1, 80}, 7)},
      {"grey and colour by turns", Raster(70, 3), byTurns},
      {"noise over noise", noise, Noise(150, 70, 2)},
      {"from nothing", Raster(), noise},
      {"to nothing", noise, Raster()},
      {"wider, lower", noise, Noise(200, 40, 3)},
      {"white grown", Raster(10, 10), Raster(100, 100)},
      {"painted and grown", Painted(Raster(65, 65), {60, 60, 5, 5}, 0), Raster(129, 66)},
  };
  for (const Case& c : cases) {
    const RasterDelta delta = RasterDelta::Between(c.before, c.after);
    EXPECT_FALSE(delta.Unchanged()) << c.name;
    Raster raster = c.after;
    delta.Undo(raster);
    EXPECT_EQ(raster, c.before) << c.name;
    delta.Redo(raster);
    EXPECT_EQ(raster, c.after) << c.name;
    EXPECT_TRUE(HoldsEveryDifference(delta.Changed(), c.before, c.after)) << c.name;
  }
}

TEST(RasterDelta, KeepsOnlyWhatChanged) {
  const Raster photo = Noise(1000, 700, 4);
  EXPECT_TRUE(RasterDelta::Between(photo, photo).Unchanged());
  EXPECT_TRUE(RasterDelta().Unchanged());
  // A small spot of a large raster: one tile's worth at most, whatever the raster's size.
  const RasterDelta spot =
      RasterDelta::Between(photo, Painted(photo, PixelArea{500, 300, 10, 10}, 0));
  EXPECT_LT(spot.Bytes(), 1024u);
  EXPECT_EQ(spot.Changed(), (PixelArea{448, 256, 64, 64}));
  EXPECT_FALSE(spot.SizeChanged());
  // A grey change keeps one byte a pixel, another three.
  const std::size_t none = RasterDelta::Between(Raster(64, 64), Raster(64, 64)).Bytes();
  EXPECT_LT(
      RasterDelta::Between(Raster(64, 64), Painted(Raster(64, 64), {0, 0, 64, 64}, 9)).Bytes(),
      none + 64 * 64 + 64);
  EXPECT_GT(RasterDelta::Between(Raster(64, 64), Noise(64, 64, 7)).Bytes(), none + 3 * 64 * 64);
  // A white raster grown to more white holds nothing but the sizes.
  EXPECT_LT(RasterDelta::Between(Raster(), Raster(1000, 700)).Bytes(), 256u);
}

// A stroke changes the raster in place: the tiles kept before each write make the same delta as
// comparing whole copies, also when the first write grew the raster from nothing.
TEST(TileRecorder, MakesTheDeltaOfChangesInPlace) {
  struct Case {
    std::string name;
    Raster start;
  };
  const Case cases[] = {{"noise", Noise(300, 200, 5)}, {"nothing", Raster()}};
  for (const Case& c : cases) {
    Raster raster = c.start;
    TileRecorder recorder(raster);
    raster.SetSize(std::max(raster.Width(), 301), std::max(raster.Height(), 201));
    const PixelArea areas[] = {
        {-20, -20, 50, 50}, {100, 100, 70, 3}, {110, 90, 10, 200}, {290, 190, 40, 40}};
    for (const PixelArea& area : areas) {
      recorder.Keep(raster, area);
      raster = Painted(std::move(raster), area, static_cast<std::uint8_t>(area.left));
    }
    recorder.Keep(raster, {5000, 5000, 10, 10});  // nothing of it lies in the raster
    const RasterDelta delta = recorder.Finish(raster);
    Raster undone = raster;
    delta.Undo(undone);
    EXPECT_EQ(undone, c.start) << c.name;
    delta.Redo(undone);
    EXPECT_EQ(undone, raster) << c.name;
    EXPECT_TRUE(HoldsEveryDifference(delta.Changed(), c.start, raster)) << c.name;
  }
  // Tiles written with what they held already are no change.
  Raster same = Noise(100, 100, 6);
  TileRecorder recorder(same);
  recorder.Keep(same, {0, 0, 100, 100});
  EXPECT_TRUE(recorder.Finish(same).Unchanged());
}

}  // namespace
}  // namespace graphitine
