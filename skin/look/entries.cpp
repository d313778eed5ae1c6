// The table of the 48 theme entries. Colours are 0x00BBGGRR; columns MacOS, WinXP, DeepBlue,
// Protein, BlueGlass.
#include "skin/look/entries.h"

namespace {

constexpr SkinEntryValue V(long long number) { return {number, ""}; }
constexpr SkinEntryValue P(const char* picture) { return {0, picture}; }
constexpr SkinEntryValue True = {1, ""};
constexpr SkinEntryValue False = {0, ""};

// clang-format off
constexpr SkinEntryInfo kEntries[kSkinThemeEntryCount] = {
    {SkinEntry::ButtonImage, "ButtonImage", skinItemBitmap, {P("MACOS_BUTTON"), P("WINXP_BUTTON"), P("DEEPBLUE_BUTTON"), P("PROTEIN_BUTTON"), P("BLUEGLASS_BUTTON")}},
    {SkinEntry::ButtonTransparentBool, "ButtonTransparentBool", skinItemBool, {True, False, False, False, True}},
    {SkinEntry::CheckBoxImage, "CheckBoxImage", skinItemBitmap, {P("MACOS_CHECKBOX"), P("WINXP_CHECKBOX"), P("DEEPBLUE_CHECKBOX"), P("PROTEIN_CHECKBOX"), P("BLUEGLASS_CHECKBOX")}},
    {SkinEntry::RadioButtonImage, "RadioButtonImage", skinItemBitmap, {P("MACOS_RADIOBUTTON"), P("WINXP_RADIOBUTTON"), P("DEEPBLUE_RADIOBUTTON"), P("PROTEIN_RADIOBUTTON"), P("BLUEGLASS_RADIOBUTTON")}},
    {SkinEntry::TitleBarButtonImage, "TitleBarButtonImage", skinItemBitmap, {P("MACOS_TITLEBTN"), P("WINXP_TITLEBTN"), P("DEEPBLUE_TITLEBTN"), P("PROTEIN_TITLEBTN"), P("BLUEGLASS_TITLEBTN")}},
    {SkinEntry::TitleBarButtonTransparentBool, "TitleBarButtonTransparentBool", skinItemBool, {False, False, False, True, True}},
    {SkinEntry::TitleBarButtonLeftOffsetInt, "TitleBarButtonLeftOffsetInt", skinItemInt, {V(3), V(2), V(0), V(0), V(4)}},
    {SkinEntry::TitleBarButtonRightOffsetInt, "TitleBarButtonRightOffsetInt", skinItemInt, {V(-2), V(-2), V(0), V(0), V(-3)}},
    {SkinEntry::TitleBarButtonTopInt, "TitleBarButtonTopInt", skinItemInt, {V(4), V(5), V(2), V(2), V(6)}},
    {SkinEntry::TitleBarLeftImage, "TitleBarLeftImage", skinItemBitmap, {P("MACOS_TITLE_LEFT"), P("WINXP_TITLE_LEFT"), P("DEEPBLUE_TITLE_LEFT"), P("PROTEIN_TITLE_LEFT"), P("BLUEGLASS_TITLE_LEFT")}},
    {SkinEntry::TitleBarClientImage, "TitleBarClientImage", skinItemBitmap, {P("MACOS_TITLE_CLIENT"), P("WINXP_TITLE_CLIENT"), P("DEEPBLUE_TITLE_CLIENT"), P("PROTEIN_TITLE_CLIENT"), P("BLUEGLASS_TITLE_CLIENT")}},
    {SkinEntry::TitleBarRightImage, "TitleBarRightImage", skinItemBitmap, {P("MACOS_TITLE_RIGHT"), P("WINXP_TITLE_RIGHT"), P("DEEPBLUE_TITLE_RIGHT"), P("PROTEIN_TITLE_RIGHT"), P("BLUEGLASS_TITLE_RIGHT")}},
    {SkinEntry::FormMinWidthInt, "FormMinWidthInt", skinItemInt, {V(130), V(150), V(130), V(130), V(270)}},
    {SkinEntry::FormRoundCornerInt, "FormRoundCornerInt", skinItemInt, {V(0), V(13), V(0), V(0), V(11)}},
    {SkinEntry::FormBackgroundColor, "FormBackgroundColor", skinItemColor, {V(0xE7E7E7), V(0xDEEBEF), V(0xE8E8E8), V(0xFBFBFB), V(0xE7E7E7)}},
    {SkinEntry::FormBorderColor, "FormBorderColor", skinItemColor, {V(0x7F7F7F), V(0xC82C00), V(0x000000), V(0x000000), V(0x000000)}},
    {SkinEntry::FormBorderWidthInt, "FormBorderWidthInt", skinItemInt, {V(1), V(3), V(1), V(1), V(1)}},
    {SkinEntry::MenuSelectedBorderColor, "MenuSelectedBorderColor", skinItemColor, {V(0xC47339), V(0xC66931), V(0xA04A44), V(0xC4302D), V(0xEC5E5E)}},
    {SkinEntry::MenuSelectedBackgroundColor, "MenuSelectedBackgroundColor", skinItemColor, {V(0xC47339), V(0xEFD3C6), V(0xA04A44), V(0xC4302D), V(0xEC5E5E)}},
    {SkinEntry::MenuSelectedFontColor, "MenuSelectedFontColor", skinItemColor, {V(0xFFFFFF), V(0x000000), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF)}},
    {SkinEntry::MenuBackgroundColor, "MenuBackgroundColor", skinItemColor, {V(0x000000), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF), V(0xE7E7E7)}},
    {SkinEntry::MenuFontColor, "MenuFontColor", skinItemColor, {V(0x000000), V(0x000000), V(0x000000), V(0x000000), V(0x000000)}},
    {SkinEntry::MenuBarColor, "MenuBarColor", skinItemColor, {V(0x000000), V(0xCED3D6), V(0xCED3D6), V(0xCED3D6), V(0xCED3D6)}},
    {SkinEntry::ProgressBarImage, "ProgressBarImage", skinItemBitmap, {P("MACOS_PROGRESSBAR"), P("WINXP_PROGRESSBAR"), P("DEEPBLUE_PROGRESSBAR"), P("PROTEIN_PROGRESSBAR"), P("BLUEGLASS_PROGRESSBAR")}},
    {SkinEntry::ControlBorderColor, "ControlBorderColor", skinItemColor, {V(0x7F7F7F), V(0x686868), V(0x000000), V(0x000000), V(0x000000)}},
    {SkinEntry::ControlBackgroundColor, "ControlBackgroundColor", skinItemColor, {V(0xE7E7E7), V(0xDEEBEF), V(0xE8E8E8), V(0xFBFBFB), V(0xE7E7E7)}},
    {SkinEntry::ControlFontColor, "ControlFontColor", skinItemColor, {V(0x000000), V(0xCF4602), V(0x000000), V(0x000000), V(0x000000)}},
    {SkinEntry::TrackBarBarImage, "TrackBarBarImage", skinItemBitmap, {P("MACOS_TRACKBAR_BAR"), P("WINXP_TRACKBAR_BAR"), P("DEEPBLUE_TRACKBAR_BAR"), P("PROTEIN_TRACKBAR_BAR"), P("BLUEGLASS_TRACKBAR_BAR")}},
    {SkinEntry::TrackBarSliderImage, "TrackBarSliderImage", skinItemBitmap, {P("MACOS_TRACKBAR_SLIDER"), P("WINXP_TRACKBAR_SLIDER"), P("DEEPBLUE_TRACKBAR_SLIDER"), P("PROTEIN_TRACKBAR_SLIDER"), P("BLUEGLASS_TRACKBAR_SLIDER")}},
    {SkinEntry::TrackBarSliderVImage, "TrackBarSliderVImage", skinItemBitmap, {P("MACOS_TRACKBAR_SLIDER_V"), P("WINXP_TRACKBAR_SLIDER_V"), P("DEEPBLUE_TRACKBAR_SLIDER_V"), P("PROTEIN_TRACKBAR_SLIDER_V"), P("BLUEGLASS_TRACKBAR_SLIDER_V")}},
    {SkinEntry::ScrollBarBackgroundColor, "ScrollBarBackgroundColor", skinItemColor, {V(0xC9C9C9), V(0xF9F9F9), V(0xF5F5F5), V(0xF5F5F5), V(0xF4F4F4)}},
    {SkinEntry::ScrollBarButtonImage, "ScrollBarButtonImage", skinItemBitmap, {P("MACOS_SCROLLBAR_BUTTON"), P("WINXP_SCROLLBAR_BUTTON"), P("DEEPBLUE_SCROLLBAR_BUTTON"), P("PROTEIN_SCROLLBAR_BUTTON"), P("BLUEGLASS_SCROLLBAR_BUTTON")}},
    {SkinEntry::ScrollBarSliderImage, "ScrollBarSliderImage", skinItemBitmap, {P("MACOS_SCROLLBAR_TRACK"), P("WINXP_SCROLLBAR_TRACK"), P("DEEPBLUE_SCROLLBAR_TRACK"), P("PROTEIN_SCROLLBAR_TRACK"), P("BLUEGLASS_SCROLLBAR_TRACK")}},
    {SkinEntry::CheckListBoxImage, "CheckListBoxImage", skinItemBitmap, {P("MACOS_CHECKLIST"), P("WINXP_CHECKLIST"), P("DEEPBLUE_CHECKLIST"), P("PROTEIN_CHECKLIST"), P("BLUEGLASS_CHECKLIST")}},
    {SkinEntry::ToolBarButtonBorderColor, "ToolBarButtonBorderColor", skinItemColor, {V(0x474747), V(0xC66931), V(0x474747), V(0x474747), V(0x474747)}},
    {SkinEntry::ToolBarButtonBackgroundColor, "ToolBarButtonBackgroundColor", skinItemColor, {V(0xEFEFEF), V(0xEFD3C6), V(0xEFEFEF), V(0xEFEFEF), V(0xEFEFEF)}},
    {SkinEntry::ToolBarButtonDownBackgroundColor, "ToolBarButtonDownBackgroundColor", skinItemColor, {V(0xD8D8D8), V(0xE1AC93), V(0xD8D8D8), V(0xD8D8D8), V(0xD8D8D8)}},
    {SkinEntry::ScrollButtonImage, "ScrollButtonImage", skinItemBitmap, {P("MACOS_SCROLLBUTTON"), P("WINXP_SCROLLBUTTON"), P("MORE_SCROLLBUTTON"), P("MORE_SCROLLBUTTON"), P("MORE_SCROLLBUTTON")}},
    {SkinEntry::TabControlTabImage, "TabControlTabImage", skinItemBitmap, {P("MACOS_TAB"), P("WINXP_TAB"), P("DEEPBLUE_TAB"), P("PROTEIN_TAB"), P("BLUEGLASS_TAB")}},
    {SkinEntry::TabControlBarImage, "TabControlBarImage", skinItemBitmap, {P("MACOS_TAB_LINE"), P("WINXP_TAB_LINE"), P("DEEPBLUE_TAB_LINE"), P("PROTEIN_TAB_LINE"), P("BLUEGLASS_TAB_LINE")}},
    {SkinEntry::SideChannelHandleImage, "SideChannelHandleImage", skinItemBitmap, {P("MACOS_SIDECHENNEL_HANDLE"), P("WINXP_SIDECHENNEL_HANDLE"), P("DEEPBLUE_SIDECHENNEL_HANDLE"), P("PROTEIN_SIDECHENNEL_HANDLE"), P("BLUEGLASS_SIDECHENNEL_HANDLE")}},
    {SkinEntry::SideChannelBarImage, "SideChannelBarImage", skinItemBitmap, {P("MACOS_SIDECHENNEL_BAR"), P("WINXP_SIDECHENNEL_BAR"), P("DEEPBLUE_SIDECHENNEL_BAR"), P("PROTEIN_SIDECHENNEL_BAR"), P("BLUEGLASS_SIDECHENNEL_BAR")}},
    {SkinEntry::TitleBarMinimizedImage, "TitleBarMinimizedImage", skinItemBitmap, {P(""), P(""), P(""), P(""), P("")}},
    {SkinEntry::TitleBarFontColor, "TitleBarFontColor", skinItemColor, {V(0x000000), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF)}},
    {SkinEntry::FormLeftBorderImage, "FormLeftBorderImage", skinItemBitmap, {P(""), P(""), P(""), P(""), P("")}},
    {SkinEntry::FormBottomBorderImage, "FormBottomBorderImage", skinItemBitmap, {P(""), P(""), P(""), P(""), P("")}},
    {SkinEntry::FormBottomRoundCornerInt, "FormBottomRoundCornerInt", skinItemInt, {V(0), V(0), V(0), V(0), V(0)}},
    {SkinEntry::MenuMenuBarColor, "MenuMenuBarColor", skinItemColor, {V(0xE7E7E7), V(0xDEEBEF), V(0xE8E8E8), V(0xFBFBFB), V(0xE7E7E7)}},
};
// clang-format on

}  // namespace

const SkinEntryInfo* SkinEntryRow(int entry) {
  if (entry < 1 || entry > kSkinThemeEntryCount) return nullptr;
  return &kEntries[entry - 1];
}

const char* SkinEntryName(int entry) {
  const SkinEntryInfo* row = SkinEntryRow(entry);
  return row != nullptr ? row->itemName : "";
}

SkinItemKind SkinEntryKind(int entry) {
  const SkinEntryInfo* row = SkinEntryRow(entry);
  return row != nullptr ? row->kind : skinItemInt;
}
