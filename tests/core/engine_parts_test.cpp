// The driver's parts: the circle's row runs and the sharing of rows among threads.
#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <random>
#include <stdexcept>
#include <vector>

#include "sketch/engine_parallel.h"
#include "sketch/engine_region.h"

namespace graphitine {
namespace {

// The run of row y is exactly the columns with (x - cx)^2 + (y - cy)^2 < r2, divisions of the
// centre and radius truncating toward zero (negative corners included).
TEST(BoxCircle, RowRunsMatchThePixelTest) {
  std::mt19937 random(8);
  for (int box = 0; box < 400; ++box) {
    const int x0 = static_cast<int>(random() % 61) - 30, y0 = static_cast<int>(random() % 61) - 30;
    const int x1 = x0 + static_cast<int>(random() % 41) - 5, y1 = y0 + static_cast<int>(random() % 41) - 5;
    const BoxCircle circle(x0, y0, x1, y1);
    const long long cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, r2 = (x0 - x1) * (x0 - x1) / 4;
    for (int y = -40; y <= 60; ++y) {
      const Span run = circle.RowSpan(y);
      for (int x = -60; x <= 60; ++x) {
        const bool inside = (x - cx) * (x - cx) + (y - cy) * (y - cy) < r2;
        ASSERT_EQ(inside, !run.Empty() && run.left <= x && x <= run.right)
            << "box (" << x0 << ", " << y0 << ", " << x1 << ", " << y1 << ") pixel (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(BoxCircle, ExtremeCornersDoNotOverflow) {
  const BoxCircle all(INT_MIN, INT_MIN, INT_MAX, INT_MAX);  // centre (0, 0), radius about 2^31
  EXPECT_EQ(all.cx, 0);
  EXPECT_EQ(all.r2, (std::uint64_t{0xFFFFFFFF} * 0xFFFFFFFF) / 4);
  const Span middle = all.RowSpan(0);
  EXPECT_EQ(middle.left, -2147483647);
  EXPECT_EQ(middle.right, 2147483647);
  EXPECT_FALSE(all.RowSpan(INT_MAX).Empty());
  EXPECT_TRUE(BoxCircle(INT_MIN, 0, INT_MIN, 0).RowSpan(0).Empty());
  EXPECT_TRUE(BoxCircle(INT_MAX, 0, INT_MIN, 0).RowSpan(INT_MIN).Empty());
}

TEST(ForEachRowChunk, VisitsEveryRowOnceWithAnyThreadCount) {
  for (int threads : {0, 1, 2, 3, 8}) {
    for (const auto& [top, bottom] : std::vector<std::pair<int, int>>{{0, 0}, {5, 4}, {3, 100}, {-7, 1000}}) {
      std::vector<std::atomic<int>> seen(1100);
      ForEachRowChunk(threads, top, bottom, 4, [&](int first, int last) {
        ASSERT_LE(first, last);
        for (int y = first; y <= last; ++y) ++seen[y + 7];
      });
      for (int y = -7; y <= 1000; ++y) {
        ASSERT_EQ(seen[y + 7], (y >= top && y <= bottom) ? 1 : 0) << threads << " threads, row " << y;
      }
    }
  }
}

TEST(ForEachRowChunk, RethrowsAFailingChunksError) {
  for (int threads : {1, 3}) {
    try {
      ForEachRowChunk(threads, 0, 999, 1, [](int, int last) {
        if (last >= 500) throw std::runtime_error("chunk failed");
      });
      ADD_FAILURE() << "no error with " << threads << " threads";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "chunk failed");
    }
  }
}

}  // namespace
}  // namespace graphitine
