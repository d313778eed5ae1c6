#pragma once
// What a skinned form draws around its contents, as plain values and pure routines: the frame at
// the window's edges (an outer line, an inner band in the body colour, the three rows above the
// title bar continued from its pictures, or a theme's border pictures), the window's shape with
// rounded corners, the frame's thickness, and where a maximized form goes.
#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QRegion>
#include <QSize>

class QPainter;

// Everything the frame is painted from, in window pixels.
struct SkinFormFrame {
  QSize window;  // W × H
  int borderWidth = 1;
  QColor borderColor;
  QColor bodyColor;
  // The title bar: shown, its height, whether its three pictures are all there (CanPaint).
  bool titleBarVisible = true;
  int titleBarHeight = 0;
  bool titleBarCanPaint = false;
  QImage titleLeft;
  QImage titleCenter;
  QImage titleRight;
  bool hasMenuBar = false;
  bool menuBarVisible = false;
  int menuBarHeight = 0;
  QColor menuBarColor;
  int roundCorner = 0;
  // A theme's side border: its left picture and that picture turned a half turn for the right
  // side. Without them the frame is an outer line and a body-coloured band.
  QImage leftBorder;
  QImage rightBorder;
  QImage bottomBorder;  // a three-part strip across the bottom, or none

  bool HasSideBorder() const { return !rightBorder.isNull(); }
};

// The frame's thickness on each side: where the title bar, menu bar and contents begin.
QMargins FormFrameMargins(const SkinFormFrame& frame);

// Paints the frame over the window's edges; the inside is left as it is.
void DrawFormFrame(QPainter& painter, const SkinFormFrame& frame);

// The window's shape: the top half with corners of radius `top` (an ellipse of top × top), the
// bottom half with `bottom` (-1 counts as 0). Square corners everywhere give the whole window.
QRegion FormRegion(const QSize& window, int top, int bottom);

// Where a maximized form goes: the work area grown by 2 pixels to the left, top and right and
// shrunk by 1 at the bottom: the frame's outer line lies beyond the screen's left, top and right
// edges.
QRect MaximizedFormBounds(const QRect& workArea);
