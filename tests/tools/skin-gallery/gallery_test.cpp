// The gallery's sheets show each sample in the state its label names; here the focused ones,
// of which a window can hold only one at a time.
#include "gallery.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"

namespace {

// The samples labelled as focused.
std::vector<QWidget*> FocusedSamples(QWidget& sheet) {
  std::vector<QWidget*> samples;
  for (auto* button : sheet.findChildren<TSkinButton*>()) {
    if (button->Caption() == "&Focused") samples.push_back(button);
  }
  for (auto* check : sheet.findChildren<TSkinCheckBox*>()) {
    if (check->Caption() == "Focused check box") samples.push_back(check);
  }
  return samples;
}

TEST(GallerySheet, EveryFocusedSampleShowsItsFocusMark) {
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::DeepBlue}) {
    const std::unique_ptr<QWidget> sheet = BuildGallerySheet("focus", style, nullptr);
    const QImage shown = RenderGallerySheet(*sheet).convertToFormat(QImage::Format_RGB32);
    const std::vector<QWidget*> samples = FocusedSamples(*sheet);
    ASSERT_EQ(samples.size(), 2u);
    for (QWidget* sample : samples) {
      sample->clearFocus();
      const QRect where(sample->mapTo(sheet.get(), QPoint(0, 0)), sample->size());
      const QImage withoutFocus =
          sheet->grab(where).toImage().convertToFormat(QImage::Format_RGB32);
      EXPECT_NE(shown.copy(where), withoutFocus)
          << sample->metaObject()->className() << " in style " << static_cast<int>(style);
    }
  }
}

}  // namespace
