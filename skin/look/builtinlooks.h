#pragma once
// The five built-in looks: typed look-ups of their entries and their compiled-in pictures.
#include <QImage>
#include <QString>

#include "skin/look/color.h"
#include "skin/look/entries.h"
#include "skin/look/uistyle.h"

// Built-in look-ups. A style outside MacOS..BlueGlass, or an entry of another kind, gives the
// default: no picture (target untouched), colour 0, integer -1, False.
void GetInsideThemeBitmap(TSkinUIStyle style, int entry, QImage* target, int frameCount = 0,
                          int frameNumber = 0);
TColor GetInsideThemeColor(TSkinUIStyle style, int entry);
int GetInsideThemeInt(TSkinUIStyle style, int entry);
bool GetInsideThemeBool(TSkinUIStyle style, int entry);

// A compiled-in picture by resource name ("MACOS_BUTTON", "MENU_CHECKED", ...); null when absent.
QImage LoadSkinResource(const QString& name);
