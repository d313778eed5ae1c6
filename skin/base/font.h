#pragma once
// A font with its colour, as components publish their fonts: QFont itself carries no colour.
#include <QFont>

#include "skin/look/color.h"

struct SkinFont {
  QFont font;
  TColor color = clWindowText;

  friend bool operator==(const SkinFont& a, const SkinFont& b) {
    return a.font == b.font && a.color == b.color;
  }
};
