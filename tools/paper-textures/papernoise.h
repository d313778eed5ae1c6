#pragma once
// Tileable noise for paper pictures: everything repeats with the picture's size, so the
// tiles of a tiled paper meet without a seam.
#include <cstdint>
#include <vector>

namespace papertextures {

// A repeatable random source: the same seed gives the same paper on every machine.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint64_t Next();
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }  // [0, 1)
  double Between(double low, double high) { return low + (high - low) * Unit(); }

 private:
  std::uint64_t state_;
};

// A size x size field of values, wrapping at its edges.
class Field {
 public:
  explicit Field(int size) : size_(size), values_(static_cast<std::size_t>(size) * size, 0.0) {}
  int Size() const { return size_; }
  double& At(int x, int y) { return values_[Index(x, y)]; }
  double At(int x, int y) const { return values_[Index(x, y)]; }
  // Adds amount around (x, y), spread over the four nearest pixels.
  void Splat(double x, double y, double amount);
  // Scales the values to mean 0 and the largest magnitude 1.
  void Normalise();

 private:
  std::size_t Index(int x, int y) const {
    const int wx = ((x % size_) + size_) % size_, wy = ((y % size_) + size_) % size_;
    return static_cast<std::size_t>(wy) * size_ + wx;
  }
  int size_;
  std::vector<double> values_;
};

// Smoothly interpolated random values on a lattice of `cells` x `cells` (a divisor of size).
Field ValueNoise(int size, int cells, Random& random);

// Octaves of value noise from `cells` up to one cell a pixel, each finer octave weighted by
// `persistence` times the one before.
Field FractalNoise(int size, int cells, double persistence, Random& random);

// Lit relief of a height field: positive where a slope faces the light from the upper left.
Field Relief(const Field& height);

// Random thin fibres: `count` short, gently curving strands of `darkness` (negative: lighter).
Field Fibres(int size, int count, double minLength, double maxLength, double darkness,
             Random& random);

}  // namespace papertextures
