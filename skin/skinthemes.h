#pragma once
// The looks: the style enumeration, the 48 theme entries of the five built-in looks and the
// look-ups every skinned component makes.
#include <QColor>
#include <QImage>
#include <QObject>
#include <cstdint>

class QWidget;
class TSkinFileTheme;

// 0x00BBGGRR, red in the low byte; values with the high bit set are the toolkit's system colours.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
// System colours: 0x80000000 | the platform's colour index. ToQColor maps them onto the
// application palette.
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

namespace SkinEnums {
Q_NAMESPACE
enum class TSkinUIStyle : std::uint8_t {
  FromThemeFile = 0,
  MacOS = 1,
  WinXP = 2,
  DeepBlue = 3,
  Protein = 4,
  BlueGlass = 5,
};
Q_ENUM_NS(TSkinUIStyle)
}  // namespace SkinEnums
using SkinEnums::TSkinUIStyle;

constexpr int kSkinThemeEntryCount = 48;

// Entry kinds of SKIN_ITEM_TYPE.
enum SkinItemKind : std::uint8_t { skinItemInt = 0, skinItemColor = 1, skinItemBitmap = 2, skinItemBool = 3 };

// Indexed 1..48; index 0 is unused.
extern const std::uint8_t SKIN_ITEM_TYPE[kSkinThemeEntryCount + 1];
extern const char* const SKIN_FILETHEME_ITEMNAME[kSkinThemeEntryCount + 1];

// Built-in look-ups. A style outside MacOS..BlueGlass, or an entry of another kind, gives the
// default: no picture (target untouched), colour 0, integer -1, False.
void GetInsideThemeBitmap(TSkinUIStyle style, int entry, QImage* target, int frameCount = 0,
                          int frameNumber = 0);
TColor GetInsideThemeColor(TSkinUIStyle style, int entry);
int GetInsideThemeInt(TSkinUIStyle style, int entry);
bool GetInsideThemeBool(TSkinUIStyle style, int entry);

// A compiled-in picture by resource name ("MACOS_BUTTON", "MENU_CHECKED", ...); null when absent.
QImage LoadSkinResource(const QString& name);

// The style a new component starts with: the UIStyle of the first TSkinForm among the owner
// form's direct children, else DeepBlue.
TSkinUIStyle GetSkinFormStyle(QObject* owner);

// Whether a component reads its entries from the file theme; effective receives the style to
// read the built-in table with (DeepBlue when FromThemeFile has no usable theme).
bool UsingFileTheme(const TSkinFileTheme* fileTheme, TSkinUIStyle requested,
                    TSkinUIStyle& effective);

// Hands a look down one level: every direct child with both a "FileTheme" and a "UIStyle"
// property gets the theme, then the style.
void ContainerApplyUIStyle(QWidget* container, TSkinUIStyle style, TSkinFileTheme* fileTheme);

// A TColor as a QColor: plain colours byte for byte, system colours through the application
// palette (an unknown system index gives black).
QColor ToQColor(TColor color);
