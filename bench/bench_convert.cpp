// Converting a 5640 x 3172 photo in each style and line step, against a plain copy of the same
// number of bytes. Times are wall-clock: the engine runs on several threads.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "sketch/engine.h"
#include "sketch/engine_driver.h"
#include "sketch/engine_kernel.h"
#include "sketch/raster.h"

namespace graphitine {
namespace {

constexpr int kWidth = 5640;
constexpr int kHeight = 3172;
constexpr double kMegapixels = kWidth * static_cast<double>(kHeight) / 1e6;

// Smooth shading, discs and bars with hard edges, and a little grain, as in a photo.
Raster SmoothPhoto() {
  Raster photo(kWidth, kHeight);
  std::mt19937 random(1);
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = photo.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      double light = 128 + 60 * std::sin(x / 300.0) * std::cos(y / 200.0);
      const double dx = (x % 900) - 450.0, dy = (y % 700) - 350.0;
      if (dx * dx + dy * dy < 250.0 * 250.0) light -= 70;  // discs
      if ((x / 37) % 11 == 0) light += 50;                 // thin bars
      const int grain = static_cast<int>(random() % 7) - 3;
      for (int c = 0; c < 3; ++c) {
        const double v = light * (0.8 + 0.2 * c) + grain;
        row[3 * x + c] = static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
      }
    }
  }
  return photo;
}

Raster NoisePhoto() {
  Raster photo(kWidth, kHeight);
  std::mt19937 random(2);
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = photo.ScanLine(y);
    for (int i = 0; i < 3 * kWidth; ++i) row[i] = static_cast<std::uint8_t>(random());
  }
  return photo;
}

const Raster& Photo(int kind) {
  static const Raster smooth = SmoothPhoto();
  static const Raster noise = NoisePhoto();
  return kind == 0 ? smooth : noise;
}

constexpr SketchTool kStyles[] = {SketchTool::Pen, SketchTool::Pencil, SketchTool::Soft};
constexpr const char* kStyleNames[] = {"pen", "pencil", "soft"};

void ReportRate(benchmark::State& state) {
  state.counters["MP/s"] = benchmark::Counter(kMegapixels * static_cast<double>(state.iterations()),
                                              benchmark::Counter::kIsRate);
}

// Arguments: style, line step, photo (0 smooth, 1 noise), threads (0 one per core).
void BM_Convert(benchmark::State& state) {
  const Raster& photo = Photo(static_cast<int>(state.range(2)));
  ConvertSettings settings;
  settings.choice = {kStyles[state.range(0)], SketchPage::Automatic};
  settings.lineStep = static_cast<int>(state.range(1));
  settings.threads = static_cast<int>(state.range(3));
  state.SetLabel(std::string(kStyleNames[state.range(0)]) +
                 (state.range(2) == 0 ? " smooth" : " noise"));
  for (auto _ : state) {
    Raster sketch = Convert(photo, settings);
    benchmark::DoNotOptimize(sketch.Data());
  }
  ReportRate(state);
}
BENCHMARK(BM_Convert)
    ->ArgNames({"style", "step", "photo", "threads"})
    ->ArgsProduct({{0, 1, 2}, {1, 3, 15}, {0, 1}, {0}})
    ->Args({1, 1, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The allocation of a fresh white sketch, which Convert starts with.
void BM_FreshSketch(benchmark::State& state) {
  for (auto _ : state) {
    Raster sketch(kWidth + 1, kHeight + 1);
    benchmark::DoNotOptimize(sketch.Data());
  }
  ReportRate(state);
}
BENCHMARK(BM_FreshSketch)->Unit(benchmark::kMillisecond)->UseRealTime();

// The kernel alone, drawing into a sketch that already exists. Arguments: style, threads.
void BM_KernelOnly(benchmark::State& state) {
  const Raster& photo = Photo(0);
  Raster sketch(kWidth + 1, kHeight + 1);
  EngineParameters parameters;
  parameters.threads = static_cast<int>(state.range(1));
  const SketchChoice choice{kStyles[state.range(0)], SketchPage::Automatic};
  state.SetLabel(kStyleNames[state.range(0)]);
  for (auto _ : state) {
    SketchRegion(1, 1, kWidth - 1, kHeight - 1, photo, sketch, parameters, choice);
    benchmark::DoNotOptimize(sketch.Data());
  }
  ReportRate(state);
}
BENCHMARK(BM_KernelOnly)
    ->ArgNames({"style", "threads"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The pencil at line step 1 on one thread in each instruction set the processor has.
void BM_ConvertIsa(benchmark::State& state) {
  const auto isa = static_cast<KernelIsa>(state.range(0));
  if (!KernelIsaAvailable(isa)) {
    state.SkipWithError("instruction set not available");
    return;
  }
  ConvertSettings settings;
  settings.choice = {SketchTool::Pencil, SketchPage::Automatic};
  settings.threads = 1;
  for (auto _ : state) {
    Raster sketch = RunConvert(Photo(0), settings, isa);
    benchmark::DoNotOptimize(sketch.Data());
  }
  ReportRate(state);
}
BENCHMARK(BM_ConvertIsa)
    ->ArgName("isa")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A plain copy of as many bytes as the photo holds.
void BM_Copy(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(kWidth) * kHeight * 3;
  std::vector<std::uint8_t> from(bytes, 1), to(bytes, 2);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  ReportRate(state);
}
BENCHMARK(BM_Copy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace graphitine

BENCHMARK_MAIN();
