#pragma once
// The 48 theme entries of a look, named: each entry's file item name (the name a theme file
// stores it under), its kind, and its value in each of the five built-in looks, in one table.
#include <cstdint>

enum class SkinEntry : int {
  ButtonImage = 1,
  ButtonTransparentBool,
  CheckBoxImage,
  RadioButtonImage,
  TitleBarButtonImage,
  TitleBarButtonTransparentBool,
  TitleBarButtonLeftOffsetInt,
  TitleBarButtonRightOffsetInt,
  TitleBarButtonTopInt,
  TitleBarLeftImage,
  TitleBarClientImage,
  TitleBarRightImage,
  FormMinWidthInt,
  FormRoundCornerInt,
  FormBackgroundColor,
  FormBorderColor,
  FormBorderWidthInt,
  MenuSelectedBorderColor,
  MenuSelectedBackgroundColor,
  MenuSelectedFontColor,
  MenuBackgroundColor,
  MenuFontColor,
  MenuBarColor,
  ProgressBarImage,
  ControlBorderColor,
  ControlBackgroundColor,
  ControlFontColor,
  TrackBarBarImage,
  TrackBarSliderImage,
  TrackBarSliderVImage,
  ScrollBarBackgroundColor,
  ScrollBarButtonImage,
  ScrollBarSliderImage,
  CheckListBoxImage,
  ToolBarButtonBorderColor,
  ToolBarButtonBackgroundColor,
  ToolBarButtonDownBackgroundColor,
  ScrollButtonImage,
  TabControlTabImage,
  TabControlBarImage,
  SideChannelHandleImage,
  SideChannelBarImage,
  TitleBarMinimizedImage,
  TitleBarFontColor,
  FormLeftBorderImage,
  FormBottomBorderImage,
  FormBottomRoundCornerInt,
  MenuMenuBarColor,
};

constexpr int kSkinThemeEntryCount = 48;

// The kind of an entry, by the byte that stands for it.
enum SkinItemKind : std::uint8_t {
  skinItemInt = 0,
  skinItemColor = 1,
  skinItemBitmap = 2,
  skinItemBool = 3
};

// One value of one built-in look: a number (integer, colour, 0/1 for a boolean) or a picture's
// resource name (empty: the look has no picture for the entry).
struct SkinEntryValue {
  long long number = 0;
  const char* picture = "";
};

constexpr int kSkinBuiltInLookCount = 5;  // MacOS, WinXP, DeepBlue, Protein, BlueGlass

struct SkinEntryInfo {
  SkinEntry entry;
  const char* itemName;
  SkinItemKind kind;
  SkinEntryValue values[kSkinBuiltInLookCount];
};

// The row of entry number 1..48; null for any other number.
const SkinEntryInfo* SkinEntryRow(int entry);
inline const SkinEntryInfo& SkinEntryRow(SkinEntry entry) {
  return *SkinEntryRow(static_cast<int>(entry));
}
// The file item name of entry 1..48 ("" for any other number) and its kind.
const char* SkinEntryName(int entry);
inline const char* SkinEntryName(SkinEntry entry) { return SkinEntryName(static_cast<int>(entry)); }
SkinItemKind SkinEntryKind(int entry);
