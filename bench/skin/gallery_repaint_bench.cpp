// Repainting the MacOS gallery sheet: every skinned control of the gallery, in its states,
// painted into an off-screen picture of the sheet's size, as often as the benchmark asks.
//   build/bench/skin_gallery_bench --benchmark_min_time=2
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>

#include "gallery.h"

namespace {

void GalleryRepaint(benchmark::State& state, TSkinUIStyle style) {
  const std::unique_ptr<QWidget> sheet = BuildGallerySheet("bench", style, nullptr);
  RenderGallerySheet(*sheet);  // shown once: layouts settle, samples take their states
  QImage picture(sheet->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    sheet->render(&picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
  state.counters["sheet_px"] = static_cast<double>(sheet->width()) * sheet->height();
}

void BM_GalleryRepaintMacOS(benchmark::State& state) { GalleryRepaint(state, TSkinUIStyle::MacOS); }
BENCHMARK(BM_GalleryRepaintMacOS)->Unit(benchmark::kMillisecond);

}  // namespace
