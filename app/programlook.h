#pragma once
// Every window of the program wears the MacOS look.
#include <QWidget>

#include "skin/look/uistyle.h"

inline constexpr TSkinUIStyle kProgramLook = TSkinUIStyle::MacOS;

// The window's background in the program's look.
void PaintWindowBackground(QWidget* window);
