#pragma once
// What the skinned text and list controls and the notice window ask of the platform: the state
// of a scroll area's own scroll bars, the layout of a combo box, and a sliding show or hide of a
// window. Each answers false when it cannot give what was asked.
#include <QRect>
#include <cstdint>

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
  QRect item;    // the text field, in the combo box's coordinates
  QRect button;  // the drop-down button
  QWidget* list = nullptr;  // the drop-down list's window
  bool droppedDown = false;
};

bool SkinGetComboBoxInfo(const QComboBox* combo, SkinComboBoxInfo* info);

// Window animation flags, as the native call takes them.
constexpr std::uint32_t kSkinAnimateHorPositive = 0x00001;
constexpr std::uint32_t kSkinAnimateHorNegative = 0x00002;
constexpr std::uint32_t kSkinAnimateVerPositive = 0x00004;
constexpr std::uint32_t kSkinAnimateVerNegative = 0x00008;
constexpr std::uint32_t kSkinAnimateHide = 0x10000;
constexpr std::uint32_t kSkinAnimateSlide = 0x40000;

// Shows (or, with kSkinAnimateHide, hides) the window by growing (shrinking) its mask along the
// flags' directions over timeMs. The animation runs on the event loop as a QVariantAnimation
// child of the window named "SkinAnimateWindow"; at its end the mask is cleared and a hidden
// window is hidden. False, with nothing done, for no window, no time or no direction.
bool SkinAnimateWindow(QWidget* window, int timeMs, std::uint32_t flags);
