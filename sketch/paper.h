#pragma once
// Laying paper into a sketch raster, tiled or stretched.
#include <cstdint>

#include "sketch/raster.h"

namespace graphitine {

enum class PaperMode { Tile, Stretch };

struct Paper {
  Raster picture;
  PaperMode mode = PaperMode::Tile;
};

// Sizes the sketch to (photoWidth / scaleDivisor + 1) x (photoHeight / scaleDivisor + 1),
// keeping what still fits, and covers it with the paper.
// Tile: the paper is drawn unscaled at every tile origin (ForEachTile), cut at the edges.
// Stretch: nearest-neighbour scaling, the way a colour bitmap is stretch-drawn (rows and
// columns are repeated or dropped, never blended): sketch pixel (x, y) takes paper pixel
// (x * paperWidth / sketchWidth, y * paperHeight / sketchHeight), divisions truncating.
// A paper of zero width or height is no paper: the sketch is sized and nothing is drawn.
void PaintPaper(Raster& sketch, const Paper& paper, int photoWidth, int photoHeight,
                int scaleDivisor = 1);

// What a fresh sketch of width x height holds before the engine draws on it, a row at a time:
// the paper as PaintPaper lays it, or white where there is no paper (or one of zero size).
class SketchBackground {
 public:
  SketchBackground(const Paper* paper, int width, int height);
  // Row y (0 .. height - 1) of the sketch, width pixels at `row`.
  void PaintRow(int y, std::uint8_t* row) const;
  int Width() const { return width_; }

 private:
  const Raster* paper_ = nullptr;  // none when white
  PaperMode mode_ = PaperMode::Tile;
  int width_ = 0;
  int height_ = 0;
};

// Calls visit(left, top) for every tile of a pw x ph paper on a width x height raster: columns
// i = 0 .. width / pw (the outer loop), rows j = 0 .. height / ph (the inner loop), the tile at
// (i * pw, j * ph). When the raster's size is an exact multiple of the paper's, the last column
// or row of tiles starts at the raster's very edge and covers nothing. pw and ph must be > 0.
template <typename Visit>
void ForEachTile(int width, int height, int pw, int ph, Visit&& visit) {
  for (int i = 0; i < width / pw + 1; ++i) {
    for (int j = 0; j < height / ph + 1; ++j) visit(i * pw, j * ph);
  }
}

}  // namespace graphitine
