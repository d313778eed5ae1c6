#include "papernoise.h"

#include <algorithm>
#include <cmath>

namespace papertextures {

std::uint64_t Random::Next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

void Field::Splat(double x, double y, double amount) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = x - x0, fy = y - y0;
  At(x0, y0) += amount * (1 - fx) * (1 - fy);
  At(x0 + 1, y0) += amount * fx * (1 - fy);
  At(x0, y0 + 1) += amount * (1 - fx) * fy;
  At(x0 + 1, y0 + 1) += amount * fx * fy;
}

void Field::Normalise() {
  double mean = 0;
  for (double v : values_) mean += v;
  mean /= static_cast<double>(values_.size());
  double largest = 0;
  for (double& v : values_) {
    v -= mean;
    largest = std::max(largest, std::abs(v));
  }
  if (largest > 0) {
    for (double& v : values_) v /= largest;
  }
}

Field ValueNoise(int size, int cells, Random& random) {
  Field lattice(cells);
  for (int y = 0; y < cells; ++y) {
    for (int x = 0; x < cells; ++x) lattice.At(x, y) = random.Between(-1, 1);
  }
  const double step = static_cast<double>(size) / cells;
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  Field field(size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double gx = x / step, gy = y / step;
      const int cx = static_cast<int>(gx), cy = static_cast<int>(gy);
      const double tx = smooth(gx - cx), ty = smooth(gy - cy);
      const double top = lattice.At(cx, cy) * (1 - tx) + lattice.At(cx + 1, cy) * tx;
      const double bottom = lattice.At(cx, cy + 1) * (1 - tx) + lattice.At(cx + 1, cy + 1) * tx;
      field.At(x, y) = top * (1 - ty) + bottom * ty;
    }
  }
  return field;
}

Field FractalNoise(int size, int cells, double persistence, Random& random) {
  Field sum(size);
  double weight = 1;
  for (int c = cells; c <= size; c *= 2, weight *= persistence) {
    const Field octave = ValueNoise(size, c, random);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) sum.At(x, y) += weight * octave.At(x, y);
    }
  }
  sum.Normalise();
  return sum;
}

Field Relief(const Field& height) {
  const int size = height.Size();
  Field relief(size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      relief.At(x, y) =
          (height.At(x - 1, y) - height.At(x + 1, y)) + (height.At(x, y - 1) - height.At(x, y + 1));
    }
  }
  relief.Normalise();
  return relief;
}

Field Fibres(int size, int count, double minLength, double maxLength, double darkness,
             Random& random) {
  Field fibres(size);
  constexpr double kPi = 3.14159265358979323846;
  for (int i = 0; i < count; ++i) {
    double x = random.Between(0, size), y = random.Between(0, size);
    double angle = random.Between(0, 2 * kPi);
    const double length = random.Between(minLength, maxLength);
    // Each strand turns by at most 0.8 radians along its whole length.
    const double bend = random.Between(-0.8, 0.8) / length;
    const double strength = darkness * random.Between(0.4, 1.0);
    for (double t = 0; t < length; t += 0.5) {
      // Strands fade in and out at their ends.
      const double fade = std::sin(kPi * t / length);
      fibres.Splat(x, y, strength * fade * 0.5);
      x += 0.5 * std::cos(angle);
      y += 0.5 * std::sin(angle);
      angle += bend * 0.5;
    }
  }
  return fibres;
}

}  // namespace papertextures
