// Where a strip's tabs go: the cut at the scroll buttons, the last tab's extra room, hidden
// tabs, and the scrolling that brings a chosen tab into full view.
#include <gtest/gtest.h>

#include <vector>

#include "skin/containers/tablayout_p.h"

namespace {

// A 288-pixel strip with 18-pixel scroll buttons: tabs before the last must end by 250, the
// last by 278.
TabStripMeasure Strip(std::vector<int> widths, int leftMargin = 10) {
  return {std::move(widths), 288, leftMargin, 18};
}

struct Span {
  int index, left, right;
  bool cut;
  bool operator==(const Span&) const = default;
};

std::vector<Span> Shown(const TabStripLayout& layout) {
  std::vector<Span> spans;
  for (const TabSpan& s : layout.shown) spans.push_back({s.index, s.left, s.right, s.cut});
  return spans;
}

TEST(TabStripLayout, PlacesTabsAndCutsTheOneReachingUnderTheButtons) {
  struct Case {
    const char* what;
    std::vector<int> widths;
    int leftMargin, firstShown;
    std::vector<Span> shown;
    int lastWhole;
    bool overflow;
  } const cases[] = {
      // clang-format off
      {"two short tabs", {40, 60}, 10, 0, {{0, 10, 50, false}, {1, 50, 110, false}}, 1, false},
      {"a tab before the last may end at the buttons", {120, 120, 20}, 10, 0,
       {{0, 10, 130, false}, {1, 130, 250, false}, {2, 250, 270, false}}, 2, false},
      {"the last tab may pass the buttons", {120, 148}, 10, 0, {{0, 10, 130, false}, {1, 130, 278, false}}, 1, false},
      {"the last tab stops 10 pixels before the edge", {120, 149}, 10, 0,
       {{0, 10, 130, false}, {1, 130, 250, true}}, 0, true},
      {"the crossing tab is cut and ends the row", {80, 80, 80, 80}, 50, 0,
       {{0, 50, 130, false}, {1, 130, 210, false}, {2, 210, 250, true}}, 1, true},
      {"scrolled tabs take no room", {80, 80, 80, 80, 80}, 50, 3, {{3, 50, 130, false}, {4, 130, 210, false}}, 4, false},
      {"hidden tabs take no room", {40, 0, 60}, 10, 0, {{0, 10, 50, false}, {2, 50, 110, false}}, 2, false},
      {"scrolling counts visible tabs only", {40, 0, 60, 30}, 10, 1, {{2, 10, 70, false}, {3, 70, 100, false}}, 3, false},
      {"a hidden last tab gives the last visible one its room", {120, 148, 0}, 10, 0,
       {{0, 10, 130, false}, {1, 130, 278, false}}, 2, false},
      // clang-format on
  };
  for (const Case& c : cases) {
    const TabStripLayout layout = LayoutTabStrip(Strip(c.widths, c.leftMargin), c.firstShown);
    EXPECT_EQ(Shown(layout), c.shown) << c.what;
    EXPECT_EQ(layout.lastWhole, c.lastWhole) << c.what;
    EXPECT_EQ(layout.overflow, c.overflow) << c.what;
  }
}

TEST(TabStripLayout, HoldsAnyNumberOfTabs) {
  const TabStripLayout layout = LayoutTabStrip(Strip(std::vector<int>(100, 80)), 97);
  EXPECT_EQ(Shown(layout),
            (std::vector<Span>{{97, 10, 90, false}, {98, 90, 170, false}, {99, 170, 250, false}}));
}

TEST(TabStripLayout, RevealScrollsUntilTheTabIsWhole) {
  struct Case {
    const char* what;
    std::vector<int> widths;
    int firstShown, active, revealed;
  } const cases[] = {
      // clang-format off
      {"already whole", {80, 80, 80, 80, 80}, 0, 1, 0},
      {"the cut tab", {80, 80, 80, 80, 80}, 0, 3, 1},
      {"beyond the cut", {80, 80, 80, 80, 80}, 0, 4, 2},
      {"scrolled off to the left comes back", {80, 80, 80, 80, 80}, 3, 1, 1},
      {"hidden tabs before it are not counted", {80, 0, 80, 80, 80, 80}, 3, 2, 1},
      {"a tab wider than the strip becomes the first shown", {80, 80, 400}, 0, 2, 2},
      {"no active tab", {80, 80, 80, 80, 80}, 2, -1, 2},
      {"a hidden active tab", {80, 80, 80, 0, 80}, 0, 3, 0},
      // clang-format on
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RevealTab(Strip(c.widths), c.firstShown, c.active), c.revealed) << c.what;
  }
}

}  // namespace
