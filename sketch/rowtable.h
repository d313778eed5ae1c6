#pragma once
// The rows of a picture by their index, for pictures whose rows need not lie in one block: a
// conversion keeps only the bands of rows still in use, each in a slot that it reuses.
#include <cstdint>
#include <vector>

#include "sketch/raster.h"

namespace graphitine {

template <class Byte>
struct RowsOf {
  Byte* const* rows = nullptr;  // row y starts at rows[y - first]
  int first = 0;

  Byte* Row(int y) const { return rows[y - first]; }
};
using RowTable = RowsOf<std::uint8_t>;
using ConstRowTable = RowsOf<const std::uint8_t>;

// The rows first..last of a raster, as a table.
template <class Byte, class Picture>
class RasterRowsOf {
 public:
  RasterRowsOf(Picture& picture, int first, int last) : first_(first) {
    for (int y = first; y <= last; ++y) rows_.push_back(picture.Row(y));
  }
  RowsOf<Byte> Table() const { return {rows_.data(), first_}; }

 private:
  std::vector<Byte*> rows_;
  int first_;
};
using RasterRows = RasterRowsOf<std::uint8_t, Raster>;
using ConstRasterRows = RasterRowsOf<const std::uint8_t, const Raster>;

}  // namespace graphitine
