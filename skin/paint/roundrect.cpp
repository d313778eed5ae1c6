#include <algorithm>
#include <cstdint>

#include "skin/paint/roundrect_p.h"

std::vector<int> EllipseRowInsets(int width, int height) {
  std::vector<int> insets;
  if (width <= 0 || height <= 0) return insets;
  // Pixel (i, j) has its centre (i + 1/2, j + 1/2) inside the ellipse of semi-axes w/2 and h/2
  // centred at (w/2, h/2) when (2i + 1 - w)² h² + (2j + 1 - h)² w² <= w² h².
  const std::int64_t w = width, h = height;
  const std::int64_t limit = w * w * h * h;
  for (int j = 0; j < (height + 1) / 2; ++j) {
    const std::int64_t dy = 2 * j + 1 - h;
    int inset = 0;
    while (inset < (width + 1) / 2) {
      const std::int64_t dx = 2 * inset + 1 - w;
      if (dx * dx * h * h + dy * dy * w * w <= limit) break;
      ++inset;
    }
    insets.push_back(inset);
  }
  return insets;
}

QRegion RoundRectRegion(const QRect& rect, int ellipseWidth, int ellipseHeight) {
  if (rect.isEmpty()) return QRegion();
  const int ew = std::min(ellipseWidth, rect.width());
  const int eh = std::min(ellipseHeight, rect.height());
  if (ew < 2 || eh < 2) return QRegion(rect);
  const std::vector<int> insets = EllipseRowInsets(ew, eh);
  QRegion region;
  const int rounded = eh / 2;  // rows cut at the top, and as many at the bottom
  for (int j = 0; j < rounded; ++j) {
    const int inset = insets[j];
    const int width = rect.width() - 2 * inset;
    if (width <= 0) continue;
    region += QRect(rect.left() + inset, rect.top() + j, width, 1);
    region += QRect(rect.left() + inset, rect.top() + rect.height() - 1 - j, width, 1);
  }
  const int middle = rect.height() - 2 * rounded;
  if (middle > 0) region += QRect(rect.left(), rect.top() + rounded, rect.width(), middle);
  return region;
}

namespace {

// The outline of the top-left quarter, in the circle box's own coordinates: the top row of the
// quarter from where it starts, and on each lower row the pixels up to where the row above began.
std::vector<QPoint> QuarterOutline(int diameter) {
  std::vector<QPoint> points;
  const std::vector<int> insets = EllipseRowInsets(diameter, diameter);
  const int half = diameter / 2;
  for (int j = 0; j < half; ++j) {
    const int from = insets[j];
    const int to = j == 0 ? half - 1 : std::max(from, insets[j - 1] - 1);
    for (int x = from; x <= to; ++x) points.emplace_back(x, j);
  }
  return points;
}

}  // namespace

std::vector<QPoint> TopLeftArc(QPoint origin, int diameter) {
  std::vector<QPoint> points = QuarterOutline(diameter);
  for (QPoint& p : points) p += origin;
  return points;
}

std::vector<QPoint> TopRightArc(int rightEdge, int top, int diameter) {
  std::vector<QPoint> points = QuarterOutline(diameter);
  for (QPoint& p : points) p = QPoint(rightEdge - 1 - p.x(), top + p.y());
  return points;
}
