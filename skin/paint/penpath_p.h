#pragma once
// One-pixel lines drawn the way a pen moves from point to point: each horizontal or vertical
// step colours the pixels from where it starts up to, but not including, where it ends, so a
// path leaves its very last point undrawn. Frames whose gaps and corners are given by such
// paths (a group box around its caption, a tab body) come out pixel for pixel.
#include <QColor>
#include <QPoint>
#include <initializer_list>

class QPainter;

// Draws the path through the points in colour; steps must be horizontal or vertical.
void DrawPenPath(QPainter& canvas, const QColor& colour, std::initializer_list<QPoint> points);
