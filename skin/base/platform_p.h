#pragma once
// What the skinned text and list controls ask of the platform: the state of a scroll area's own
// scroll bars and the layout of a combo box. Each answers false when it cannot give what was
// asked. (Sliding a window in or out is in animatewindow_p.h.)
#include <QRect>

class QAbstractScrollArea;
class QComboBox;
class QWidget;

// Scroll-bar states, as the native bars report them.
constexpr int kSkinScrollBarUnavailable = 0x0001;
constexpr int kSkinScrollBarInvisible = 0x8000;

struct SkinScrollBarInfo {
  QRect bar;  // in the scroll area's coordinates
  // The thumb along the bar, from the bar's start (top or left).
  int thumbTop = 0;
  int thumbBottom = 0;
  int state = 0;  // 0, kSkinScrollBarInvisible or kSkinScrollBarUnavailable
  // Qt's range: maximum is the last position (the native maximum less page + 1).
  int minimum = 0;
  int maximum = 0;
  int pageStep = 0;
  int value = 0;
};

// The area's horizontal or vertical scroll bar.
bool SkinGetScrollBarInfo(const QAbstractScrollArea* area, Qt::Orientation orientation,
                          SkinScrollBarInfo* info);

struct SkinComboBoxInfo {
  QRect item;               // the text field, in the combo box's coordinates
  QRect button;             // the drop-down button
  QWidget* list = nullptr;  // the drop-down list's window
  bool droppedDown = false;
};

bool SkinGetComboBoxInfo(const QComboBox* combo, SkinComboBoxInfo* info);
