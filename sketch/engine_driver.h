#pragma once
// The region driver with its kernel's instruction set chosen by the caller, so that every
// instruction set can be checked against the others.
#include "sketch/engine.h"
#include "sketch/engine_kernel.h"

namespace graphitine {

// Raises Error for parameters outside their ranges.
void CheckParameters(const EngineParameters& parameters);

// stop is checked between bands of rows of the kernel (Stopped is raised once it is requested).
void RunSketchRegion(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
                     const EngineParameters& parameters, const SketchChoice& choice, KernelIsa isa,
                     std::stop_token stop = {});

// The kernel for one pixel, always in portable code: it is too little work for vectors.
void RunSketchPixel(int x, int y, const Raster& source, Raster& destination,
                    const EngineParameters& parameters, SketchTool style);

Raster RunConvert(const Raster& photo, const ConvertSettings& settings, KernelIsa isa,
                  std::stop_token stop = {});

}  // namespace graphitine
