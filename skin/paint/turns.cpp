#include <QWidget>

#include "skin/paint/turns_p.h"

namespace {

bool IsKey(QRgb pixel, QRgb key) { return (pixel & 0x00FFFFFF) == (key & 0x00FFFFFF); }

// Moves pixel (x, y) of a W×H picture to place(x, y) in a picture of `size`.
template <typename Place>
void Turn(QImage& bitmap, const QSize& size, Place place) {
  if (bitmap.isNull()) return;
  QImage from = bitmap;
  if (from.colorCount() > 0) {
    from =
        from.convertToFormat(from.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  }
  QImage to(size, from.format());
  for (int y = 0; y < from.height(); ++y) {
    for (int x = 0; x < from.width(); ++x) {
      const QPoint p = place(x, y);
      to.setPixel(p, from.pixel(x, y));
    }
  }
  bitmap = to;
}

}  // namespace

void RoundPicture(QImage& bitmap) {
  const int W = bitmap.width();
  Turn(bitmap, bitmap.size().transposed(), [W](int x, int y) { return QPoint(y, W - 1 - x); });
}

void RoundPicture2(QImage& bitmap) {
  const int W = bitmap.width(), H = bitmap.height();
  Turn(bitmap, bitmap.size(), [W, H](int x, int y) { return QPoint(W - 1 - x, H - 1 - y); });
}

void RoundPicture3(QImage& bitmap) {
  const int H = bitmap.height();
  Turn(bitmap, bitmap.size().transposed(), [H](int x, int y) { return QPoint(H - 1 - y, x); });
}

QRegion BitmapRegion(const QImage& bitmap, QRgb key) {
  QRegion region;
  // Reaching the last column closes a run without taking that column in.
  for (int y = 0; y < bitmap.height(); ++y) {
    int start = -1;
    for (int x = 0; x < bitmap.width(); ++x) {
      const bool last = x == bitmap.width() - 1;
      if (!last && !IsKey(bitmap.pixel(x, y), key)) {
        if (start < 0) start = x;
        continue;
      }
      if (start >= 0) region += QRect(start, y, x - start, 1);
      start = -1;
    }
  }
  return region;
}

void SetBitmapWindow(QWidget* window, const QImage& bitmap, QRgb key) {
  if (window != nullptr) window->setMask(BitmapRegion(bitmap, key));
}
