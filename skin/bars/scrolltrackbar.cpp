#include "skin/bars/scrolltrackbar.h"

#include "skin/containers/imagepanel.h"

TSkinScrollTrackBar::TSkinScrollTrackBar(QWidget* owner) : TSkinTrackBar(owner, true) {
  SetTabStop(false);
}

bool TSkinScrollTrackBar::SliderVisible() const { return !Slider()->isHidden(); }

void TSkinScrollTrackBar::SetSliderVisible(bool value) {
  if (value != SliderVisible()) Slider()->setVisible(value);
}

void TSkinScrollTrackBar::UpdateSliderSize() { Slider()->SetAutoSize(true); }
