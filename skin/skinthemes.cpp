// The built-in table of the five looks and its typed look-ups.
#include "skin/skinthemes.h"

#include <QRegularExpression>
#include <QString>

#include "skin/skinpublic.h"

namespace {

// One value of one look: a number (integer, colour, 0/1 for booleans) or a picture name.
struct Cell {
  long long number = 0;
  const char* picture = "";
};
constexpr Cell V(long long number) { return {number, ""}; }
constexpr Cell P(const char* picture) { return {0, picture}; }
constexpr Cell kNoPicture = {0, ""};
constexpr Cell True = {1, ""};
constexpr Cell False = {0, ""};

constexpr int kLookCount = 5;
using Row = Cell[kLookCount];

// Columns: MacOS, WinXP, DeepBlue, Protein, BlueGlass. Colours are 0x00BBGGRR.
constexpr Row kBuiltInTable[kSkinThemeEntryCount + 1] = {
    {},  // entries count from 1
    /*  1 ButtonImage */ {P("MACOS_BUTTON"), P("WINXP_BUTTON"), P("DEEPBLUE_BUTTON"), P("PROTEIN_BUTTON"), P("BLUEGLASS_BUTTON")},
    /*  2 ButtonTransparentBool */ {True, False, False, False, True},
    /*  3 CheckBoxImage */ {P("MACOS_CHECKBOX"), P("WINXP_CHECKBOX"), P("DEEPBLUE_CHECKBOX"), P("PROTEIN_CHECKBOX"), P("BLUEGLASS_CHECKBOX")},
    /*  4 RadioButtonImage */ {P("MACOS_RADIOBUTTON"), P("WINXP_RADIOBUTTON"), P("DEEPBLUE_RADIOBUTTON"), P("PROTEIN_RADIOBUTTON"), P("BLUEGLASS_RADIOBUTTON")},
    /*  5 TitleBarButtonImage */ {P("MACOS_TITLEBTN"), P("WINXP_TITLEBTN"), P("DEEPBLUE_TITLEBTN"), P("PROTEIN_TITLEBTN"), P("BLUEGLASS_TITLEBTN")},
    /*  6 TitleBarButtonTransparentBool */ {False, False, False, True, True},
    /*  7 TitleBarButtonLeftOffsetInt */ {V(3), V(2), V(0), V(0), V(4)},
    /*  8 TitleBarButtonRightOffsetInt */ {V(-2), V(-2), V(0), V(0), V(-3)},
    /*  9 TitleBarButtonTopInt */ {V(4), V(5), V(2), V(2), V(6)},
    /* 10 TitleBarLeftImage */ {P("MACOS_TITLE_LEFT"), P("WINXP_TITLE_LEFT"), P("DEEPBLUE_TITLE_LEFT"), P("PROTEIN_TITLE_LEFT"), P("BLUEGLASS_TITLE_LEFT")},
    /* 11 TitleBarClientImage */ {P("MACOS_TITLE_CLIENT"), P("WINXP_TITLE_CLIENT"), P("DEEPBLUE_TITLE_CLIENT"), P("PROTEIN_TITLE_CLIENT"), P("BLUEGLASS_TITLE_CLIENT")},
    /* 12 TitleBarRightImage */ {P("MACOS_TITLE_RIGHT"), P("WINXP_TITLE_RIGHT"), P("DEEPBLUE_TITLE_RIGHT"), P("PROTEIN_TITLE_RIGHT"), P("BLUEGLASS_TITLE_RIGHT")},
    /* 13 FormMinWidthInt */ {V(130), V(150), V(130), V(130), V(270)},
    /* 14 FormRoundCornerInt */ {V(0), V(13), V(0), V(0), V(11)},
    /* 15 FormBackgroundColor */ {V(0xE7E7E7), V(0xDEEBEF), V(0xE8E8E8), V(0xFBFBFB), V(0xE7E7E7)},
    /* 16 FormBorderColor */ {V(0x7F7F7F), V(0xC82C00), V(0x000000), V(0x000000), V(0x000000)},
    /* 17 FormBorderWidthInt */ {V(1), V(3), V(1), V(1), V(1)},
    /* 18 MenuSelectedBorderColor */ {V(0xC47339), V(0xC66931), V(0xA04A44), V(0xC4302D), V(0xEC5E5E)},
    /* 19 MenuSelectedBackgroundColor */ {V(0xC47339), V(0xEFD3C6), V(0xA04A44), V(0xC4302D), V(0xEC5E5E)},
    /* 20 MenuSelectedFontColor */ {V(0xFFFFFF), V(0x000000), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF)},
    /* 21 MenuBackgroundColor */ {V(0x000000), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF), V(0xE7E7E7)},
    /* 22 MenuFontColor */ {V(0x000000), V(0x000000), V(0x000000), V(0x000000), V(0x000000)},
    /* 23 MenuBarColor */ {V(0x000000), V(0xCED3D6), V(0xCED3D6), V(0xCED3D6), V(0xCED3D6)},
    /* 24 ProgressBarImage */ {P("MACOS_PROGRESSBAR"), P("WINXP_PROGRESSBAR"), P("DEEPBLUE_PROGRESSBAR"), P("PROTEIN_PROGRESSBAR"), P("BLUEGLASS_PROGRESSBAR")},
    /* 25 ControlBorderColor */ {V(0x7F7F7F), V(0x686868), V(0x000000), V(0x000000), V(0x000000)},
    /* 26 ControlBackgroundColor */ {V(0xE7E7E7), V(0xDEEBEF), V(0xE8E8E8), V(0xFBFBFB), V(0xE7E7E7)},
    /* 27 ControlFontColor */ {V(0x000000), V(0xCF4602), V(0x000000), V(0x000000), V(0x000000)},
    /* 28 TrackBarBarImage */ {P("MACOS_TRACKBAR_BAR"), P("WINXP_TRACKBAR_BAR"), P("DEEPBLUE_TRACKBAR_BAR"), P("PROTEIN_TRACKBAR_BAR"), P("BLUEGLASS_TRACKBAR_BAR")},
    /* 29 TrackBarSliderImage */ {P("MACOS_TRACKBAR_SLIDER"), P("WINXP_TRACKBAR_SLIDER"), P("DEEPBLUE_TRACKBAR_SLIDER"), P("PROTEIN_TRACKBAR_SLIDER"), P("BLUEGLASS_TRACKBAR_SLIDER")},
    /* 30 TrackBarSliderVImage */ {P("MACOS_TRACKBAR_SLIDER_V"), P("WINXP_TRACKBAR_SLIDER_V"), P("DEEPBLUE_TRACKBAR_SLIDER_V"), P("PROTEIN_TRACKBAR_SLIDER_V"), P("BLUEGLASS_TRACKBAR_SLIDER_V")},
    /* 31 ScrollBarBackgroundColor */ {V(0xC9C9C9), V(0xF9F9F9), V(0xF5F5F5), V(0xF5F5F5), V(0xF4F4F4)},
    /* 32 ScrollBarButtonImage */ {P("MACOS_SCROLLBAR_BUTTON"), P("WINXP_SCROLLBAR_BUTTON"), P("DEEPBLUE_SCROLLBAR_BUTTON"), P("PROTEIN_SCROLLBAR_BUTTON"), P("BLUEGLASS_SCROLLBAR_BUTTON")},
    /* 33 ScrollBarSliderImage */ {P("MACOS_SCROLLBAR_TRACK"), P("WINXP_SCROLLBAR_TRACK"), P("DEEPBLUE_SCROLLBAR_TRACK"), P("PROTEIN_SCROLLBAR_TRACK"), P("BLUEGLASS_SCROLLBAR_TRACK")},
    /* 34 CheckListBoxImage */ {P("MACOS_CHECKLIST"), P("WINXP_CHECKLIST"), P("DEEPBLUE_CHECKLIST"), P("PROTEIN_CHECKLIST"), P("BLUEGLASS_CHECKLIST")},
    /* 35 ToolBarButtonBorderColor */ {V(0x474747), V(0xC66931), V(0x474747), V(0x474747), V(0x474747)},
    /* 36 ToolBarButtonBackgroundColor */ {V(0xEFEFEF), V(0xEFD3C6), V(0xEFEFEF), V(0xEFEFEF), V(0xEFEFEF)},
    /* 37 ToolBarButtonDownBackgroundColor */ {V(0xD8D8D8), V(0xE1AC93), V(0xD8D8D8), V(0xD8D8D8), V(0xD8D8D8)},
    /* 38 ScrollButtonImage */ {P("MACOS_SCROLLBUTTON"), P("WINXP_SCROLLBUTTON"), P("MORE_SCROLLBUTTON"), P("MORE_SCROLLBUTTON"), P("MORE_SCROLLBUTTON")},
    /* 39 TabControlTabImage */ {P("MACOS_TAB"), P("WINXP_TAB"), P("DEEPBLUE_TAB"), P("PROTEIN_TAB"), P("BLUEGLASS_TAB")},
    /* 40 TabControlBarImage */ {P("MACOS_TAB_LINE"), P("WINXP_TAB_LINE"), P("DEEPBLUE_TAB_LINE"), P("PROTEIN_TAB_LINE"), P("BLUEGLASS_TAB_LINE")},
    /* 41 SideChannelHandleImage */ {P("MACOS_SIDECHENNEL_HANDLE"), P("WINXP_SIDECHENNEL_HANDLE"), P("DEEPBLUE_SIDECHENNEL_HANDLE"), P("PROTEIN_SIDECHENNEL_HANDLE"), P("BLUEGLASS_SIDECHENNEL_HANDLE")},
    /* 42 SideChannelBarImage */ {P("MACOS_SIDECHENNEL_BAR"), P("WINXP_SIDECHENNEL_BAR"), P("DEEPBLUE_SIDECHENNEL_BAR"), P("PROTEIN_SIDECHENNEL_BAR"), P("BLUEGLASS_SIDECHENNEL_BAR")},
    /* 43 TitleBarMinimizedImage */ {kNoPicture, kNoPicture, kNoPicture, kNoPicture, kNoPicture},
    /* 44 TitleBarFontColor */ {V(0x000000), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF), V(0xFFFFFF)},
    /* 45 FormLeftBorderImage */ {kNoPicture, kNoPicture, kNoPicture, kNoPicture, kNoPicture},
    /* 46 FormBottomBorderImage */ {kNoPicture, kNoPicture, kNoPicture, kNoPicture, kNoPicture},
    /* 47 FormBottomRoundCornerInt */ {V(0), V(0), V(0), V(0), V(0)},
    /* 48 MenuMenuBarColor */ {V(0xE7E7E7), V(0xDEEBEF), V(0xE8E8E8), V(0xFBFBFB), V(0xE7E7E7)},
};

