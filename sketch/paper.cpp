#include "sketch/paper.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace graphitine {

SketchBackground::SketchBackground(const Paper* paper, int width, int height)
    : width_(width), height_(height) {
  if (paper != nullptr && !paper->picture.IsEmpty()) {
    paper_ = &paper->picture;
    mode_ = paper->mode;
  }
}

// Tiles are drawn unscaled from every tile origin (ForEachTile) and cut at the edges, so pixel
// (x, y) shows paper pixel (x mod pw, y mod ph). Stretching repeats or drops rows and columns,
// never blends: pixel (x, y) shows (x * pw / width, y * ph / height).
void SketchBackground::PaintRow(int y, std::uint8_t* row) const {
  const std::size_t bytes = 3 * static_cast<std::size_t>(width_);
  if (paper_ == nullptr) {
    std::memset(row, 0xFF, bytes);
    return;
  }
  const std::int64_t pw = paper_->Width(), ph = paper_->Height();
  if (mode_ == PaperMode::Tile) {
    // One tile's row, then the row so far copied after itself: few copies even for small papers.
    std::size_t filled = std::min(3 * static_cast<std::size_t>(pw), bytes);
    std::memcpy(row, paper_->Row(static_cast<int>(y % ph)), filled);
    while (filled < bytes) {
      const std::size_t tiles = filled / (3 * static_cast<std::size_t>(pw));
      const std::size_t copy = std::min(tiles * 3 * static_cast<std::size_t>(pw), bytes - filled);
      std::memcpy(row + filled, row, copy);
      filled += copy;
    }
    return;
  }
  const std::uint8_t* from = paper_->Row(static_cast<int>(y * ph / height_));
  for (std::int64_t x = 0; x < width_; ++x) {
    std::memcpy(row + 3 * x, from + 3 * (x * pw / width_), 3);
  }
}

void PaintPaper(Raster& sketch, const Paper& paper, int photoWidth, int photoHeight,
                int scaleDivisor) {
  sketch.SetSize(photoWidth / scaleDivisor + 1, photoHeight / scaleDivisor + 1);
  if (paper.picture.IsEmpty()) return;
  const SketchBackground background(&paper, sketch.Width(), sketch.Height());
  for (int y = 0; y < sketch.Height(); ++y) background.PaintRow(y, sketch.Row(y));
}

}  // namespace graphitine
