#pragma once
// The sketch kernel over a band of rows, in one of several instruction sets. The band's pixels
// all have their nine samples inside the photo; the driver has already cut away the rest.
#include <cstddef>
#include <cstdint>

#include "sketch/engine_region.h"
#include "sketch/raster.h"
#include "sketch/rowtable.h"

namespace graphitine {

enum class KernelStyle { Pen, Pencil, Soft };

// Instruction sets the kernel is built for. Portable is plain C++ and runs everywhere.
enum class KernelIsa { Portable, Sse2, Avx2, Avx512 };

bool KernelIsaAvailable(KernelIsa isa);
// The fastest one this processor runs.
KernelIsa BestKernelIsa();

class SketchBackground;

// What the kernel draws over the pixels of region.
struct KernelRun {
  const VisitedRegion* region = nullptr;
  int lineStep = 1;
  int threshold = 0;  // 0..200: the centre sample never counts
  KernelStyle style = KernelStyle::Pen;
  // When given, each row of a band is painted with it just before the kernel draws on it, so a
  // fresh sketch is written in one pass (and the row is still in the cache when drawn on).
  const SketchBackground* background = nullptr;
  // With a background: each row is made in a scratch row and streamed out past the caches, for
  // a whole sketch that nothing reads again soon (the memory need not be read in to be written).
  bool stream = false;
};
// The rows first..last (inside the region's rows) drawn from the photo's rows first - s ..
// last + s into the sketch's rows first..last.
void RunKernelRows(KernelIsa isa, const KernelRun& run, ConstRowTable source, RowTable destination,
                   int first, int last);
// The same between whole rasters.
void RunKernelRows(KernelIsa isa, const KernelRun& run, const Raster& source, Raster& destination,
                   int first, int last);

// What one instruction set's code is handed: the rows and a scratch area for the photo's
// channels split into planes, 2s + 1 rows of them: per row the channel sum and the red channel
// (16 bits each) and the blue and green bytes in pairs, each plane planeLength pixels from
// source column columns.left - s.
struct KernelBand {
  ConstRowTable source;
  RowTable destination;
  const SketchBackground* background = nullptr;
  bool stream = false;
  std::uint8_t* scratch = nullptr;  // a row of width pixels, when streamed
  int width = 0;                    // the destination's width
  const VisitedRegion* region = nullptr;
  int first = 0;
  int last = -1;
  Span columns;  // holds every row's run from first to last
  int lineStep = 1;
  int threshold = 0;
  KernelStyle style = KernelStyle::Pen;
  std::uint8_t* planes = nullptr;  // 2s + 1 slots of kPlaneSlotBytes * planeLength bytes
  int planeLength = 0;
};
// Planes reach this many pixels past the last column, so a full vector can always be loaded.
constexpr int kPlanePadding = 32;
constexpr int kPlaneSlotBytes = 6;  // 2 for the sum, 2 for red, 2 for blue and green

void KernelBandPortable(const KernelBand& band);
void KernelBandSse2(const KernelBand& band);
void KernelBandAvx2(const KernelBand& band);
void KernelBandAvx512(const KernelBand& band);

}  // namespace graphitine
