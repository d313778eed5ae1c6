#pragma once
// The picture panel as placed on forms: the track bar's slider, a form's background panel.
#include "skin/containers/custompanel.h"

class TSkinImagePanel : public TSkinCustomPanel {
  Q_OBJECT

 public:
  using TSkinCustomPanel::TSkinCustomPanel;
};
