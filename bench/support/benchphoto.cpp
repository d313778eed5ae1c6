#include "support/benchphoto.h"

#include <cstdlib>
#include <random>

#include "sketch/jpegfile.h"

const std::filesystem::path& BenchPhoto() {
  namespace fs = std::filesystem;
  static const fs::path photo = [] {
    if (const char* given = std::getenv("GRAPHITINE_BENCH_PHOTO")) return fs::path(given);
    const fs::path file = fs::temp_directory_path() / "graphitine-bench-photo.jpg";
    graphitine::Raster raster(5640, 3172);
    std::mt19937 random(7);
    for (int y = 0; y < raster.Height(); ++y) {
      std::uint8_t* row = raster.Row(y);
      for (int x = 0; x < raster.Width(); ++x) {
        const int base = ((x / 97 + y / 61) % 2) * 120 + 60;
        for (int c = 0; c < 3; ++c)
          row[3 * x + c] = static_cast<std::uint8_t>(base + c * 20 + random() % 24);
      }
    }
    graphitine::WriteJpeg(raster, file, 90);
    return file;
  }();
  return photo;
}
