#include "sketch/engine_tools.h"

#include <atomic>
#include <cstdint>
#include <cstring>

#include "sketch/engine_parallel.h"

namespace graphitine {

namespace {

// Rows handed to a thread at a time: the tools do little work per pixel.
constexpr int kToolChunkRows = 16;

}  // namespace

void EraseRegion(const VisitedRegion& region, Raster& destination, int threads) {
  ForEachRowChunk(threads, region.Top(), region.Bottom(), kToolChunkRows, [&](int first, int last) {
    for (int y = first; y <= last; ++y) {
      const Span run = region.RowSpan(y);
      if (run.Empty()) continue;
      std::memset(destination.Row(y) + 3 * static_cast<std::size_t>(run.left), 255,
                  3 * static_cast<std::size_t>(run.Length()));
    }
  });
}

void PaintRegionAverage(const VisitedRegion& region, const Raster& source, Raster& destination,
                        int threads) {
  std::atomic<std::uint64_t> sum[3] = {0, 0, 0};
  std::atomic<std::uint64_t> count{0};
  ForEachRowChunk(threads, region.Top(), region.Bottom(), kToolChunkRows, [&](int first, int last) {
    std::uint64_t blue = 0, green = 0, red = 0, pixels = 0;
    for (int y = first; y <= last; ++y) {
      const Span run = region.RowSpan(y);
      if (run.Empty()) continue;
      const std::uint8_t* p = source.Row(y) + 3 * static_cast<std::size_t>(run.left);
      for (int x = run.left; x <= run.right; ++x, p += 3) {
        blue += p[0];
        green += p[1];
        red += p[2];
      }
      pixels += static_cast<std::uint64_t>(run.Length());
    }
    sum[0] += blue;
    sum[1] += green;
    sum[2] += red;
    count += pixels;
  });
  if (count == 0) return;
  const std::uint8_t average[3] = {static_cast<std::uint8_t>(sum[0] / count),
                                   static_cast<std::uint8_t>(sum[1] / count),
                                   static_cast<std::uint8_t>(sum[2] / count)};
  ForEachRowChunk(threads, region.Top(), region.Bottom(), kToolChunkRows, [&](int first, int last) {
    for (int y = first; y <= last; ++y) {
      const Span run = region.RowSpan(y);
      if (run.Empty()) continue;
      std::uint8_t* p = destination.Row(y) + 3 * static_cast<std::size_t>(run.left);
      for (int x = run.left; x <= run.right; ++x, p += 3) std::memcpy(p, average, 3);
    }
  });
}

}  // namespace graphitine
