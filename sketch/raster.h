#pragma once
// The working raster: 24-bit pixels, three bytes blue, green, red, rows padded to four bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sketch/pixel_allocator.h"

namespace graphitine {

class Raster {
 public:
  static constexpr int kBytesPerPixel = 3;

  Raster() = default;
  // A fresh raster of the given size is white.
  Raster(int width, int height);
  // A raster whose pixels are undefined until written, for a writer that writes every row
  // itself (a decoder, or a pass that whitens each band of rows just before drawing in it).
  static Raster Uninitialized(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  // Bytes from one row to the next (3 * width rounded up to a multiple of four).
  std::size_t Stride() const { return stride_; }

  // First byte of row y; a row outside 0..Height-1 raises GraphicError
  // "Scan line index out of range". Columns are the caller's to keep inside.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;

  // Unchecked row access for loops that have already bounded their rows.
  std::uint8_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* Row(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * stride_;
  }

  // Keeps the pixels that still fit at their coordinates and makes the new ones white.
  // Setting the current size changes nothing. Negative sizes count as 0.
  void SetSize(int width, int height);

  // Every pixel becomes this colour.
  void Fill(std::uint8_t blue, std::uint8_t green, std::uint8_t red);
  // Every pixel of rows first..last (both included, inside the raster) becomes this colour.
  void FillRows(int first, int last, std::uint8_t blue, std::uint8_t green, std::uint8_t red);

  std::uint8_t* Data() { return pixels_.data(); }
  const std::uint8_t* Data() const { return pixels_.data(); }

  friend bool operator==(const Raster& a, const Raster& b);

 private:
  void CheckRow(int y) const;

  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t, PixelAllocator<std::uint8_t>> pixels_;
};

}  // namespace graphitine
