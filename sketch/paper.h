#pragma once
// Laying paper into a sketch raster, tiled or stretched.
#include "sketch/raster.h"

namespace graphitine {

enum class PaperMode { Tile, Stretch };

struct Paper {
  Raster picture;
  PaperMode mode = PaperMode::Tile;
};

// Sizes the sketch to (photoWidth / scaleDivisor + 1) x (photoHeight / scaleDivisor + 1) and
// covers it with the paper. A paper of zero width or height lays nothing.
void PaintPaper(Raster& sketch, const Paper& paper, int photoWidth, int photoHeight,
                int scaleDivisor = 1);

}  // namespace graphitine
