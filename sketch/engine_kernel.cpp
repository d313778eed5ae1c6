#include "sketch/engine_kernel.h"

#include <vector>

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
#endif
    default:
      return false;
  }
}

KernelIsa BestKernelIsa() {
  static const KernelIsa best = [] {
    for (KernelIsa isa : {KernelIsa::Avx2, KernelIsa::Sse2}) {
      if (KernelIsaAvailable(isa)) return isa;
    }
    return KernelIsa::Portable;
  }();
  return best;
}

void RunKernelRows(KernelIsa isa, const KernelRun& run, int first, int last) {
  KernelBand band;
  band.columns = run.region->ColumnsOf(first, last);
  if (band.columns.Empty()) return;
  band.source = run.source->Data();
  band.sourceStride = run.source->Stride();
  band.destination = run.destination->Data();
  band.destinationStride = run.destination->Stride();
  band.region = run.region;
  band.first = first;
  band.last = last;
  band.lineStep = run.lineStep;
  band.threshold = run.threshold;
  band.style = run.style;
  band.planeLength = band.columns.Length() + 2 * run.lineStep + kPlanePadding;
  std::vector<std::int16_t> planes(static_cast<std::size_t>(2 * run.lineStep + 1) * 4 *
                                   static_cast<std::size_t>(band.planeLength));
  band.planes = planes.data();
  switch (isa) {
#if defined(__x86_64__) || defined(__i386__)
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

}  // namespace graphitine
