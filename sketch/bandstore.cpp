#include "sketch/bandstore.h"

namespace graphitine {

void BandStore::Make(int width, int height, int bandRows, int slots) {
  bandRows_ = bandRows;
  whole_ = slots <= 0;
  slots_ = whole_ ? 0 : slots;
  // Every row is written (decoded, or painted and drawn) before it is read.
  raster_ = Raster::Uninitialized(width, whole_ ? height : slots * bandRows);
  rows_.assign(static_cast<std::size_t>(height), nullptr);
  if (whole_) {
    for (int y = 0; y < height; ++y) rows_[static_cast<std::size_t>(y)] = raster_.Row(y);
  }
}

void BandStore::Adopt(Raster whole) {
  raster_ = std::move(whole);
  bandRows_ = raster_.Height();
  whole_ = true;
  slots_ = 0;
  rows_.resize(static_cast<std::size_t>(raster_.Height()));
  for (int y = 0; y < raster_.Height(); ++y) rows_[static_cast<std::size_t>(y)] = raster_.Row(y);
}

RowTable BandStore::Place(int first, int last) {
  if (!whole_) {
    const int slot = first / bandRows_ % slots_;
    for (int y = first; y <= last; ++y) {
      rows_[static_cast<std::size_t>(y)] = raster_.Row(slot * bandRows_ + y % bandRows_);
    }
  }
  return {rows_.data(), 0};
}

}  // namespace graphitine
