// Sliding a window in and out on the manual clock: the mask at given times, the end steps, and
// slides that are cut short by a new slide or by the window's deletion.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "skin/base/animatewindow_p.h"
#include "skin/base/timer_p.h"

namespace {

constexpr std::uint32_t kSlideIn = kSkinAnimateSlide | kSkinAnimateVerNegative;
constexpr std::uint32_t kSlideOut = kSkinAnimateHide | kSkinAnimateSlide | kSkinAnimateVerPositive;

TEST(SkinAnimateWindow, SlidesInFromTheBottomAndOutTowardIt) {
  SkinManualClock clock;
  QWidget window;
  window.resize(100, 40);
  int ends = 0;
  ASSERT_TRUE(SkinAnimateWindow(&window, 200, kSlideIn, [&] { ++ends; }));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.mask(), QRegion(-1, -1, 1, 1)) << "nothing shown at the start";
  clock.Advance(100);
  EXPECT_EQ(window.mask(), QRegion(0, 20, 100, 20)) << "bottom half revealed";
  clock.Advance(99);
  EXPECT_EQ(ends, 0);
  clock.Advance(1);
  EXPECT_TRUE(window.mask().isEmpty()) << "whole window at the end";
  EXPECT_EQ(ends, 1);

  ASSERT_TRUE(SkinAnimateWindow(&window, 200, kSlideOut, [&] { ++ends; }));
  clock.Advance(150);
  EXPECT_EQ(window.mask(), QRegion(0, 30, 100, 10)) << "the top edge has moved down";
  EXPECT_TRUE(window.isVisible());
  clock.Advance(50);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.mask().isEmpty());
  EXPECT_EQ(ends, 2);
  clock.Advance(1000);
  EXPECT_EQ(ends, 2) << "a slide ends once";
}

TEST(SkinAnimateWindow, SidewaysSlidesAnchorAtTheirEdge) {
  SkinManualClock clock;
  QWidget window;
  window.resize(100, 40);
  ASSERT_TRUE(SkinAnimateWindow(&window, 100, kSkinAnimateHorPositive));
  clock.Advance(30);
  EXPECT_EQ(window.mask(), QRegion(0, 0, 30, 40)) << "grows rightward from the left edge";
  ASSERT_TRUE(SkinAnimateWindow(&window, 100, kSkinAnimateHide | kSkinAnimateHorNegative));
  clock.Advance(30);
  EXPECT_EQ(window.mask(), QRegion(0, 0, 70, 40)) << "withdraws leftward";
}

TEST(SkinAnimateWindow, RefusesWithoutWindowTimeOrDirection) {
  QWidget window;
  EXPECT_FALSE(SkinAnimateWindow(nullptr, 200, kSkinAnimateVerNegative));
  EXPECT_FALSE(SkinAnimateWindow(&window, 0, kSkinAnimateVerNegative));
  EXPECT_FALSE(SkinAnimateWindow(&window, 200, kSkinAnimateSlide));
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(SkinFinishWindowAnimation(&window)) << "nothing was started";
}

TEST(SkinAnimateWindow, ANewSlideFinishesTheRunningOneFirst) {
  SkinManualClock clock;
  QWidget window;
  window.resize(100, 40);
  window.show();
  std::vector<const char*> ends;
  ASSERT_TRUE(SkinAnimateWindow(&window, 200, kSlideOut, [&] { ends.push_back("out"); }));
  clock.Advance(50);
  ASSERT_TRUE(SkinAnimateWindow(&window, 200, kSlideIn, [&] { ends.push_back("in"); }));
  ASSERT_EQ(ends.size(), 1u) << "the slide-out has ended before the slide-in starts";
  EXPECT_TRUE(window.isVisible()) << "shown again by the new slide";
  clock.Advance(100);
  EXPECT_EQ(window.mask(), QRegion(0, 20, 100, 20)) << "the new slide measures from its own start";

  EXPECT_TRUE(SkinFinishWindowAnimation(&window));
  EXPECT_EQ(ends, (std::vector<const char*>{"out", "in"}));
  EXPECT_TRUE(window.mask().isEmpty());
  EXPECT_FALSE(SkinFinishWindowAnimation(&window));
}

TEST(SkinAnimateWindow, TheWindowMayGoAtTheEndOrBeforeIt) {
  SkinManualClock clock;
  auto* deletedAtTheEnd = new QWidget;
  deletedAtTheEnd->resize(50, 50);
  ASSERT_TRUE(SkinAnimateWindow(deletedAtTheEnd, 100, kSlideIn,
                                [deletedAtTheEnd] { delete deletedAtTheEnd; }));
  clock.Advance(200);

  int ends = 0;
  auto deletedMidway = std::make_unique<QWidget>();
  deletedMidway->resize(50, 50);
  ASSERT_TRUE(SkinAnimateWindow(deletedMidway.get(), 100, kSlideIn, [&] { ++ends; }));
  clock.Advance(50);
  deletedMidway.reset();
  clock.Advance(100);
  EXPECT_EQ(ends, 0) << "a slide dies with its window, without its end steps";
}

}  // namespace