// The table cell of a built-in look's entry of the given kind; null for any other style, an
// entry outside 1..48 or an entry of another kind.
const Cell* BuiltInCell(TSkinUIStyle style, int entry, SkinItemKind kind) {
  const int column = static_cast<int>(style) - static_cast<int>(TSkinUIStyle::MacOS);
  if (column < 0 || column >= kLookCount) return nullptr;
  if (entry < 1 || entry > kSkinThemeEntryCount) return nullptr;
  if (SKIN_ITEM_TYPE[entry] != kind) return nullptr;
  return &kBuiltInTable[entry][column];
}

}  // namespace

void GetInsideThemeBitmap(TSkinUIStyle style, int entry, QImage* target, int frameCount,
                          int frameNumber) {
  if (target == nullptr) return;
  const Cell* cell = BuiltInCell(style, entry, skinItemBitmap);
  if (cell == nullptr || *cell->picture == '\0') return;
  const QImage picture = LoadSkinResource(QString::fromLatin1(cell->picture));
  if (picture.isNull()) return;
  if (frameCount == 0) {
    *target = picture;
    return;
  }
  SpitBitmap(picture, *target, frameCount, frameNumber);
}

TColor GetInsideThemeColor(TSkinUIStyle style, int entry) {
  const Cell* cell = BuiltInCell(style, entry, skinItemColor);
  return cell != nullptr ? static_cast<TColor>(cell->number) : 0;
}

int GetInsideThemeInt(TSkinUIStyle style, int entry) {
  const Cell* cell = BuiltInCell(style, entry, skinItemInt);
  return cell != nullptr ? static_cast<int>(cell->number) : -1;
}

bool GetInsideThemeBool(TSkinUIStyle style, int entry) {
  const Cell* cell = BuiltInCell(style, entry, skinItemBool);
  return cell != nullptr && cell->number != 0;
}

QImage LoadSkinResource(const QString& name) {
  // Names are resource names, never paths into the resources.
  static const QRegularExpression kResourceName(QStringLiteral("^[A-Z0-9_]+$"));
  if (!kResourceName.match(name).hasMatch()) return QImage();
  QImage picture(QStringLiteral(":/looks/%1.bmp").arg(name));
  if (picture.isNull()) return picture;
  return picture.convertToFormat(QImage::Format_RGB32);
}
