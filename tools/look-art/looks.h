#pragma once
// What each of the five looks is made of: the sizes of its pictures, the faces its controls are
// painted with, and its own caption art.
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "artkit.h"
#include "skin/look/builtinlooks.h"

namespace art {

struct Picture {
  QString name;
  QImage image;
};
using Pictures = std::vector<Picture>;

// Frame sizes of the look's pictures (one frame where the picture is a strip).
struct LookSizes {
  QSize button, checkBox, radioButton, checkList, captionButton;
  QSize titleLeft, titleClient, titleRight;
  QSize progress, trackBar, slider, sliderV;
  QSize scrollButton, scrollThumb, tabScrollButton, tab, tabLine;
  QSize sideHandle, sideBar;
};

struct Look {
  TSkinUIStyle style;
  QString prefix;  // "MACOS", ...; also names the tab scroll buttons unless sharedScrollButton
  bool sharedScrollButton = false;
  LookSizes size;

  // Colours of the theme table: form and control backgrounds, control frame, scroll bar.
  QColor form, control, controlBorder, scrollBack;

  qreal buttonRadius = 3;
  Face buttonNormal, buttonHover, buttonPressed;

  qreal boxRadius = 2;
  Face boxOff, boxOn;  // check box and radio button faces, unchecked and checked
  QColor mark,
      markOn;  // the check mark or dot on the unchecked (for the check list) and checked face

  Face groove;  // track-bar channel
  Face knob;    // track-bar slider
  Face thumb;   // scroll-bar thumb
  Stops progress;

  qreal arrowRadius = 2;
  Face arrowNormal, arrowHover, arrowPressed;  // scroll-bar arrow buttons
  QColor arrow;

  Face tabActive, tabInactive;
  QColor tabHighlight;  // the top edge of the active tab; invalid: none
  Stops tabLine;        // rows of the line under the tabs, top to bottom

  Stops sideBar;  // the panel's caption bar
  QColor sideHandle;

  // The caption: TITLE_LEFT, TITLE_CLIENT, TITLE_RIGHT and the 18-frame TITLEBTN strip.
  std::function<Pictures(const Look&)> caption;
};

Look MacOSLook();
Look WinXPLook();
Look DeepBlueLook();
Look ProteinLook();
Look BlueGlassLook();

// The pictures every look has, painted from its faces and sizes (buttons, boxes, bars, tabs,
// panel pieces).
Pictures ControlPictures(const Look& look);
// The four tab-bar scroll buttons (next, next under the pointer, previous, previous under the
// pointer) in the look's faces.
QImage TabScrollButtons(const Look& look, QSize frame);
// The pictures with fixed names, shared by the looks.
Pictures FixedPictures(const Look& macos, const Look& winxp);

}  // namespace art
