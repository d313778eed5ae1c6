#pragma once
// The track of the skinned scroll bar: a track bar that never takes the focus, is no tab stop,
// and shows the pictures its scroll bar gives it instead of the look's.
#include "skin/bars/trackbar.h"

class TSkinScrollTrackBar : public TSkinTrackBar {
  Q_OBJECT
  Q_PROPERTY(bool SliderVisible READ SliderVisible WRITE SetSliderVisible)

 public:
  explicit TSkinScrollTrackBar(QWidget* owner = nullptr);

  bool SkinCanFocus() const override { return false; }
  bool SliderTransparent() const override { return false; }

  bool SliderVisible() const;
  void SetSliderVisible(bool value);
  // The slider takes the size of its picture from now on.
  void UpdateSliderSize();
};
