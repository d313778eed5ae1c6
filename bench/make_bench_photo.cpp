// Makes the large photos the speed measurements run on, as 24-bit bitmaps (bench/photos.sh
// compresses them the way a camera would):
//
//   make_bench_photo smooth|detailed SOURCE WIDTH HEIGHT OUT.bmp
//
// smooth: SOURCE enlarged to WIDTH x HEIGHT, bilinear, nothing added: big areas of slow
// shading, as a blurred background gives. detailed: the same with fine texture at several
// scales and a little grain, so that it compresses about as poorly as a sharp camera photo.
// The same arguments always give the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "sketch/bmpfile.h"
#include "sketch/picturefile.h"
#include "sketch/raster.h"

namespace graphitine {
namespace {

Raster Enlarge(const Raster& from, int width, int height) {
  Raster to(width, height);
  for (int y = 0; y < height; ++y) {
    const double fy =
        std::clamp((y + 0.5) * from.Height() / height - 0.5, 0.0, from.Height() - 1.0);
    const int y0 = static_cast<int>(fy), y1 = std::min(y0 + 1, from.Height() - 1);
    const double wy = fy - y0;
    std::uint8_t* out = to.Row(y);
    for (int x = 0; x < width; ++x) {
      const double fx = std::clamp((x + 0.5) * from.Width() / width - 0.5, 0.0, from.Width() - 1.0);
      const int x0 = static_cast<int>(fx), x1 = std::min(x0 + 1, from.Width() - 1);
      const double wx = fx - x0;
      for (int c = 0; c < 3; ++c) {
        const double top = from.Row(y0)[3 * x0 + c] * (1 - wx) + from.Row(y0)[3 * x1 + c] * wx;
        const double bottom = from.Row(y1)[3 * x0 + c] * (1 - wx) + from.Row(y1)[3 * x1 + c] * wx;
        out[3 * x + c] = static_cast<std::uint8_t>(std::lround(top * (1 - wy) + bottom * wy));
      }
    }
  }
  return to;
}

// A value from -1 to 1 for a lattice point, the same every run.
double Lattice(std::uint32_t x, std::uint32_t y, std::uint32_t octave) {
  std::uint32_t h = x * 0x9E3779B1u ^ y * 0x85EBCA77u ^ octave * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFF) / 32767.5 - 1.0;
}

// Smoothly interpolated lattice values, cells of `cell` pixels.
double ValueNoise(int x, int y, int cell, std::uint32_t octave) {
  const auto cx = static_cast<std::uint32_t>(x / cell), cy = static_cast<std::uint32_t>(y / cell);
  auto ease = [](double t) { return t * t * (3 - 2 * t); };
  const double tx = ease(static_cast<double>(x % cell) / cell);
  const double ty = ease(static_cast<double>(y % cell) / cell);
  const double top = Lattice(cx, cy, octave) * (1 - tx) + Lattice(cx + 1, cy, octave) * tx;
  const double bottom =
      Lattice(cx, cy + 1, octave) * (1 - tx) + Lattice(cx + 1, cy + 1, octave) * tx;
  return top * (1 - ty) + bottom * ty;
}

// Texture from cells of 64 down to 2 pixels, the finer ones weaker, plus grain of one pixel.
void AddDetail(Raster& photo) {
  for (int y = 0; y < photo.Height(); ++y) {
    std::uint8_t* row = photo.Row(y);
    for (int x = 0; x < photo.Width(); ++x) {
      double texture = 0;
      std::uint32_t octave = 0;
      for (int cell = 64; cell >= 2; cell /= 2) {
        texture += ValueNoise(x, y, cell, ++octave) * (6.0 + std::sqrt(static_cast<double>(cell)));
      }
      const double grain =
          6.0 * Lattice(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 99);
      for (int c = 0; c < 3; ++c) {
        const double tint = 1.0 + 0.15 * (c - 1) * ValueNoise(x, y, 16, 50);
        const double v = row[3 * x + c] + texture * tint + grain;
        row[3 * x + c] = static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
      }
    }
  }
}

int Run(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: make_bench_photo smooth|detailed SOURCE WIDTH HEIGHT OUT.bmp\n");
    return 2;
  }
  const std::string kind = argv[1];
  const int width = std::stoi(argv[3]), height = std::stoi(argv[4]);
  if ((kind != "smooth" && kind != "detailed") || width <= 0 || height <= 0) {
    std::fprintf(stderr, "make_bench_photo: give smooth or detailed and a positive size\n");
    return 2;
  }
  Raster photo = Enlarge(LoadPicture(argv[2]), width, height);
  if (kind == "detailed") AddDetail(photo);
  WriteBmp(photo, argv[5]);
  return 0;
}

}  // namespace
}  // namespace graphitine

int main(int argc, char** argv) {
  try {
    return graphitine::Run(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_bench_photo: %s\n", error.what());
    return 1;
  }
}
