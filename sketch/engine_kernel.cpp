#include "sketch/engine_kernel.h"

#include <vector>

#include "sketch/paper.h"

namespace graphitine {

bool KernelIsaAvailable(KernelIsa isa) {
  switch (isa) {
    case KernelIsa::Portable:
      return true;
#if defined(__x86_64__) || defined(__i386__)
    case KernelIsa::Sse2:
      return __builtin_cpu_supports("sse2");
    case KernelIsa::Avx2:
      return __builtin_cpu_supports("avx2");
    case KernelIsa::Avx512:
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
             __builtin_cpu_supports("avx512vbmi");
#endif
    default:
      return false;
  }
}

KernelIsa BestKernelIsa() {
  static const KernelIsa best = [] {
    for (KernelIsa isa : {KernelIsa::Avx512, KernelIsa::Avx2, KernelIsa::Sse2}) {
      if (KernelIsaAvailable(isa)) return isa;
    }
    return KernelIsa::Portable;
  }();
  return best;
}

void RunKernelRows(KernelIsa isa, const KernelRun& run, ConstRowTable source, RowTable destination,
                   int first, int last) {
  KernelBand band;
  band.columns = run.region->ColumnsOf(first, last);
  if (band.columns.Empty()) {
    if (run.background != nullptr) {
      for (int y = first; y <= last; ++y) run.background->PaintRow(y, destination.Row(y));
    }
    return;
  }
  band.source = source;
  band.destination = destination;
  band.background = run.background;
  band.stream = run.stream && run.background != nullptr;
  std::vector<std::uint8_t> scratch;
  if (band.stream) {
    band.width = run.background->Width();
    scratch.resize(3 * static_cast<std::size_t>(band.width));
    band.scratch = scratch.data();
  }
  band.region = run.region;
  band.first = first;
  band.last = last;
  band.lineStep = run.lineStep;
  band.threshold = run.threshold;
  band.style = run.style;
  // An even length keeps every slot's 16-bit sum plane aligned.
  band.planeLength = (band.columns.Length() + 2 * run.lineStep + kPlanePadding + 1) & ~1;
  std::vector<std::int16_t> planes(static_cast<std::size_t>(2 * run.lineStep + 1) *
                                   kPlaneSlotBytes * static_cast<std::size_t>(band.planeLength) /
                                   2);
  band.planes = reinterpret_cast<std::uint8_t*>(planes.data());
  switch (isa) {
#if defined(__x86_64__) || defined(__i386__)
    case KernelIsa::Avx512:
      KernelBandAvx512(band);
      return;
    case KernelIsa::Avx2:
      KernelBandAvx2(band);
      return;
    case KernelIsa::Sse2:
      KernelBandSse2(band);
      return;
#endif
    default:
      KernelBandPortable(band);
      return;
  }
}

void RunKernelRows(KernelIsa isa, const KernelRun& run, const Raster& source, Raster& destination,
                   int first, int last) {
  const ConstRasterRows photo(source, first - run.lineStep, last + run.lineStep);
  const RasterRows sketch(destination, first, last);
  RunKernelRows(isa, run, photo.Table(), sketch.Table(), first, last);
}

}  // namespace graphitine
