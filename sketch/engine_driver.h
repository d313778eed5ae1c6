#pragma once
// The region driver with its kernel's instruction set chosen by the caller, so that every
// instruction set can be checked against the others.
#include "sketch/engine.h"
#include "sketch/engine_kernel.h"
#include "sketch/paper.h"
#include "sketch/rowtable.h"

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

// Convert's work in bands of rows, for a photo whose rows may still be arriving from the top
// down and a sketch that may be kept a band at a time. The pass paints each sketch row (white or
// paper) just before drawing on it, so every sketch row is written in one go and final once
// drawn. A band needs only the photo rows FirstPhotoRowFor(its first row) to
// PhotoRowsFor(its last row) - 1, and bands may be drawn at once on different threads. A tool
// that needs the whole photo (the colour brush averages over all of it) is drawn as one band.
class ConvertPass {
 public:
  // Checks the settings (Error) and that the photo is not empty (ConversionError). The paper,
  // when one is given, must outlive the pass.
  ConvertPass(int photoWidth, int photoHeight, const ConvertSettings& settings, KernelIsa isa);
  ConvertPass(const ConvertPass&) = delete;
  ConvertPass& operator=(const ConvertPass&) = delete;

  // The sketch's size: (W + 1) x (H + 1).
  int SketchWidth() const { return sketchWidth_; }
  int SketchHeight() const { return sketchHeight_; }
  // True when the only band is the whole sketch.
  bool WholeSketchAtOnce() const { return !banded_; }
  // How many photo rows from the top the sketch rows down to lastRow are drawn from.
  int PhotoRowsFor(int lastRow) const;
  // The first photo row that the sketch rows from firstRow down are drawn from.
  int FirstPhotoRowFor(int firstRow) const;

  // Paints and draws sketch rows first..last of a banded pass, reading the photo rows they need.
  void DrawRows(ConstRowTable photo, RowTable sketch, int first, int last) const;
  // Paints and draws the whole sketch, of the pass's size, from the whole photo; on the shared
  // pool's threads as the settings ask.
  void DrawAll(const Raster& photo, Raster& sketch, std::stop_token stop = {}) const;

 private:
  void DrawRows(ConstRowTable photo, RowTable sketch, int first, int last,
                const KernelRun& run) const;

  int photoWidth_;
  int photoHeight_;
  EngineParameters parameters_;
  SketchChoice choice_;
  KernelIsa isa_;
  int sketchWidth_;
  int sketchHeight_;
  bool banded_;
  SketchBackground background_;
  VisitedRegion region_;
  KernelRun run_;
};

}  // namespace graphitine
