#include <QPainter>
#include <algorithm>

#include "skin/paint/roundrect_p.h"
#include "skin/paint/slicing_p.h"
#include "skin/window/formframe_p.h"

namespace {

// The frame's band in the body colour reaches this far in from the window's edges.
constexpr int kBand = 3;
// From this border width on the outer line covers the band: only the line is painted.
constexpr int kThickBorder = 4;
// The corner radius of the look whose top corners get an outline.
constexpr int kOutlinedCorner = 11;

// (left, top, right, bottom) with right and bottom exclusive.
QRect Span(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

// Draws `picture` at `at` with only the part inside `strip` showing.
void DrawInStrip(QPainter& painter, const QRect& strip, const QImage& picture, QPoint at) {
  if (strip.isEmpty() || picture.isNull()) return;
  painter.save();
  painter.setClipRect(strip);
  painter.drawImage(at, picture);
  painter.restore();
}

// The middle picture stretched sideways from x to right, at its own height, inside `strip`.
void DrawStretchedInStrip(QPainter& painter, const QRect& strip, const QImage& picture, int x,
                          int right) {
  if (strip.isEmpty() || picture.isNull() || right <= x) return;
  painter.save();
  painter.setClipRect(strip);
  painter.drawImage(QRect(x, strip.top(), right - x, picture.height()), picture);
  painter.restore();
}

// The three rows above the title bar continue its pictures: left at bandLeft + leftAt, right at
// bandLeft + rightAt, the middle stretched between.
void DrawTopBand(QPainter& painter, const SkinFormFrame& f, const QRect& band, int leftAt,
                 int rightAt, int middleFrom) {
  DrawStretchedInStrip(painter, band, f.titleCenter, band.left() + middleFrom,
                       band.left() + rightAt);
  DrawInStrip(painter, band, f.titleLeft, QPoint(band.left() + leftAt, band.top()));
  DrawInStrip(painter, band, f.titleRight, QPoint(band.left() + rightAt, band.top()));
}

// The right piece inside its strip at strip x rightAt, or stretched over the whole strip when it
// is at most stretchUpTo pixels wide.
void DrawRightStrip(QPainter& painter, const SkinFormFrame& f, const QRect& strip, int rightAt,
                    int stretchUpTo) {
  if (strip.isEmpty() || f.titleRight.isNull()) return;
  if (f.titleRight.width() <= stretchUpTo) {
    painter.drawImage(strip, f.titleRight);
  } else {
    DrawInStrip(painter, strip, f.titleRight, QPoint(strip.left() + rightAt, strip.top()));
  }
}

void DrawCornerOutline(QPainter& painter, const SkinFormFrame& f) {
  const int W = f.window.width();
  const int diameter = 2 * f.roundCorner;
  painter.setPen(f.borderColor);
  for (const QPoint& p : TopLeftArc(QPoint(-1, -1), diameter)) painter.drawPoint(p);
  for (const QPoint& p : TopRightArc(W + 1, -1, diameter)) painter.drawPoint(p);
}

void DrawPlainFrame(QPainter& painter, const SkinFormFrame& f) {
  const int W = f.window.width(), H = f.window.height(), bw = f.borderWidth;
  const int T = f.titleBarVisible ? f.titleBarHeight : 0;
  painter.fillRect(Span(0, 0, bw, H), f.borderColor);
  painter.fillRect(Span(0, H - bw, W, H), f.borderColor);
  painter.fillRect(Span(W - bw, 0, W, H), f.borderColor);
  if (bw < kThickBorder) {
    painter.fillRect(Span(bw, T, kBand, H - bw), f.bodyColor);
    painter.fillRect(Span(bw, H - kBand, W - bw, H - bw), f.bodyColor);
    painter.fillRect(Span(W - kBand, T, W - bw, H - bw), f.bodyColor);
    if (f.menuBarVisible) {
      const int top = T + kBand;  // the menu bar's first row
      painter.fillRect(Span(bw, top, kBand, top + f.menuBarHeight), f.menuBarColor);
      painter.fillRect(Span(W - kBand, top, W - bw, top + f.menuBarHeight), f.menuBarColor);
    }
  }
  if (f.titleBarVisible && f.titleBarCanPaint && bw < kThickBorder) {
    const int stripWidth = kBand - bw;
    const int height = f.titleLeft.height();
    DrawInStrip(painter, Span(bw, 0, bw + stripWidth, height), f.titleLeft, QPoint(bw, 0));
    const QRect right = Span(W - kBand, 0, W - kBand + stripWidth, height);
    DrawRightStrip(painter, f, right, 2 - f.titleRight.width(), 2);
    const QRect band = Span(2, 0, W - kBand, kBand);
    DrawTopBand(painter, f, band, -2, band.width() - f.titleRight.width() + 3,
                f.titleLeft.width() - 2);
  }
  if (bw == 1 && f.roundCorner == kOutlinedCorner) DrawCornerOutline(painter, f);
  if (!f.titleBarVisible) {
    painter.fillRect(Span(0, 0, W, 1), f.borderColor);
    painter.fillRect(Span(bw, 1, W - bw, kBand), f.bodyColor);
  }
}

void DrawPictureFrame(QPainter& painter, const SkinFormFrame& f) {
  const int W = f.window.width(), H = f.window.height();
  const int s = f.rightBorder.width();
  const int bottom = H - f.bottomBorder.height();
  const int T = f.titleBarVisible ? f.titleBarHeight : 0;
  if (!f.bottomBorder.isNull())
    SpitDrawHorizontal(f.bottomBorder, painter, Span(0, bottom, W, H), false, false);
  painter.drawImage(Span(0, T, s, bottom), f.leftBorder);
  painter.drawImage(Span(W - s, T, W, bottom), f.rightBorder);
  painter.fillRect(Span(s, T, s + 1, bottom), f.bodyColor);
  painter.fillRect(Span(s + 1, bottom - 1, W - s - 1, bottom), f.bodyColor);
  painter.fillRect(Span(W - s - 1, T, W - s, bottom), f.bodyColor);
  if (f.menuBarVisible) {
    const int menuEnd = T + f.menuBarHeight + kBand;
    painter.fillRect(Span(s, T, s + 1, menuEnd), f.menuBarColor);
    painter.fillRect(Span(W - s - 1, T + kBand, W - s, menuEnd), f.menuBarColor);
  }
  if (f.titleBarVisible && f.titleBarCanPaint) {
    const int height = f.titleLeft.height();
    DrawInStrip(painter, Span(0, 0, s + 2, height), f.titleLeft, QPoint(0, 0));
    const QRect right = Span(W - s - 2, 0, W, height);
    DrawRightStrip(painter, f, right, right.width() - f.titleRight.width(), right.width() - 1);
    const QRect band = Span(s, 0, W - s, kBand);
    DrawTopBand(painter, f, band, 1 - s, band.width() + s - f.titleRight.width(),
                f.titleLeft.width() - s);
  } else {
    painter.fillRect(Span(s, 0, W - s, kBand), f.hasMenuBar ? f.menuBarColor : f.bodyColor);
  }
}

}  // namespace

QMargins FormFrameMargins(const SkinFormFrame& frame) {
  if (frame.HasSideBorder()) {
    const int side = frame.rightBorder.width() + 1;
    return QMargins(side, kBand, side, frame.bottomBorder.height() + 1);
  }
  const int side = std::max(kBand, frame.borderWidth);
  return QMargins(side, kBand, side, side);
}

void DrawFormFrame(QPainter& painter, const SkinFormFrame& frame) {
  if (frame.window.isEmpty()) return;
  if (frame.HasSideBorder()) {
    DrawPictureFrame(painter, frame);
  } else {
    DrawPlainFrame(painter, frame);
  }
}

QRegion FormRegion(const QSize& window, int top, int bottom) {
  const int W = window.width(), H = window.height();
  const int r = std::max(0, top), rb = std::max(0, bottom);
  const int half = H / 2;
  QRegion upper = RoundRectRegion(QRect(0, 0, W, half), r, r);
  upper += QRect(0, half - 2 * r, 2 * r, 2 * r);
  upper += QRect(W - 2 * r, half - 2 * r, 2 * r, 2 * r);
  QRegion lower = RoundRectRegion(QRect(0, half, W, H - half), rb, rb);
  lower += QRect(0, half, 2 * rb, 2 * rb);
  lower += QRect(W - 2 * rb, half, 2 * rb, 2 * rb);
  return (upper + lower) & QRegion(0, 0, W, H);
}

QRect MaximizedFormBounds(const QRect& workArea) { return workArea.adjusted(-2, -2, 2, -1); }
