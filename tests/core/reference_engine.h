#pragma once
// The sketch engine written the plain way: one pixel at a time, every row through the checked
// ScanLine, no threads, no vectors. The optimised library is checked against it byte for byte.
#include "sketch/engine.h"

namespace graphitine::reference {

void SketchPixel(int x, int y, const Raster& source, Raster& destination,
                 const EngineParameters& parameters, SketchTool style);

void SketchRegion(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
                  const EngineParameters& parameters, const SketchChoice& choice);

Raster Convert(const Raster& photo, const ConvertSettings& settings);

}  // namespace graphitine::reference
