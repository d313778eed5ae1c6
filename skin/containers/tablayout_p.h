#pragma once
// Where the tabs of a strip go. Tabs are laid side by side from the left margin, after the
// visible tabs scrolled off to the left; the first one that would reach under the scroll
// buttons is cut at them and ends the row. The last tab may come closer to the right edge,
// since the buttons are not needed when it fits.
#include <vector>

struct TabStripMeasure {
  // Width of each tab, by index; 0 for a hidden tab.
  std::vector<int> widths;
  int stripWidth = 0;
  int leftMargin = 0;
  int buttonWidth = 0;  // one scroll button
};

struct TabSpan {
  int index;
  int left;
  int right;  // exclusive; at the scroll buttons for a cut tab
  bool cut;
};

struct TabStripLayout {
  std::vector<TabSpan> shown;  // the drawn tabs, left to right
  int lastWhole;               // index of the last tab drawn whole; the last index when all fit
  bool overflow;               // a tab was cut: the scroll buttons are needed
};

TabStripLayout LayoutTabStrip(const TabStripMeasure& measure, int firstShown);

// The number of visible tabs to scroll off so that tab `active` is drawn whole, starting from
// `firstShown`: it scrolls forward until the tab is whole (or the tab is the first shown, for a
// tab wider than the strip), and back when the tab lies among those scrolled off.
int RevealTab(const TabStripMeasure& measure, int firstShown, int active);
