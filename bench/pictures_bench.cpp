// The stages of converting one large photo: JPEG decoding, Convert, JPEG encoding, and the three
// overlapped as the converter runs them; and the quick look at the photo for a window.
// The photo is support/benchphoto.h's (bench/photos.sh makes the usual ones to name there).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "sketch/convertfile.h"
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

// A reduced picture for a view of 640 x 400 pixels: for a 5640 x 3172 photo, 1/8 of its size.
void BM_LoadPicturePreview(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(graphitine::LoadPicturePreview(BenchPhoto(), 640, 400));
  }
}
BENCHMARK(BM_LoadPicturePreview)->Unit(benchmark::kMillisecond);

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

// Reading, converting and writing overlapped on the worker pool (wall-clock time).
void BM_ConvertPictureFile(benchmark::State& state) {
  const fs::path out = fs::temp_directory_path() / "graphitine-bench-sketch.jpg";
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        graphitine::ConvertPictureFile(BenchPhoto(), {}, {}, out, graphitine::PictureFormat::Jpeg));
  }
  fs::remove(out);
}
BENCHMARK(BM_ConvertPictureFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
