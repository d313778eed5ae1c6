#include "sketch/engine.h"

#include "sketch/engine_driver.h"
#include "sketch/errors.h"

namespace graphitine {

void SketchPixel(int x, int y, const Raster& source, Raster& destination,
                 const EngineParameters& parameters, SketchTool style) {
  RunSketchPixel(x, y, source, destination, parameters, style);
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

Raster Convert(const Raster& photo, const ConvertSettings& settings, std::stop_token stop) {
  return RunConvert(photo, settings, BestKernelIsa(), std::move(stop));
}

}  // namespace graphitine
