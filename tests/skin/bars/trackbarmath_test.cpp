// The track bar's arithmetic between positions and pixels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "skin/bars/trackbarmath_p.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// A 120-pixel track with an 11-pixel slider over 0..200, the precision slider's geometry.
constexpr int kTrack = 120;
constexpr int kSlider = 11;

TEST(TrackBarMath, SliderOffsetTruncatesTowardZero) {
  struct Case {
    int track, slider, min, max, position, offset;
  } const cases[] = {
      {kTrack, kSlider, 0, 200, 170, 92},  // 109 * 170 / 200 = 92.65
      {kTrack, kSlider, 0, 200, 0, 0},
      {kTrack, kSlider, 0, 200, 200, 109},  // the slider's right edge meets the track's
      {kTrack, kSlider, 0, 200, 101, 55},
      {kTrack, kSlider, -100, 100, 0, 54},
      {kTrack, kSlider, 5, 5, 5, 0},  // an empty range keeps the slider at the start
      {10, 11, 0, 10, 5, 0},          // a slider longer than the track: -1 * 5 / 10 -> 0
      {10, 14, 0, 10, 5, -2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(trackbar::SliderOffset(c.track, c.slider, c.min, c.max, c.position), c.offset)
        << c.min << ".." << c.max << " at " << c.position;
  }
}

TEST(TrackBarMath, WideRangesDoNotOverflow) {
  constexpr int kBig = std::numeric_limits<int>::max();
  EXPECT_EQ(trackbar::SliderOffset(1000, 10, 0, kBig, kBig), 990);
  EXPECT_EQ(trackbar::SliderOffset(1000, 10, -kBig, kBig, 0), 495);
  EXPECT_EQ(trackbar::PositionAtPixel(995, 1000, 10, 0, kBig), kBig);
  EXPECT_EQ(trackbar::Clamp(std::int64_t{kBig} + 5, 0, kBig), kBig);
}

TEST(TrackBarMath, PositionAtPixelRoundsHalvesToEven) {
  struct Case {
    int pixel, track, slider, min, max;
    std::int64_t position;
  } const cases[] = {
      {60, kTrack, kSlider, 0, 200, 101},  // 55 * 200 / 109 = 100.92
      {70, kTrack, kSlider, 0, 200, 119},  // 65 * 200 / 109 = 119.27
      {5, kTrack, kSlider, 0, 200, 0},
      // Track 6, slider 2: (pixel - 1) / 4 positions; halves go to the even neighbour.
      {3, 6, 2, 0, 1, 0},     // 0.5
      {7, 6, 2, 0, 1, 2},     // 1.5
      {11, 6, 2, 0, 1, 2},    // 2.5
      {-1, 6, 2, 0, 1, 0},    // -0.5
      {-5, 6, 2, 0, 1, -2},   // -1.5
      {7, 6, 2, 10, 11, 12},  // the range's start is added after rounding
      // Not clamped: outside the track the result leaves the range.
      {300, kTrack, kSlider, 0, 200, 541},
      {-40, kTrack, kSlider, 0, 200, -83},
      // A slider as long as the track maps every pixel to 0, whatever the range.
      {50, 20, 20, 5, 9, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(trackbar::PositionAtPixel(c.pixel, c.track, c.slider, c.min, c.max), c.position)
        << "pixel " << c.pixel << " on " << c.track << "/" << c.slider;
  }
}

TEST(TrackBarMath, SliderIsCentredAcrossTheTrack) {
  EXPECT_EQ(trackbar::SliderCrossOffset(20, 20), 0);
  EXPECT_EQ(trackbar::SliderCrossOffset(19, 11), 4);
  EXPECT_EQ(trackbar::SliderCrossOffset(20, 11), 4);
  EXPECT_EQ(trackbar::SliderCrossOffset(10, 20), 0);  // a thicker slider stays at the edge
}

// On a track with one pixel per position (and no slider) the tick offsets are the positions'
// distances from min.
std::vector<int> TickPositions(int min, int max, int frequency) {
  std::vector<int> positions;
  for (int offset : trackbar::TickOffsets(max - min, 0, min, max, frequency))
    positions.push_back(min + offset);
  return positions;
}

TEST(TrackBarMath, TicksFallOnEveryFrequencyStepAndOnMax) {
  EXPECT_THAT(TickPositions(1, 62, 5),
              ElementsAreArray({1, 6, 11, 16, 21, 26, 31, 36, 41, 46, 51, 56, 61, 62}));
  EXPECT_THAT(TickPositions(0, 10, 5), ElementsAre(0, 5, 10));
  EXPECT_THAT(TickPositions(0, 3, 1), ElementsAre(0, 1, 2, 3));
  EXPECT_THAT(TickPositions(0, 10, 0), ElementsAre(0, 10));
  EXPECT_THAT(TickPositions(0, 10, -3), ElementsAre(0, 10));
  EXPECT_THAT(TickPositions(-4, 4, 3), ElementsAre(-4, -1, 2, 4));
  EXPECT_THAT(TickPositions(7, 7, 1), ElementsAre());
}

TEST(TrackBarMath, PositionsSharingAPixelGiveOneTick) {
  // 10 pixels of room for 100 positions: ten positions a pixel, then max.
  EXPECT_THAT(trackbar::TickOffsets(15, 5, 0, 100, 1),
              ElementsAre(2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12));
  EXPECT_THAT(trackbar::TickOffsets(15, 5, 0, 100, 30), ElementsAre(2, 5, 8, 11, 12));
  // A slider longer than the track: offsets run backwards, truncated toward zero.
  EXPECT_THAT(trackbar::TickOffsets(5, 15, 0, 4, 1), ElementsAre(7, 5, 2, 0, -3));
  // A slider exactly as long as the track puts every tick on one pixel.
  EXPECT_THAT(trackbar::TickOffsets(11, 11, 0, 1000, 1), ElementsAre(5));
}

TEST(TrackBarMath, HugeRangesCostAtMostOneTickPerPixel) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const std::vector<int> all = trackbar::TickOffsets(150, 11, 0, kMax, 1);
  ASSERT_EQ(all.size(), 140u);
  EXPECT_EQ(all.front(), 5);
  EXPECT_EQ(all.back(), 144);
  EXPECT_EQ(trackbar::TickOffsets(150, 11, kMin, kMax, 1).size(), 140u);
  EXPECT_THAT(trackbar::TickOffsets(150, 11, 0, 20000000, 10000000), ElementsAre(5, 74, 144));
}

TEST(TrackBarMath, TickSitsUnderTheSliderCentre) {
  EXPECT_EQ(trackbar::TickOffset(kTrack, kSlider, 0, 200, 0), 5);
  EXPECT_EQ(trackbar::TickOffset(kTrack, kSlider, 0, 200, 200), 114);
  EXPECT_EQ(trackbar::TickOffset(kTrack, kSlider, 0, 200, 170), 97);
}

}  // namespace
