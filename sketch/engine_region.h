#pragma once
// Which pixels a tool visits: a band of rows and, in each row, one run of columns. The runs
// come from the tool's loop bounds, the photo's edges and, when it applies, the circle of the
// box, all worked out once per row instead of testing every pixel.
#include <cstdint>

namespace graphitine {

// Columns left..right, both included; empty when left > right.
struct Span {
  int left = 0;
  int right = -1;
  bool Empty() const { return left > right; }
  int Length() const { return Empty() ? 0 : right - left + 1; }
};

// The circle inscribed in the box (x0, y0)-(x1, y1): centre ((x0 + x1) / 2, (y0 + y1) / 2) and
// radius squared (x0 - x1)^2 / 4, divisions truncating toward zero; only the horizontal extent
// enters the radius. A pixel is inside when its squared distance is below r2. Held in 64 bits
// (r2 unsigned) so that no box of int corners overflows.
struct BoxCircle {
  std::int64_t cx = 0;
  std::int64_t cy = 0;
  std::uint64_t r2 = 0;
  BoxCircle(int x0, int y0, int x1, int y1);
  // The columns of row y inside the circle.
  Span RowSpan(int y) const;
};

// Rows top..bottom and columns left..right (both ends included; any int64 values, clipped to
// int by the caller's photo bounds), optionally cut to a circle.
class VisitedRegion {
 public:
  VisitedRegion(std::int64_t top, std::int64_t bottom, std::int64_t left, std::int64_t right,
                const BoxCircle* circle);

  bool Empty() const { return top_ > bottom_; }
  int Top() const { return top_; }
  int Bottom() const { return bottom_; }
  Span RowSpan(int y) const;
  // The smallest run of columns that holds every row's run from top to bottom.
  Span ColumnsOf(int top, int bottom) const;

 private:
  int top_ = 0;
  int bottom_ = -1;
  Span columns_;
  bool cut_ = false;
  BoxCircle circle_;
};

}  // namespace graphitine
