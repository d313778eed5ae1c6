#include "sketch/engine.h"

#include <algorithm>

#include "sketch/engine_driver.h"
#include "sketch/engine_kernel.h"
#include "sketch/errors.h"

namespace graphitine {

void SketchPixel(int x, int y, const Raster& source, Raster& destination,
                 const EngineParameters& parameters, SketchTool style) {
  CheckParameters(parameters);
  destination.SetSize(std::max(destination.Width(), source.Width() + 1),
                      std::max(destination.Height(), source.Height() + 1));
  if (style != SketchTool::Pen && style != SketchTool::Pencil && style != SketchTool::Soft) return;
  const long long s = parameters.LineStep;
  if (x - s < 0 || x + s >= source.Width() || y - s < 0 || y + s >= source.Height()) return;
  const VisitedRegion pixel(y, y, x, x, nullptr);
  const KernelRun run{&source, &destination, &pixel, parameters.LineStep, parameters.Threshold,
                      style == SketchTool::Pen      ? KernelStyle::Pen
                      : style == SketchTool::Soft ? KernelStyle::Soft
                                                  : KernelStyle::Pencil};
  RunKernelRows(KernelIsa::Portable, run, y, y);
}

void SketchRegion(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
                  const EngineParameters& parameters, const SketchChoice& choice) {
  RunSketchRegion(x0, y0, x1, y1, source, destination, parameters, choice, BestKernelIsa());
}

EngineParameters ParametersFor(const ConvertSettings& settings) {
  if (settings.precision < 0 || settings.precision > 200) {
    throw Error("Precision must be between 0 and 200");
  }
  if (settings.lineStep < 1 || settings.lineStep > 15) {
    throw Error("Line step must be between 1 and 15");
  }
  return EngineParameters{200 - settings.precision, settings.lineStep, 1, settings.threads};
}

Raster Convert(const Raster& photo, const ConvertSettings& settings) {
  return RunConvert(photo, settings, BestKernelIsa());
}

}  // namespace graphitine
