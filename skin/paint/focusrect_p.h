#pragma once
// The system focus rectangle: every other pixel of a rectangle's one-pixel edge inverted, in a
// checker pattern fixed to the painter's origin, so it shows on any background.
#include <QRect>

class QPainter;

// rect's right and bottom edges are its last columns and rows (QRect::right(), bottom()).
void DrawFocusRect(QPainter& canvas, const QRect& rect);
