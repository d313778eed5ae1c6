#include "sketch/engine_region.h"

#include <algorithm>
#include <cmath>

namespace graphitine {

namespace {

// The largest d with d * d <= n.
std::uint64_t SquareRootFloor(std::uint64_t n) {
  auto d = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  while (d > 0 && d * d > n) --d;
  while ((d + 1) * (d + 1) <= n) ++d;
  return d;
}

}  // namespace

BoxCircle::BoxCircle(int x0, int y0, int x1, int y1)
    : cx((static_cast<std::int64_t>(x0) + x1) / 2), cy((static_cast<std::int64_t>(y0) + y1) / 2) {
  const std::int64_t width = static_cast<std::int64_t>(x0) - x1;
  const std::uint64_t extent = static_cast<std::uint64_t>(width < 0 ? -width : width);
  r2 = extent * extent / 4;
}

Span BoxCircle::RowSpan(int y) const {
  const std::int64_t dy = y - cy;
  const std::uint64_t distance = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
  if (distance >= (std::uint64_t{1} << 32)) return {};
  const std::uint64_t dy2 = distance * distance;
  if (dy2 >= r2) return {};
  // dx * dx < r2 - dy2, that is dx * dx <= r2 - dy2 - 1.
  const auto reach = static_cast<std::int64_t>(SquareRootFloor(r2 - dy2 - 1));
  const std::int64_t left = std::max<std::int64_t>(cx - reach, INT32_MIN);
  const std::int64_t right = std::min<std::int64_t>(cx + reach, INT32_MAX);
  return {static_cast<int>(left), static_cast<int>(right)};
}

VisitedRegion::VisitedRegion(std::int64_t top, std::int64_t bottom, std::int64_t left,
                             std::int64_t right, const BoxCircle* circle)
    : cut_(circle != nullptr), circle_(circle != nullptr ? *circle : BoxCircle(0, 0, 0, 0)) {
  if (top > bottom || left > right) return;
  top_ = static_cast<int>(std::max<std::int64_t>(top, INT32_MIN));
  bottom_ = static_cast<int>(std::min<std::int64_t>(bottom, INT32_MAX));
  columns_ = {static_cast<int>(std::max<std::int64_t>(left, INT32_MIN)),
              static_cast<int>(std::min<std::int64_t>(right, INT32_MAX))};
}

Span VisitedRegion::RowSpan(int y) const {
  if (!cut_) return columns_;
  const Span inside = circle_.RowSpan(y);
  return {std::max(inside.left, columns_.left), std::min(inside.right, columns_.right)};
}

Span VisitedRegion::ColumnsOf(int top, int bottom) const {
  if (!cut_) return columns_;
  Span all;
  for (int y = top; y <= bottom; ++y) {
    const Span run = RowSpan(y);
    if (run.Empty()) continue;
    if (all.Empty()) {
      all = run;
    } else {
      all.left = std::min(all.left, run.left);
      all.right = std::max(all.right, run.right);
    }
  }
  return all;
}

}  // namespace graphitine
