#include "app/programlook.h"

#include <QPalette>

#include "skin/look/builtinlooks.h"
#include "skin/look/color.h"
#include "skin/look/entries.h"

void PaintWindowBackground(QWidget* window) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window,
                   ToQColor(GetInsideThemeColor(kProgramLook,
                                                static_cast<int>(SkinEntry::FormBackgroundColor))));
  window->setPalette(palette);
  window->setAutoFillBackground(true);
}
