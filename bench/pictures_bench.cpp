// The stages of converting one large photo (support/benchphoto.h): JPEG decoding, Convert, JPEG
// encoding.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "sketch/engine.h"
#include "sketch/jpegfile.h"
#include "sketch/picturefile.h"
#include "support/benchphoto.h"

namespace {

namespace fs = std::filesystem;

void BM_ReadJpeg(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(graphitine::LoadPicture(BenchPhoto()));
}
BENCHMARK(BM_ReadJpeg)->Unit(benchmark::kMillisecond);

void BM_Convert(benchmark::State& state) {
  const graphitine::Raster photo = graphitine::LoadPicture(BenchPhoto());
  for (auto _ : state) benchmark::DoNotOptimize(graphitine::Convert(photo, {}));
}
BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond);

void BM_WriteJpeg(benchmark::State& state) {
  const graphitine::Raster sketch = graphitine::Convert(graphitine::LoadPicture(BenchPhoto()), {});
  const fs::path out = fs::temp_directory_path() / "graphitine-bench-sketch.jpg";
  for (auto _ : state) graphitine::WriteJpeg(sketch, out);
  fs::remove(out);
}
BENCHMARK(BM_WriteJpeg)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
