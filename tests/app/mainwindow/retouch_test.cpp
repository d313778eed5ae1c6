#include "app/mainwindow/retouch.h"

#include <gtest/gtest.h>

namespace graphitine {
namespace {

TEST(StrokeFrequencyTest, SquareRootOfTheRadiusOverTheTrackBarsRange) {
  struct Band {
    int first;
    int last;
    int m;
  };
  const Band bands[] = {{1, 3, 1},   {4, 8, 2},   {9, 15, 3}, {16, 24, 4},
                        {25, 35, 5}, {36, 48, 6}, {49, 62, 7}};
  for (const Band& band : bands) {
    for (int r = band.first; r <= band.last; ++r) EXPECT_EQ(StrokeFrequency(r), band.m) << r;
  }
}

TEST(BrushBoxTest, PhotoOfThousandPixelsInViewsOf345By258) {
  const ViewGeometry view{345, 258, ViewScale(750, 258)};
  EXPECT_FLOAT_EQ(view.scale, 2.9069767f);
  EXPECT_EQ(BrushBoxAt(100, 100, 32, 1, view), (BrushBox{197, 197, 383, 383}));
}

TEST(BrushBoxTest, PointsWithinTheLineStepOfTheEdgePaintNothing) {
  const ViewGeometry view{345, 258, 2.0f};
  const int s = 3;
  struct Point {
    int x;
    int y;
    bool paints;
  };
  const Point points[] = {{3, 100, false}, {4, 100, true},    {342, 100, false}, {341, 100, true},
                          {100, 3, false}, {100, 255, false}, {100, 254, true}};
  for (const Point& p : points) {
    EXPECT_EQ(BrushBoxAt(p.x, p.y, 10, s, view).has_value(), p.paints) << p.x << "," << p.y;
  }
}

}  // namespace
}  // namespace graphitine
