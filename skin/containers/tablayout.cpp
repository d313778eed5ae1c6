#include "skin/containers/tablayout_p.h"

namespace {

int LastVisibleTab(const std::vector<int>& widths) {
  for (int i = static_cast<int>(widths.size()) - 1; i >= 0; --i) {
    if (widths[i] > 0) return i;
  }
  return -1;
}

}  // namespace

TabStripLayout LayoutTabStrip(const TabStripMeasure& measure, int firstShown) {
  const int count = static_cast<int>(measure.widths.size());
  const int buttonsLeft = measure.stripWidth - 2 * measure.buttonWidth - 2;
  const int lastVisible = LastVisibleTab(measure.widths);
  TabStripLayout layout{{}, count - 1, false};
  int x = measure.leftMargin;
  int visibleCount = 0;
  for (int i = 0; i < count && !layout.overflow; ++i) {
    const int width = measure.widths[i];
    if (width <= 0) continue;
    if (++visibleCount <= firstShown) continue;
    const int limit = i == lastVisible ? measure.stripWidth - 10 : buttonsLeft;
    TabSpan span{i, x, x + width, false};
    if (span.right > limit) {
      span.right = buttonsLeft;
      span.cut = true;
      layout.lastWhole = i - 1;
      layout.overflow = true;
    }
    layout.shown.push_back(span);
    x += width;
  }
  return layout;
}

int RevealTab(const TabStripMeasure& measure, int firstShown, int active) {
  const int count = static_cast<int>(measure.widths.size());
  if (active < 0 || active >= count || measure.widths[active] <= 0) return firstShown;
  int before = 0;  // visible tabs before the active one
  for (int i = 0; i < active; ++i) before += measure.widths[i] > 0 ? 1 : 0;
  if (before < firstShown) return before;
  while (firstShown < before && LayoutTabStrip(measure, firstShown).lastWhole < active)
    ++firstShown;
  return firstShown;
}
