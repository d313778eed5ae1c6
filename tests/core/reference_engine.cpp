#include "reference_engine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "sketch/paper.h"

namespace graphitine::reference {

namespace {

// The circle inscribed in a box: only the horizontal extent enters the radius.
struct Circle {
  std::int64_t cx, cy, r2;
  Circle(int x0, int y0, int x1, int y1)
      : cx((static_cast<std::int64_t>(x0) + x1) / 2),
        cy((static_cast<std::int64_t>(y0) + y1) / 2),
        r2((static_cast<std::int64_t>(x0) - x1) * (static_cast<std::int64_t>(x0) - x1) / 4) {}
  bool Contains(int x, int y) const {
    const std::int64_t dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy < r2;
  }
};

bool Skipped(int x, int y, int width, int height) {
  return y >= height - 1 || x >= width - 1 || y <= 0 || x <= 0;
}

void Erase(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
           const Circle& circle) {
  for (int y = y0; y < y1 - 1; ++y) {
    for (int x = x0; x < x1 - 1; ++x) {
      if (Skipped(x, y, source.Width(), source.Height()) || !circle.Contains(x, y)) continue;
      std::uint8_t* p = destination.ScanLine(y) + 3 * x;
      p[0] = p[1] = p[2] = 255;
    }
  }
}

void PaintAverage(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
                  const Circle& circle) {
  std::int64_t sum[3] = {0, 0, 0};
  std::int64_t count = 0;
  auto visit = [&](auto&& apply) {
    for (int y = y0 + 1; y < y1 - 1; ++y) {
      for (int x = x0 + 1; x < x1 - 1; ++x) {
        if (Skipped(x, y, source.Width(), source.Height()) || !circle.Contains(x, y)) continue;
        apply(x, y);
      }
    }
  };
  visit([&](int x, int y) {
    const std::uint8_t* p = source.ScanLine(y) + 3 * x;
    for (int i = 0; i < 3; ++i) sum[i] += p[i];
    ++count;
  });
  if (count == 0) return;
  visit([&](int x, int y) {
    std::uint8_t* p = destination.ScanLine(y) + 3 * x;
    for (int i = 0; i < 3; ++i) p[i] = static_cast<std::uint8_t>(sum[i] / count);
  });
}

}  // namespace

void SketchPixel(int x, int y, const Raster& source, Raster& destination,
                 const EngineParameters& parameters, SketchTool style) {
  const int s = parameters.LineStep;
  const int t = parameters.Threshold;
  // A sample outside the photo skips the pixel.
  if (x - s < 0 || x + s >= source.Width() || y - s < 0 || y + s >= source.Height()) return;

  const std::uint8_t* centre = source.ScanLine(y) + 3 * x;
  int bright = 0;
  int darkness = 0;
  for (int row : {y - s, y, y + s}) {
    const std::uint8_t* line = source.ScanLine(row);
    for (int column : {x - s, x, x + s}) {
      const std::uint8_t* sample = line + 3 * column;
      const int dB = centre[0] - sample[0];
      const int dG = centre[1] - sample[1];
      const int dR = centre[2] - sample[2];
      const int contrast = std::abs(dB) + std::abs(dG) + std::abs(dR);
      int signedContrast;
      if (dB + dG + dR > 0) {
        signedContrast = -contrast;
      } else {
        signedContrast = contrast;
        darkness += contrast;
      }
      if (signedContrast > t) ++bright;
    }
  }

  std::uint8_t* target = destination.ScanLine(y) + 3 * x;
  const int side = (2 * s + 1) * (2 * s + 1);
  const int lo = side / 4 / s / s;
  const int hi = 3 * side / 4 / s / s;
  switch (style) {
    case SketchTool::Pen:
      if (lo <= bright && bright <= hi) target[0] = target[1] = target[2] = 0;
      break;
    case SketchTool::Pencil:
      if (darkness > t) {
        const int g = darkness / 3;
        for (int i = 0; i < 3; ++i) target[i] = target[i] > g ? target[i] - g : 0;
      }
      break;
    case SketchTool::Soft:
      if (lo <= bright && bright <= hi) std::copy(centre, centre + 3, target);
      break;
    default:
      break;
  }
}

void SketchRegion(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
                  const EngineParameters& parameters, const SketchChoice& choice) {
  const int width = source.Width();
  const int height = source.Height();
  destination.SetSize(std::max(destination.Width(), width + 1),
                      std::max(destination.Height(), height + 1));
  const Circle circle(x0, y0, x1, y1);

  if (choice.checked == SketchTool::Eraser && choice.page == SketchPage::Manual) {
    Erase(x0, y0, x1, y1, source, destination, circle);
    return;
  }
  if (choice.checked == SketchTool::ColourBrush) {
    PaintAverage(x0, y0, x1, y1, source, destination, circle);
    return;
  }
  const int s = parameters.LineStep;
  const bool wholeBox = choice.page == SketchPage::Automatic;
  for (int y = y0 + s; y < y1 - 1; ++y) {
    for (int x = x0 + s; x < x1 - 1; ++x) {
      if (Skipped(x, y, width, height)) continue;
      if (wholeBox || circle.Contains(x, y)) {
        reference::SketchPixel(x, y, source, destination, parameters, choice.checked);
      }
    }
  }
}

Raster Convert(const Raster& photo, const ConvertSettings& settings) {
  const EngineParameters parameters{200 - settings.precision, settings.lineStep, 1};
  const int width = photo.Width();
  const int height = photo.Height();
  Raster sketch;
  if (settings.paper != nullptr) PaintPaper(sketch, *settings.paper, width, height, 1);
  sketch.SetSize(width + 1, height + 1);
  const int s = parameters.LineStep;
  reference::SketchRegion(s, s, width - s, height - s, photo, sketch, parameters, settings.choice);
  return sketch;
}

}  // namespace graphitine::reference
