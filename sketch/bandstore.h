#pragma once
// A picture's rows in bands of equal height, held whole or, when only a few bands are in use
// at a time, in a few slots that the bands take in turn from the top down: band b lies in slot
// b mod slots. So a conversion that keeps neither picture touches a few megabytes of memory,
// again and again, instead of two whole pictures' worth of fresh pages.
#include <cstdint>
#include <vector>

#include "sketch/raster.h"
#include "sketch/rowtable.h"

namespace graphitine {

class BandStore {
 public:
  // A width x height picture in bands of bandRows rows; slots 0: the whole picture at once.
  void Make(int width, int height, int bandRows, int slots);
  // The whole picture, already there.
  void Adopt(Raster whole);

  // Whether band's slot is free once the first `released` bands are no longer needed.
  bool SlotFree(int band, int released) const { return whole_ || band < released + slots_; }

  // Places rows first..last, all of one band, in the band's slot, to be written; returns the
  // table of the rows placed so far.
  RowTable Place(int first, int last);
  // The table of the rows placed so far, to be read.
  ConstRowTable Placed() const { return {rows_.data(), 0}; }

  // Only when held whole.
  Raster& Whole() { return raster_; }
  Raster TakeWhole() { return std::move(raster_); }

 private:
  Raster raster_;  // the whole picture, or the slots one under the other
  int bandRows_ = 0;
  int slots_ = 0;
  bool whole_ = true;
  std::vector<std::uint8_t*> rows_;  // where each row of the picture is
};

}  // namespace graphitine
