#include "sketch/engine_driver.h"

#include <algorithm>
#include <cstdint>

#include "sketch/engine_parallel.h"
#include "sketch/engine_region.h"
#include "sketch/engine_tools.h"
#include "sketch/errors.h"
#include "sketch/paper.h"

namespace graphitine {

namespace {

// Regions smaller than this run on the calling thread unless the caller asks for threads:
// handing them to the pool's threads would cost more than a brush stroke's worth of pixels.
constexpr std::int64_t kPixelsWorthThreads = 1 << 16;

bool Draws(SketchTool tool) {
  return tool == SketchTool::Pen || tool == SketchTool::Pencil || tool == SketchTool::Soft;
}

KernelStyle StyleOf(SketchTool tool) {
  switch (tool) {
    case SketchTool::Pen:
      return KernelStyle::Pen;
    case SketchTool::Soft:
      return KernelStyle::Soft;
    default:
      return KernelStyle::Pencil;
  }
}

// What to ask ForEachRowChunk for: the caller's request if any, else 1 (the calling thread
// alone) for a small region and 0 (all of the pool's threads) for a large one.
int ThreadsForRegion(const VisitedRegion& region, int requested) {
  if (requested > 0 || region.Empty()) return std::max(requested, 1);
  const std::int64_t rows = static_cast<std::int64_t>(region.Bottom()) - region.Top() + 1;
  const std::int64_t columns = region.ColumnsOf(region.Top(), region.Bottom()).Length();
  return rows * columns < kPixelsWorthThreads ? 1 : 0;
}

// The pixels the kernel visits for the box on a width x height photo: it starts s in from the
// box's corner, and skips every pixel with a sample outside the photo, which also keeps it off
// the outermost rows and columns.
VisitedRegion KernelRegion(int x0, int y0, int x1, int y1, int width, int height,
                           const EngineParameters& parameters, const SketchChoice& choice) {
  const std::int64_t s = parameters.LineStep;
  const BoxCircle circle(x0, y0, x1, y1);
  return VisitedRegion(std::max(y0 + s, s), std::min<std::int64_t>(y1 - 2LL, height - 1 - s),
                       std::max(x0 + s, s), std::min<std::int64_t>(x1 - 2LL, width - 1 - s),
                       choice.page == SketchPage::Manual ? &circle : nullptr);
}

KernelRun KernelRunOf(const VisitedRegion& region, const EngineParameters& parameters,
                      const SketchChoice& choice, const SketchBackground* background) {
  return KernelRun{&region, parameters.LineStep, parameters.Threshold, StyleOf(choice.checked),
                   background};
}

// A band of rows splits 2s rows of the photo more than it draws, so bands are kept a few times
// taller than that.
int ChunkRows(const EngineParameters& parameters) { return std::max(8, 4 * parameters.LineStep); }

}  // namespace

void CheckParameters(const EngineParameters& parameters) {
  if (parameters.Threshold < 0 || parameters.Threshold > 200) {
    throw Error("Threshold must be between 0 and 200");
  }
  if (parameters.LineStep < 1 || parameters.LineStep > 15) {
    throw Error("Line step must be between 1 and 15");
  }
  if (parameters.ScaleDivisor != 1) throw Error("Scale divisor must be 1");
}

void RunSketchRegion(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
                     const EngineParameters& parameters, const SketchChoice& choice, KernelIsa isa,
                     std::stop_token stop) {
  CheckParameters(parameters);
  const std::int64_t width = source.Width();
  const std::int64_t height = source.Height();
  destination.SetSize(std::max(destination.Width(), source.Width() + 1),
                      std::max(destination.Height(), source.Height() + 1));
  const BoxCircle circle(x0, y0, x1, y1);

  // Every tool stops before column x1 - 1 and row y1 - 1 and never touches the photo's
  // outermost rows and columns.
  if (choice.checked == SketchTool::Eraser && choice.page == SketchPage::Manual) {
    const VisitedRegion region(
        std::max<std::int64_t>(y0, 1), std::min<std::int64_t>(y1 - 2LL, height - 2),
        std::max<std::int64_t>(x0, 1), std::min<std::int64_t>(x1 - 2LL, width - 2), &circle);
    EraseRegion(region, destination, ThreadsForRegion(region, parameters.threads));
    return;
  }
  if (choice.checked == SketchTool::ColourBrush) {
    const VisitedRegion region(
        std::max<std::int64_t>(y0 + 1LL, 1), std::min<std::int64_t>(y1 - 2LL, height - 2),
        std::max<std::int64_t>(x0 + 1LL, 1), std::min<std::int64_t>(x1 - 2LL, width - 2), &circle);
    PaintRegionAverage(region, source, destination, ThreadsForRegion(region, parameters.threads));
    return;
  }
  if (!Draws(choice.checked)) return;

  const VisitedRegion region =
      KernelRegion(x0, y0, x1, y1, source.Width(), source.Height(), parameters, choice);
  const KernelRun run = KernelRunOf(region, parameters, choice, nullptr);
  ForEachRowChunk(
      ThreadsForRegion(region, parameters.threads), region.Top(), region.Bottom(),
      ChunkRows(parameters),
      [&](int first, int last) { RunKernelRows(isa, run, source, destination, first, last); },
      std::move(stop));
}

void RunSketchPixel(int x, int y, const Raster& source, Raster& destination,
                    const EngineParameters& parameters, SketchTool style) {
  CheckParameters(parameters);
  destination.SetSize(std::max(destination.Width(), source.Width() + 1),
                      std::max(destination.Height(), source.Height() + 1));
  if (!Draws(style)) return;
  const std::int64_t s = parameters.LineStep;
  if (x - s < 0 || x + s >= source.Width() || y - s < 0 || y + s >= source.Height()) return;
  const VisitedRegion pixel(y, y, x, x, nullptr);
  const KernelRun run{&pixel, parameters.LineStep, parameters.Threshold, StyleOf(style)};
  RunKernelRows(KernelIsa::Portable, run, source, destination, y, y);
}

Raster RunConvert(const Raster& photo, const ConvertSettings& settings, KernelIsa isa,
                  std::stop_token stop) {
  const ConvertPass pass(photo.Width(), photo.Height(), settings, isa);
  // Every row is painted before it is drawn on.
  Raster sketch = Raster::Uninitialized(pass.SketchWidth(), pass.SketchHeight());
  pass.DrawAll(photo, sketch, std::move(stop));
  return sketch;
}

ConvertPass::ConvertPass(int photoWidth, int photoHeight, const ConvertSettings& settings,
                         KernelIsa isa)
    : photoWidth_(photoWidth),
      photoHeight_(photoHeight),
      parameters_(ParametersFor(settings)),
      choice_(settings.choice),
      isa_(isa),
      sketchWidth_(photoWidth / parameters_.ScaleDivisor + 1),
      sketchHeight_(photoHeight / parameters_.ScaleDivisor + 1),
      banded_(Draws(settings.choice.checked)),
      background_(settings.paper, sketchWidth_, sketchHeight_),
      region_(KernelRegion(parameters_.LineStep, parameters_.LineStep,
                           photoWidth - parameters_.LineStep, photoHeight - parameters_.LineStep,
                           photoWidth, photoHeight, parameters_, choice_)),
      run_(KernelRunOf(region_, parameters_, choice_, &background_)) {
  if (photoWidth <= 0 || photoHeight <= 0) {
    throw ConversionError("Cannot assign a TPicture to a TBitmap");
  }
}

int ConvertPass::PhotoRowsFor(int lastRow) const {
  if (!banded_) return photoHeight_;
  return std::clamp(lastRow + parameters_.LineStep + 1, 0, photoHeight_);
}

int ConvertPass::FirstPhotoRowFor(int firstRow) const {
  if (!banded_) return 0;
  return std::clamp(firstRow - parameters_.LineStep, 0, photoHeight_);
}

void ConvertPass::DrawRows(ConstRowTable photo, RowTable sketch, int first, int last) const {
  DrawRows(photo, sketch, first, last, run_);
}

void ConvertPass::DrawRows(ConstRowTable photo, RowTable sketch, int first, int last,
                           const KernelRun& run) const {
  // Rows above and below the kernel's are only painted.
  const int top = std::max(first, region_.Top());
  const int bottom = std::min(last, region_.Bottom());
  for (int y = first; y <= std::min(last, top - 1); ++y) background_.PaintRow(y, sketch.Row(y));
  if (top <= bottom) RunKernelRows(isa_, run, photo, sketch, top, bottom);
  for (int y = std::max(first, bottom + 1); y <= last; ++y) background_.PaintRow(y, sketch.Row(y));
}

void ConvertPass::DrawAll(const Raster& photo, Raster& sketch, std::stop_token stop) const {
  const int last = sketchHeight_ - 1;
  if (!banded_) {
    for (int y = 0; y <= last; ++y) background_.PaintRow(y, sketch.Row(y));
    const int s = parameters_.LineStep;
    RunSketchRegion(s, s, photoWidth_ - s, photoHeight_ - s, photo, sketch, parameters_, choice_,
                    isa_, std::move(stop));
    return;
  }
  // The whole sketch is made at once and read again only later: its rows are streamed out.
  KernelRun streamed = run_;
  streamed.stream = true;
  ForEachRowChunk(
      ThreadsForRegion(region_, parameters_.threads), 0, last, ChunkRows(parameters_),
      [&](int first, int chunkLast) {
        const ConstRasterRows photoRows(photo, FirstPhotoRowFor(first),
                                        PhotoRowsFor(chunkLast) - 1);
        const RasterRows sketchRows(sketch, first, chunkLast);
        DrawRows(photoRows.Table(), sketchRows.Table(), first, chunkLast, streamed);
      },
      std::move(stop));
}

}  // namespace graphitine
