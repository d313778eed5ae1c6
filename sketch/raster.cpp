#include "sketch/raster.h"

#include <algorithm>
#include <cstring>

#include "sketch/errors.h"

namespace graphitine {

namespace {

std::size_t StrideFor(int width) {
  return (static_cast<std::size_t>(width) * Raster::kBytesPerPixel + 3) & ~std::size_t{3};
}

}  // namespace

Raster::Raster(int width, int height) { SetSize(width, height); }

Raster Raster::Uninitialized(int width, int height) {
  Raster raster;
  raster.width_ = std::max(width, 0);
  raster.height_ = std::max(height, 0);
  raster.stride_ = StrideFor(raster.width_);
  raster.pixels_.resize(raster.stride_ * static_cast<std::size_t>(raster.height_));
  return raster;
}

void Raster::CheckRow(int y) const {
  if (y < 0 || y >= height_) throw GraphicError("Scan line index out of range");
}

std::uint8_t* Raster::ScanLine(int y) {
  CheckRow(y);
  return Row(y);
}

const std::uint8_t* Raster::ScanLine(int y) const {
  CheckRow(y);
  return Row(y);
}

void Raster::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;

  const std::size_t stride = StrideFor(width);
  std::vector<std::uint8_t, PixelAllocator<std::uint8_t>> pixels(
      stride * static_cast<std::size_t>(height), 0xFF);
  const int keepRows = std::min(height, height_);
  const std::size_t keepBytes = static_cast<std::size_t>(std::min(width, width_)) * kBytesPerPixel;
  for (int y = 0; y < keepRows; ++y) {
    std::memcpy(pixels.data() + static_cast<std::size_t>(y) * stride, Row(y), keepBytes);
  }
  width_ = width;
  height_ = height;
  stride_ = stride;
  pixels_ = std::move(pixels);
}

void Raster::Fill(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  if (height_ > 0) FillRows(0, height_ - 1, blue, green, red);
}

void Raster::FillRows(int first, int last, std::uint8_t blue, std::uint8_t green,
                      std::uint8_t red) {
  const std::size_t rowBytes = static_cast<std::size_t>(width_) * kBytesPerPixel;
  for (int y = first; y <= last; ++y) {
    std::uint8_t* p = Row(y);
    if (blue == green && green == red) {
      std::memset(p, blue, rowBytes);
      continue;
    }
    for (int x = 0; x < width_; ++x, p += kBytesPerPixel) {
      p[0] = blue;
      p[1] = green;
      p[2] = red;
    }
  }
}

bool operator==(const Raster& a, const Raster& b) {
  if (a.width_ != b.width_ || a.height_ != b.height_) return false;
  const std::size_t rowBytes = static_cast<std::size_t>(a.width_) * Raster::kBytesPerPixel;
  for (int y = 0; y < a.height_; ++y) {
    if (std::memcmp(a.Row(y), b.Row(y), rowBytes) != 0) return false;
  }
  return true;
}

}  // namespace graphitine
