#include "app/fitting.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct FitCase {
  QSize area;
  QSize picture;
  QRect fitted;
};

void PrintTo(const FitCase& c, std::ostream* out) {
  *out << c.picture.width() << "x" << c.picture.height() << " in " << c.area.width() << "x"
       << c.area.height();
}

class FitPictureTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitPictureTest, LargestRectangleOfTheRatioCentred) {
  EXPECT_EQ(FitPicture(GetParam().area, GetParam().picture), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitPictureTest,
    ::testing::Values(
        // The left half of a 690 x 305 picture area.
        FitCase{{345, 305}, {400, 300}, {0, 23, 345, 258}},  // 345 * 0.75 = 258.75
        FitCase{{345, 305}, {300, 400}, {58, 0, 228, 305}},  // 305 / 1.333.. = 228.75
        // A window wider than the picture leaves equal bands left and right.
        FitCase{{500, 300}, {400, 300}, {50, 0, 400, 300}},
        // The picture at its own size fills the area exactly.
        FitCase{{400, 300}, {400, 300}, {0, 0, 400, 300}},
        // No picture, no rectangle.
        FitCase{{345, 305}, {0, 0}, {}}));

}  // namespace
