// Kinds and theme-file item names of the 48 theme entries, indexed from 1.
#include "skin/skinthemes.h"

const std::uint8_t SKIN_ITEM_TYPE[kSkinThemeEntryCount + 1] = {
    0,  // unused
    skinItemBitmap, skinItemBool,   skinItemBitmap, skinItemBitmap, skinItemBitmap,  // 1-5
    skinItemBool,   skinItemInt,    skinItemInt,    skinItemInt,    skinItemBitmap,  // 6-10
    skinItemBitmap, skinItemBitmap, skinItemInt,    skinItemInt,    skinItemColor,   // 11-15
    skinItemColor,  skinItemInt,    skinItemColor,  skinItemColor,  skinItemColor,   // 16-20
    skinItemColor,  skinItemColor,  skinItemColor,  skinItemBitmap, skinItemColor,   // 21-25
    skinItemColor,  skinItemColor,  skinItemBitmap, skinItemBitmap, skinItemBitmap,  // 26-30
    skinItemColor,  skinItemBitmap, skinItemBitmap, skinItemBitmap, skinItemColor,   // 31-35
    skinItemColor,  skinItemColor,  skinItemBitmap, skinItemBitmap, skinItemBitmap,  // 36-40
    skinItemBitmap, skinItemBitmap, skinItemBitmap, skinItemColor,  skinItemBitmap,  // 41-45
    skinItemBitmap, skinItemInt,    skinItemColor,                                   // 46-48
};

const char* const SKIN_FILETHEME_ITEMNAME[kSkinThemeEntryCount + 1] = {
    "",
    "ButtonImage",
    "ButtonTransparentBool",
    "CheckBoxImage",
    "RadioButtonImage",
    "TitleBarButtonImage",
    "TitleBarButtonTransparentBool",
    "TitleBarButtonLeftOffsetInt",
    "TitleBarButtonRightOffsetInt",
    "TitleBarButtonTopInt",
    "TitleBarLeftImage",
    "TitleBarClientImage",
    "TitleBarRightImage",
    "FormMinWidthInt",
    "FormRoundCornerInt",
    "FormBackgroundColor",
    "FormBorderColor",
    "FormBorderWidthInt",
    "MenuSelectedBorderColor",
    "MenuSelectedBackgroundColor",
    "MenuSelectedFontColor",
    "MenuBackgroundColor",
    "MenuFontColor",
    "MenuBarColor",
    "ProgressBarImage",
    "ControlBorderColor",
    "ControlBackgroundColor",
    "ControlFontColor",
    "TrackBarBarImage",
    "TrackBarSliderImage",
    "TrackBarSliderVImage",
    "ScrollBarBackgroundColor",
    "ScrollBarButtonImage",
    "ScrollBarSliderImage",
    "CheckListBoxImage",
    "ToolBarButtonBorderColor",
    "ToolBarButtonBackgroundColor",
    "ToolBarButtonDownBackgroundColor",
    "ScrollButtonImage",
    "TabControlTabImage",
    "TabControlBarImage",
    "SideChannelHandleImage",
    "SideChannelBarImage",
    "TitleBarMinimizedImage",
    "TitleBarFontColor",
    "FormLeftBorderImage",
    "FormBottomBorderImage",
    "FormBottomRoundCornerInt",
    "MenuMenuBarColor",
};
