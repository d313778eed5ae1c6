#include <algorithm>

#include "skin/paint/slicing_p.h"

namespace {

bool IsKey(QRgb pixel, QRgb key) { return (pixel & 0x00FFFFFF) == (key & 0x00FFFFFF); }

// (left, top, right, bottom) with right and bottom exclusive.
QRect Span(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

// Copies `from` (in source coordinates, may reach outside the source) onto an image of `size`,
// nearest pixel, centre sampling. Pixels outside the source and, when keyed, pixels of the key
// colour become fully transparent.
QImage StretchPiece(const QImage& argb, const QRect& from, const QSize& size, bool keyed,
                    QRgb key = kSkinKeyColor) {
  QImage piece(size, QImage::Format_ARGB32);
  for (int y = 0; y < size.height(); ++y) {
    const int sy = from.top() + (2 * y + 1) * from.height() / (2 * size.height());
    auto* out = reinterpret_cast<QRgb*>(piece.scanLine(y));
    const bool rowInside = sy >= 0 && sy < argb.height();
    const auto* in = rowInside ? reinterpret_cast<const QRgb*>(argb.constScanLine(sy)) : nullptr;
    for (int x = 0; x < size.width(); ++x) {
      const int sx = from.left() + (2 * x + 1) * from.width() / (2 * size.width());
      const bool inside = in != nullptr && sx >= 0 && sx < argb.width();
      out[x] = inside && !(keyed && IsKey(in[sx], key)) ? in[sx] : 0;
    }
  }
  return piece;
}

// Draws the source piece `from` over `to` (stretched when the sizes differ); empty pieces draw
// nothing.
void DrawPiece(QPainter& canvas, const QImage& argb, const QRect& from, const QRect& to, bool keyed,
               QRgb key = kSkinKeyColor) {
  if (from.width() <= 0 || from.height() <= 0 || to.width() <= 0 || to.height() <= 0) return;
  canvas.drawImage(to.topLeft(), StretchPiece(argb, from, to.size(), keyed, key));
}

// An edge strip narrower (or lower) than its source keeps the part on the given side.
enum class Keep { Left, Right, Top, Bottom };
QRect Trim(QRect from, const QRect& to, Keep keep) {
  switch (keep) {
    case Keep::Left:
      if (to.width() < from.width()) from.setWidth(to.width());
      break;
    case Keep::Right:
      if (to.width() < from.width()) from.setLeft(from.left() + from.width() - to.width());
      break;
    case Keep::Top:
      if (to.height() < from.height()) from.setHeight(to.height());
      break;
    case Keep::Bottom:
      if (to.height() < from.height()) from.setTop(from.top() + from.height() - to.height());
      break;
  }
  return from;
}

}  // namespace

void SpitBitmap(const QImage& source, QImage& target, int n, int k) {
  if (n <= 1) {
    target = source.copy();
    return;
  }
  if (k < 1 || k > n) {
    target = QImage();
    return;
  }
  const int f = source.width() / n;
  target = source.copy(f * (k - 1), 0, f, source.height());
}

void SpitDraw(const QImage& source, QPainter& canvas, const QRect& target, bool transparent) {
  if (source.isNull()) return;
  const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
  const int W = source.width(), H = source.height();
  const int hw = W / 2, hh = H / 2, dw = target.width() / 2, dh = target.height() / 2;
  const int right = target.width(), bottom = target.height();

  const int w1 = std::max(0, std::min(hw, dw)), h1 = std::max(0, std::min(hh, dh));
  const int w2 = w1, h2 = std::max(0, std::min(hh - 1, dh - 1));
  const int w4 = std::max(0, std::min(hw - 1, dw - 1)), h4 = h1;
  const int w5 = w4, h5 = h2;

  canvas.save();
  canvas.translate(target.topLeft());
  // Corners: unstretched, trimmed on the side away from their corner, keyed only when asked.
  DrawPiece(canvas, argb, Span(0, 0, w1, h1), Span(0, 0, w1, h1), transparent);
  DrawPiece(canvas, argb, Span(0, H - h2, w2, H), Span(0, bottom - h2, w2, bottom), transparent);
  // Edges and centre are always keyed.
  const QRect left = Span(0, h1, w1, bottom - h2);
  DrawPiece(canvas, argb, Trim(Span(0, hh, hw, H - hh), left, Keep::Left), left, true);
  DrawPiece(canvas, argb, Span(W - w4, 0, W, h4), Span(right - w4, 0, right, h4), transparent);
  DrawPiece(canvas, argb, Span(W - w5, H - h5, W, H), Span(right - w5, bottom - h5, right, bottom),
            transparent);
  const QRect rightEdge = Span(right - w4, h4, right, bottom - h5);
  DrawPiece(canvas, argb, Trim(Span(W - hw + 1, H - hh, W, hh + 2), rightEdge, Keep::Right),
            rightEdge, true);
  const QRect top = Span(w1, 0, right - w4, h1);
  DrawPiece(canvas, argb, Trim(Span(hw, 0, W - hw + 1, hh), top, Keep::Top), top, true);
  DrawPiece(canvas, argb, Span(hw, hh, W - hw + 1, H - hh),
            Span(w1, h1, right - w4, bottom - h5 - 1), true);
  const QRect bottomEdge = Span(w1 - 1, bottom - h2 - 1, right - w5, bottom);
  DrawPiece(canvas, argb, Trim(Span(hw, H - hh, W - hw + 1, H), bottomEdge, Keep::Bottom),
            bottomEdge, true);
  canvas.restore();
}

void SpitDrawHorizontal(const QImage& source, QPainter& canvas, const QRect& target,
                        bool keyFromPicture, bool sampleTop) {
  if (source.isNull()) return;
  const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
  const int f = source.width() / 3, H = source.height();
  QRgb key = kSkinKeyColor;
  if (keyFromPicture) key = argb.pixel(0, sampleTop ? 0 : H - 1);
  const int right = target.left() + target.width(), bottom = target.top() + target.height();
  DrawPiece(canvas, argb, QRect(0, 0, f, H), QRect(target.left(), target.top(), f, H), true, key);
  DrawPiece(canvas, argb, QRect(2 * f, 0, f, H), QRect(right - f, target.top(), f, H), true, key);
  DrawPiece(canvas, argb, QRect(f, 0, f, H),
            Span(target.left() + f, target.top(), right - f, bottom), true, key);
}

void TileDraw(QPainter& canvas, const QImage& picture, const QRect& rect) {
  const int w = picture.width(), h = picture.height();
  if (w <= 0 || h <= 0) return;
  // Tiles start at the canvas origin; the canvas clips what lies outside.
  for (int x = 0; x < rect.width() + w; x += w) {
    for (int y = 0; y < rect.height() + h; y += h) canvas.drawImage(x, y, picture);
  }
}

void DrawControlBorder(QPainter& canvas, const QSize& size, const QColor& borderColor,
                       const QColor& innerColor, bool inner) {
  const auto frame = [&canvas](const QRect& r, const QColor& color) {
    if (r.width() <= 0 || r.height() <= 0) return;
    canvas.fillRect(r.left(), r.top(), r.width(), 1, color);
    canvas.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    canvas.fillRect(r.left(), r.top(), 1, r.height(), color);
    canvas.fillRect(r.right(), r.top(), 1, r.height(), color);
  };
  const QRect whole(QPoint(0, 0), size);
  frame(whole, borderColor);
  if (inner) frame(whole.adjusted(1, 1, -1, -1), innerColor);
}
