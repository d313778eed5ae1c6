#pragma once
// Rounded rectangles as exact pixel sets: the rows of an ellipse's box, the region of a
// rectangle with rounded corners (a window's shape), and the pixels of a corner's outline.
// Everything is integer arithmetic, so the same sizes always give the same pixels.
#include <QRect>
#include <QRegion>
#include <vector>

// For each row of the top half of a width × height ellipse box (rows 0 .. (height + 1) / 2 - 1),
// the number of columns at its left (and, mirrored, at its right) that lie outside the ellipse.
// A pixel belongs to the ellipse when its centre does.
std::vector<int> EllipseRowInsets(int width, int height);

// rect with each corner cut along the quarter of an ellipseWidth × ellipseHeight ellipse. An
// ellipse smaller than 2 pixels either way leaves the rectangle square; a larger one than the
// rectangle is cut down to it.
QRegion RoundRectRegion(const QRect& rect, int ellipseWidth, int ellipseHeight);

// The one-pixel outline of the top-left quarter of a circle of the given diameter whose box has
// its top-left corner at `origin`, and the same quarter mirrored onto the top-right corner of a
// box whose right edge (exclusive) is at rightEdge.
std::vector<QPoint> TopLeftArc(QPoint origin, int diameter);
std::vector<QPoint> TopRightArc(int rightEdge, int top, int diameter);
