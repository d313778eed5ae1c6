#include "sketch/paper.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace graphitine {

namespace {

// Draws the paper unscaled with its top-left corner at (left, top), cut at the sketch's edges.
void DrawTile(Raster& sketch, const Raster& paper, int left, int top) {
  const int columns = std::min(paper.Width(), sketch.Width() - left);
  const int rows = std::min(paper.Height(), sketch.Height() - top);
  if (columns <= 0 || rows <= 0) return;
  for (int y = 0; y < rows; ++y) {
    std::memcpy(sketch.Row(top + y) + 3 * static_cast<std::size_t>(left), paper.Row(y),
                3 * static_cast<std::size_t>(columns));
  }
}

void Stretch(Raster& sketch, const Raster& paper) {
  const std::int64_t pw = paper.Width(), ph = paper.Height();
  const std::int64_t sw = sketch.Width(), sh = sketch.Height();
  for (std::int64_t y = 0; y < sh; ++y) {
    const std::uint8_t* from = paper.Row(static_cast<int>(y * ph / sh));
    std::uint8_t* to = sketch.Row(static_cast<int>(y));
    for (std::int64_t x = 0; x < sw; ++x) {
      std::memcpy(to + 3 * x, from + 3 * (x * pw / sw), 3);
    }
  }
}

}  // namespace

void PaintPaper(Raster& sketch, const Paper& paper, int photoWidth, int photoHeight,
                int scaleDivisor) {
  sketch.SetSize(photoWidth / scaleDivisor + 1, photoHeight / scaleDivisor + 1);
  const Raster& picture = paper.picture;
  if (picture.IsEmpty()) return;
  if (paper.mode == PaperMode::Stretch) {
    Stretch(sketch, picture);
    return;
  }
  ForEachTile(sketch.Width(), sketch.Height(), picture.Width(), picture.Height(),
              [&](int left, int top) { DrawTile(sketch, picture, left, top); });
}

}  // namespace graphitine
