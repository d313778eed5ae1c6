#pragma once
// Theme-file colours that mean more than a colour, in one place.
//
// A theme file answers kSkinAbsentColor for a colour entry it does not hold; the component that
// asked then falls back on a colour of its own.
//
// Theme files hold no colour for the panel's caption text and the menu bar's text, and may leave
// out the title bar's caption and the menu bar's colour. Components then decide by the theme's
// ControlFontColor (entry 27). Its near-black values
// 0x010000 to 0x050000 are markers the themes' authors used for that, and two dark colours count
// for the panel as well. What each component makes of them:
//
//   ControlFontColor    title caption  panel caption  menu bar text  menu bar colour
//   kSkinMarker1        black          white          MenuFontColor  form body colour
//   kSkinMarker2        white          black          MenuFontColor  0xAC5B3B
//   kSkinMarker3        black          black          white          0x996733
//   kSkinMarker4        black          black          MenuFontColor  form body colour
//   kSkinMarker5        black          black          MenuFontColor  form body colour
//   kSkinDarkBlueText   white          black          MenuFontColor  form body colour
//   kSkinDarkGreenText  white          black          MenuFontColor  form body colour
//   anything else       white          white          MenuFontColor  form body colour
//
// The title caption applies only when the theme has no TitleBarFontColor (entry 44), the menu
// bar colour only when it has no MenuMenuBarColor (entry 48). Built-in looks are never read this
// way: only a file theme in use is.
#include "skin/look/color.h"

constexpr TColor kSkinAbsentColor = 0xFFFFFFFF;  // -1 as a theme file stores it

constexpr TColor kSkinMarker1 = 0x010000;
constexpr TColor kSkinMarker2 = 0x020000;
constexpr TColor kSkinMarker3 = 0x030000;
constexpr TColor kSkinMarker4 = 0x040000;
constexpr TColor kSkinMarker5 = 0x050000;
constexpr TColor kSkinDarkBlueText = 0x7A5316;
constexpr TColor kSkinDarkGreenText = 0x22630F;

// One row of the table above; kSkinAbsentColor stands for the component's own colour.
struct SkinMarkerMeaning {
  TColor controlFont;
  TColor titleCaption;
  TColor panelCaption;
  TColor menuBarText;
  TColor menuBarColor;
};

inline constexpr SkinMarkerMeaning kSkinMarkerMeanings[] = {
    {kSkinMarker1, clBlack, clWhite, kSkinAbsentColor, kSkinAbsentColor},
    {kSkinMarker2, clWhite, clBlack, kSkinAbsentColor, 0xAC5B3B},
    {kSkinMarker3, clBlack, clBlack, clWhite, 0x996733},
    {kSkinMarker4, clBlack, clBlack, kSkinAbsentColor, kSkinAbsentColor},
    {kSkinMarker5, clBlack, clBlack, kSkinAbsentColor, kSkinAbsentColor},
    {kSkinDarkBlueText, clWhite, clBlack, kSkinAbsentColor, kSkinAbsentColor},
    {kSkinDarkGreenText, clWhite, clBlack, kSkinAbsentColor, kSkinAbsentColor},
};

// The row for a theme's ControlFontColor; for an unmarked colour, the table's "anything else".
constexpr SkinMarkerMeaning SkinMarkerMeaningOf(TColor controlFont) {
  for (const SkinMarkerMeaning& row : kSkinMarkerMeanings) {
    if (row.controlFont == controlFont) return row;
  }
  return {controlFont, clWhite, clWhite, kSkinAbsentColor, kSkinAbsentColor};
}

// A theme's colour, or fallback where the theme has none.
constexpr TColor SkinThemeColorOr(TColor themed, TColor fallback) {
  return themed != kSkinAbsentColor ? themed : fallback;
}
