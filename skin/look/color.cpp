// TColor values as Qt colours.
#include <QGuiApplication>
#include <QPalette>
#include <array>

#include "skin/look/builtinlooks.h"

namespace {

struct PaletteColor {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The platform's system colour indexes 0..30, in the roles a Qt program paints the same things
// with. Index 25 has no colour.
constexpr std::array<PaletteColor, 31> kSystemColors = {{
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Active, QPalette::Mid},              // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Window},           // 10 active border
    {QPalette::Active, QPalette::Window},           // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application work space
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlight text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Disabled, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 info background
    {QPalette::Active, QPalette::NoRole},           // 25 unused
    {QPalette::Active, QPalette::Link},             // 26 hot light
    {QPalette::Active, QPalette::Highlight},        // 27 gradient of the active caption
    {QPalette::Active, QPalette::Mid},              // 28 gradient of the inactive caption
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
}};

}  // namespace

QColor ToQColor(TColor color) {
  if ((color & clSystemColor) == 0) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
  }
  const TColor index = color & ~clSystemColor;
  if (index >= kSystemColors.size() || kSystemColors[index].role == QPalette::NoRole) {
    return QColor(Qt::black);
  }
  const QPalette palette = QGuiApplication::palette();
  return palette.color(kSystemColors[index].group, kSystemColors[index].role);
}
