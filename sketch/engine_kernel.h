#pragma once
// The sketch kernel over a band of rows, in one of several instruction sets. The band's pixels
// all have their nine samples inside the photo; the driver has already cut away the rest.
#include <cstddef>
#include <cstdint>

#include "sketch/engine_region.h"
#include "sketch/raster.h"

namespace graphitine {

enum class KernelStyle { Pen, Pencil, Soft };

// Instruction sets the kernel is built for. Portable is plain C++ and runs everywhere.
enum class KernelIsa { Portable, Sse2, Avx2 };

bool KernelIsaAvailable(KernelIsa isa);
// The fastest one this processor runs.
KernelIsa BestKernelIsa();

// The rows first..last of region, drawn from source into destination.
struct KernelRun {
  const Raster* source = nullptr;
  Raster* destination = nullptr;
  const VisitedRegion* region = nullptr;
  int lineStep = 1;
  int threshold = 0;  // 0..200: the centre sample never counts
  KernelStyle style = KernelStyle::Pen;
};
void RunKernelRows(KernelIsa isa, const KernelRun& run, int first, int last);

// What one instruction set's code is handed: raw rows and a scratch area for the photo's
// channels split into planes (blue, green, red and their sum, 16 bits each), 2s + 1 rows of
// four planes, each plane planeLength values starting at source column columns.left - s.
struct KernelBand {
  const std::uint8_t* source = nullptr;
  std::size_t sourceStride = 0;
  std::uint8_t* destination = nullptr;
  std::size_t destinationStride = 0;
  const VisitedRegion* region = nullptr;
  int first = 0;
  int last = -1;
  Span columns;  // holds every row's run from first to last
  int lineStep = 1;
  int threshold = 0;
  KernelStyle style = KernelStyle::Pen;
  std::int16_t* planes = nullptr;
  int planeLength = 0;
};
// Planes reach this many values past the last column, so a full vector can always be loaded.
constexpr int kPlanePadding = 32;

void KernelBandPortable(const KernelBand& band);
void KernelBandSse2(const KernelBand& band);
void KernelBandAvx2(const KernelBand& band);

}  // namespace graphitine
