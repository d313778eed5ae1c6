#pragma once
// Photos, papers and comparisons shared by the engine's tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sketch/engine.h"
#include "sketch/paper.h"
#include "sketch/raster.h"

namespace graphitine::testing {

// A photo with every kind of neighbourhood the kernel meets: flat patches (equal samples),
// smooth gradients (small contrasts), hard edges, and noise of several strengths.
Raster RandomPhoto(int width, int height, std::uint32_t seed);

// Pure noise: every byte drawn at random.
Raster NoisePhoto(int width, int height, std::uint32_t seed);

// Grey rising by one per column (0 at the left): every pixel's right-hand samples are brighter,
// so at precision 200 the pencil darkens every pixel the kernel visits, by exactly 3s.
Raster ColumnGradient(int width, int height);

// The pixels of `sketch` that differ from `background`, as (x, y) pairs in row order.
std::vector<std::pair<int, int>> ChangedPixels(const Raster& background, const Raster& sketch);

// A raster filled with one colour.
Raster Plain(int width, int height, std::uint8_t blue, std::uint8_t green, std::uint8_t red);

void SetPixel(Raster& raster, int x, int y, std::uint8_t blue, std::uint8_t green,
              std::uint8_t red);

struct Colour {
  int b, g, r;
  friend bool operator==(const Colour&, const Colour&) = default;
};
Colour ColourAt(const Raster& raster, int x, int y);
void PrintTo(const Colour& pixel, std::ostream* out);

// Equal size and equal bytes; on a difference the message names the first differing pixel.
::testing::AssertionResult SameRaster(const Raster& expected, const Raster& actual);

const char* ToolName(SketchTool tool);

}  // namespace graphitine::testing
