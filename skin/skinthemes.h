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

// A TColor as a QColor (system colours through the application palette).
QColor ToQColor(TColor color);
