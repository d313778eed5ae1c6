#include "engine_test_support.h"

#include <algorithm>
#include <ostream>
#include <random>
#include <sstream>

namespace graphitine::testing {

Raster RandomPhoto(int width, int height, std::uint32_t seed) {
  std::mt19937 random(seed);
  auto draw = [&](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
  Raster photo(width, height);
  // A gradient ground, a few hard-edged rectangles over it, and noise whose strength changes
  // from band to band (none in some bands, so that flat areas stay flat).
  const int gb = draw(256), gg = draw(256), gr = draw(256);
  struct Patch {
    int x0, y0, x1, y1, b, g, r;
  };
  Patch patches[6];
  for (Patch& p : patches) {
    p.x0 = draw(width + 1);
    p.y0 = draw(height + 1);
    p.x1 = p.x0 + draw(width / 2 + 2);
    p.y1 = p.y0 + draw(height / 2 + 2);
    p.b = draw(256);
    p.g = draw(256);
    p.r = draw(256);
  }
  const int strengths[] = {0, 0, 3, 12, 40, 255};
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = photo.ScanLine(y);
    const int noise = strengths[(y / 5 + static_cast<int>(seed)) % 6];
    for (int x = 0; x < width; ++x) {
      int c[3] = {(gb + x) % 256, (gg + y) % 256, (gr + x + y) % 256};
      for (const Patch& p : patches) {
        if (x >= p.x0 && x < p.x1 && y >= p.y0 && y < p.y1) {
          c[0] = p.b;
          c[1] = p.g;
          c[2] = p.r;
        }
      }
      for (int i = 0; i < 3; ++i) {
        if (noise > 0) c[i] += draw(2 * noise + 1) - noise;
        row[3 * x + i] = static_cast<std::uint8_t>(std::clamp(c[i], 0, 255));
      }
    }
  }
  return photo;
}

Raster NoisePhoto(int width, int height, std::uint32_t seed) {
  std::mt19937 random(seed);
  Raster photo(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = photo.ScanLine(y);
    for (int i = 0; i < 3 * width; ++i) row[i] = static_cast<std::uint8_t>(random());
  }
  return photo;
}

Raster ColumnGradient(int width, int height) {
  Raster photo(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto v = static_cast<std::uint8_t>(std::min(x, 255));
      SetPixel(photo, x, y, v, v, v);
    }
  }
  return photo;
}

std::vector<std::pair<int, int>> ChangedPixels(const Raster& background, const Raster& sketch) {
  std::vector<std::pair<int, int>> changed;
  for (int y = 0; y < sketch.Height(); ++y) {
    for (int x = 0; x < sketch.Width(); ++x) {
      if (!(ColourAt(background, x, y) == ColourAt(sketch, x, y))) changed.emplace_back(x, y);
    }
  }
  return changed;
}

Raster Plain(int width, int height, std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  Raster raster(width, height);
  raster.Fill(blue, green, red);
  return raster;
}

void SetPixel(Raster& raster, int x, int y, std::uint8_t blue, std::uint8_t green,
              std::uint8_t red) {
  std::uint8_t* p = raster.ScanLine(y) + 3 * x;
  p[0] = blue;
  p[1] = green;
  p[2] = red;
}

Colour ColourAt(const Raster& raster, int x, int y) {
  const std::uint8_t* p = raster.ScanLine(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

void PrintTo(const Colour& pixel, std::ostream* out) {
  *out << "(" << pixel.b << ", " << pixel.g << ", " << pixel.r << ")";
}

::testing::AssertionResult SameRaster(const Raster& expected, const Raster& actual) {
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
    return ::testing::AssertionFailure()
           << "size " << actual.Width() << "x" << actual.Height() << ", expected "
           << expected.Width() << "x" << expected.Height();
  }
  int differing = 0;
  std::ostringstream first;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const Colour want = ColourAt(expected, x, y), got = ColourAt(actual, x, y);
      if (want == got) continue;
      if (differing++ == 0) {
        first << "first at (" << x << ", " << y << "): ";
        PrintTo(got, &first);
        first << ", expected ";
        PrintTo(want, &first);
      }
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " pixels differ, " << first.str();
}

const char* ToolName(SketchTool tool) {
  switch (tool) {
    case SketchTool::None:
      return "None";
    case SketchTool::Pen:
      return "Pen";
    case SketchTool::Eraser:
      return "Eraser";
    case SketchTool::ColourBrush:
      return "ColourBrush";
    case SketchTool::Pencil:
      return "Pencil";
    case SketchTool::Soft:
      return "Soft";
  }
  return "?";
}

}  // namespace graphitine::testing
