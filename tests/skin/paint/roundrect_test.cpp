// Rounded rectangles as exact pixel sets.
#include <gtest/gtest.h>

#include <QRegion>
#include <algorithm>
#include <cstdlib>

#include "skin/paint/roundrect_p.h"

namespace {

// The region's row y as a run (left, width); (0, 0) when the row is empty.
std::pair<int, int> Row(const QRegion& region, const QRect& within, int y) {
  const QRegion row = region & QRect(within.left(), y, within.width(), 1);
  if (row.isEmpty()) return {0, 0};
  EXPECT_EQ(row.rectCount(), 1) << "row " << y << " is one run";
  return {row.boundingRect().left(), row.boundingRect().width()};
}

TEST(EllipseRowInsets, CircleOfElevenCutsThreeTwoOneRows) {
  EXPECT_EQ(EllipseRowInsets(11, 11), (std::vector<int>{3, 2, 1, 0, 0, 0}));
  EXPECT_EQ(EllipseRowInsets(2, 2), (std::vector<int>{0}));
}

TEST(RoundRectRegion, CutsEveryCornerAlike) {
  const QRect rect(10, 20, 30, 16);
  const QRegion region = RoundRectRegion(rect, 11, 11);
  const std::pair<int, int> expected[] = {{13, 24}, {12, 26}, {11, 28}, {10, 30}};
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(Row(region, rect, rect.top() + j), expected[j]) << "top row " << j;
    EXPECT_EQ(Row(region, rect, rect.bottom() - j), expected[j]) << "bottom row " << j;
  }
  EXPECT_EQ(region.boundingRect(), rect);
}

TEST(RoundRectRegion, SmallEllipsesLeaveTheRectangleSquare) {
  const QRect rect(0, 0, 40, 30);
  for (int ellipse : {0, 1})
    EXPECT_EQ(RoundRectRegion(rect, ellipse, 20), QRegion(rect)) << ellipse;
  EXPECT_EQ(RoundRectRegion(rect, 200, 200), RoundRectRegion(rect, 40, 30))
      << "cut down to the rectangle";
}

TEST(CornerArcs, OutlineTheRoundedCornerWithoutGaps) {
  const std::vector<QPoint> arc = TopLeftArc(QPoint(0, 0), 22);
  // Each outline pixel touches the next (8-connected), from the top row down to the left edge.
  ASSERT_FALSE(arc.empty());
  EXPECT_EQ(arc.front().y(), 0);
  EXPECT_EQ(arc.back().x(), 0);
  for (const QPoint& p : arc) {
    const bool touches = std::any_of(arc.begin(), arc.end(), [&](const QPoint& q) {
      return q != p && std::abs(q.x() - p.x()) <= 1 && std::abs(q.y() - p.y()) <= 1;
    });
    EXPECT_TRUE(touches) << p.x() << "," << p.y();
  }
  const std::vector<QPoint> right = TopRightArc(100, 0, 22);
  ASSERT_EQ(right.size(), arc.size());
  for (size_t i = 0; i < arc.size(); ++i) EXPECT_EQ(right[i], QPoint(99 - arc[i].x(), arc[i].y()));
}

}  // namespace
