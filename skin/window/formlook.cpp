#include "skin/look/component.h"
#include "skin/look/filetheme.h"
#include "skin/look/thememarkers_p.h"
#include "skin/paint/turns_p.h"
#include "skin/window/formlook_p.h"
#include "skin/window/menubar.h"
#include "skin/window/titlebar.h"

namespace {

// A theme without a menu bar colour of its own: by the marker in its control text colour, else
// the body colour.
TColor ThemeMenuBarColor(const SkinComponent& look, TColor body) {
  const TColor marked = SkinMarkerMeaningOf(look.Color(SkinEntry::ControlFontColor)).menuBarColor;
  return SkinThemeColorOr(look.Color(SkinEntry::MenuMenuBarColor), SkinThemeColorOr(marked, body));
}

}  // namespace

SkinFormLook ReadFormLook(const SkinComponent& look) {
  SkinFormLook form;
  form.borderColor = look.Color(SkinEntry::FormBorderColor);
  form.borderWidth = look.Int(SkinEntry::FormBorderWidthInt);
  form.bodyColor = look.Color(SkinEntry::FormBackgroundColor);
  if (look.UsesFileTheme()) {
    form.menuBarColor = ThemeMenuBarColor(look, form.bodyColor);
    form.leftBorder = look.Bitmap(SkinEntry::FormLeftBorderImage);
    if (!form.leftBorder.isNull()) {
      form.rightBorder = form.leftBorder;
      RoundPicture2(form.rightBorder);
    }
    form.bottomBorder = look.Bitmap(SkinEntry::FormBottomBorderImage);
    return form;
  }
  form.menuBarColor = form.bodyColor;
  const TSkinUIStyle style = look.EffectiveStyle();
  if (style == TSkinUIStyle::MacOS)
    form.bodyPattern = LoadSkinResource(QStringLiteral("MACOS_FORM_BACKGROUND"));
  if (style == TSkinUIStyle::Protein)
    form.bodyPattern = LoadSkinResource(QStringLiteral("PROTEIN_FORM_BACKGROUND"));
  return form;
}

SkinFormFrame FormFrameOf(const QSize& window, const SkinFormLook& look,
                          const TSkinTitleBar& titleBar, bool titleBarShown,
                          const TSkinMenuBar* menuBar, TColor menuBarColor, int roundCorner) {
  SkinFormFrame frame;
  frame.window = window;
  frame.borderWidth = look.borderWidth;
  frame.borderColor = ToQColor(look.borderColor);
  frame.bodyColor = ToQColor(look.bodyColor);
  frame.titleBarVisible = titleBarShown;
  frame.titleBarHeight = titleBar.height();
  frame.titleBarCanPaint = titleBar.CanPaint();
  frame.titleLeft = titleBar.GetLeftImage();
  frame.titleCenter = titleBar.GetCenterImage();
  frame.titleRight = titleBar.GetRightImage();
  frame.hasMenuBar = menuBar != nullptr;
  frame.menuBarVisible = menuBar != nullptr && !menuBar->isHidden();
  frame.menuBarHeight = menuBar != nullptr ? menuBar->height() : 0;
  frame.menuBarColor = ToQColor(menuBarColor);
  frame.roundCorner = roundCorner;
  frame.leftBorder = look.leftBorder;
  frame.rightBorder = look.rightBorder;
  frame.bottomBorder = look.bottomBorder;
  return frame;
}
