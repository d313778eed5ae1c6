#pragma once
// What a skinned form's frame takes from its look, shared by the form and the MDI frame form:
// the line and body colours, the border width, the menu bar's colour, a theme's border pictures
// and the body's pattern; and the frame built from them around a title bar and a menu bar.
#include <QImage>
#include <QSize>

#include "skin/look/color.h"
#include "skin/window/formframe_p.h"

class SkinComponent;
class TSkinMenuBar;
class TSkinTitleBar;

struct SkinFormLook {
  TColor borderColor = 0;
  int borderWidth = 1;
  TColor bodyColor = 0;
  // The look's menu bar colour: the body colour, or a theme's own (or the one its control text
  // colour stands for).
  TColor menuBarColor = 0;
  QImage leftBorder;   // a theme's side border
  QImage rightBorder;  // the same turned a half turn, for the right side
  QImage bottomBorder;
  QImage bodyPattern;  // MacOS and Protein fill the body with a pattern
};

SkinFormLook ReadFormLook(const SkinComponent& look);

// The frame of a window of the given size; the title bar counts only when shown.
SkinFormFrame FormFrameOf(const QSize& window, const SkinFormLook& look,
                          const TSkinTitleBar& titleBar, bool titleBarShown,
                          const TSkinMenuBar* menuBar, TColor menuBarColor, int roundCorner);
