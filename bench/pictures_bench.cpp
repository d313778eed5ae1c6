// The stages of converting one large photo: JPEG decoding, Convert, JPEG encoding, and the three
// overlapped as the converter runs them; and the quick look at the photo for a window.
// GRAPHITINE_BENCH_PHOTO names the photo to use (bench/photos.sh makes the usual ones); without
// it a synthetic 5640 x 3172 photo is written to a temporary JPEG first.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "sketch/convertfile.h"
#include "sketch/engine.h"
#include "sketch/jpegfile.h"
#include "sketch/picturefile.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Photo() {
  static const fs::path photo = [] {
    if (const char* given = std::getenv("GRAPHITINE_BENCH_PHOTO")) return fs::path(given);
    const fs::path file = fs::temp_directory_path() / "graphitine-bench-photo.jpg";
    graphitine::Raster raster(5640, 3172);
    std::mt19937 random(7);
    for (int y = 0; y < raster.Height(); ++y) {
      std::uint8_t* row = raster.Row(y);
      for (int x = 0; x < raster.Width(); ++x) {
        const int base = ((x / 97 + y / 61) % 2) * 120 + 60;
        for (int c = 0; c < 3; ++c) row[3 * x + c] = static_cast<std::uint8_t>(base + c * 20 + random() % 24);
      }
    }
    graphitine::WriteJpeg(raster, file, 90);
    return file;
  }();
  return photo;
}

void BM_ReadJpeg(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(graphitine::LoadPicture(Photo()));
}
BENCHMARK(BM_ReadJpeg)->Unit(benchmark::kMillisecond);

// A reduced picture for a view of 640 x 400 pixels: for a 5640 x 3172 photo, 1/8 of its size.
void BM_LoadPicturePreview(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(graphitine::LoadPicturePreview(Photo(), 640, 400));
}
BENCHMARK(BM_LoadPicturePreview)->Unit(benchmark::kMillisecond);

void BM_Convert(benchmark::State& state) {
  const graphitine::Raster photo = graphitine::LoadPicture(Photo());
  for (auto _ : state) benchmark::DoNotOptimize(graphitine::Convert(photo, {}));
}
BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond);

void BM_WriteJpeg(benchmark::State& state) {
  const graphitine::Raster sketch = graphitine::Convert(graphitine::LoadPicture(Photo()), {});
  const fs::path out = fs::temp_directory_path() / "graphitine-bench-sketch.jpg";
  for (auto _ : state) graphitine::WriteJpeg(sketch, out);
  fs::remove(out);
}
BENCHMARK(BM_WriteJpeg)->Unit(benchmark::kMillisecond);

// Reading, converting and writing overlapped on the worker pool (wall-clock time).
void BM_ConvertPictureFile(benchmark::State& state) {
  const fs::path out = fs::temp_directory_path() / "graphitine-bench-sketch.jpg";
  for (auto _ : state) {
    benchmark::DoNotOptimize(graphitine::ConvertPictureFile(Photo(), {}, {}, out,
                                                            graphitine::PictureFormat::Jpeg));
  }
  fs::remove(out);
}
BENCHMARK(BM_ConvertPictureFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
