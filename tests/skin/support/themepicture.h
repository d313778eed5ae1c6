#pragma once
// A picture as the bytes of a BMP file, the form a theme file stores pictures in.
#include <QBuffer>
#include <QByteArray>
#include <QImage>

inline QByteArray BmpBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "BMP");
  return bytes;
}
