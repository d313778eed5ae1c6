#include "skin/paint/keyedpicture_p.h"

QImage KeyedPicture(const QImage& picture, QRgb key) {
  if (picture.isNull()) return picture;
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb colour = key & 0x00FFFFFF;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if ((row[x] & 0x00FFFFFF) == colour) row[x] = 0;
    }
  }
  return keyed;
}

QImage KeyedPicture(const QImage& picture, SkinKeyPixel keyPixel) {
  if (picture.isNull()) return picture;
  const int y = keyPixel == SkinKeyPixel::TopLeft ? 0 : picture.height() - 1;
  return KeyedPicture(picture, picture.pixel(0, y));
}

QImage GreyedPicture(const QImage& picture) {
  if (picture.isNull()) return picture;
  QImage greyed = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < greyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(greyed.scanLine(y));
    for (int x = 0; x < greyed.width(); ++x) {
      const int light = 128 + qGray(row[x]) / 2;
      row[x] = qRgba(light, light, light, qAlpha(row[x]));
    }
  }
  return greyed;
}
