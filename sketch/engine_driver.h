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

// Convert's work, for a photo whose rows may still be arriving from the top down. The sketch is
// drawn in bands of rows, each final once drawn; a band needs only the photo rows down to
// PhotoRowsFor(its last row), and bands may be drawn at once on different threads. A tool that
// needs the whole photo (the colour brush averages over all of it) is drawn as one band.
class ConvertPass {
 public:
  // Checks the settings (Error) and that the photo is not empty (ConversionError), and prepares
  // a sketch of (W + 1) x (H + 1) with the paper laid when one is given. The photo's pixels are
  // not read here, and it must outlive the pass.
  ConvertPass(const Raster& photo, const ConvertSettings& settings, KernelIsa isa);
  ConvertPass(const ConvertPass&) = delete;
  ConvertPass& operator=(const ConvertPass&) = delete;

  // True when the only band is the whole sketch.
  bool WholeSketchAtOnce() const { return !banded_; }
  // How many photo rows from the top the sketch rows down to lastRow are drawn from.
  int PhotoRowsFor(int lastRow) const;
  // Whitens (where no paper was laid) and draws sketch rows first..last.
  void DrawRows(int first, int last, std::stop_token stop = {});
  // Every row, on the shared pool's threads as the settings ask.
  void DrawAll(std::stop_token stop = {});

  const Raster& Sketch() const { return sketch_; }
  Raster TakeSketch() { return std::move(sketch_); }

 private:
  const Raster& photo_;
  EngineParameters parameters_;
  SketchChoice choice_;
  KernelIsa isa_;
  Raster sketch_;
  bool whiten_ = false;
  bool banded_ = false;
  VisitedRegion region_;
  KernelRun run_;
};

}  // namespace graphitine
