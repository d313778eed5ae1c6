#pragma once
// The two hand tools: the eraser and the colour brush, over the pixels of a visited region.
#include "sketch/engine_region.h"
#include "sketch/raster.h"

namespace graphitine {

// Every pixel of the region turns white.
void EraseRegion(const VisitedRegion& region, Raster& destination, int threads);

// Every pixel of the region takes the average colour of the photo over the region (each
// channel's sum divided by the pixel count, truncated). An empty region writes nothing.
void PaintRegionAverage(const VisitedRegion& region, const Raster& source, Raster& destination,
                        int threads);

}  // namespace graphitine
