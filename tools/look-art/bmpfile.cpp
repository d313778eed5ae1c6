#include "bmpfile.h"

#include <QFile>
#include <QSaveFile>
#include <cstdint>
#include <stdexcept>

namespace art {

namespace {

void Put16(QByteArray& out, std::uint16_t value) {
  out.append(char(value & 0xFF));
  out.append(char(value >> 8));
}

void Put32(QByteArray& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.append(char((value >> shift) & 0xFF));
}

}  // namespace

void WriteBmp24(const QImage& picture, const QString& path) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const int width = image.width();
  const int height = image.height();
  const std::uint32_t rowBytes = (std::uint32_t(width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * std::uint32_t(height);
  constexpr std::uint32_t kHeaderBytes = 14 + 40;

  QByteArray out;
  out.reserve(int(kHeaderBytes + pixelBytes));
  out.append("BM");
  Put32(out, kHeaderBytes + pixelBytes);
  Put32(out, 0);
  Put32(out, kHeaderBytes);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, std::uint32_t(width));
  Put32(out, std::uint32_t(height));
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // no compression
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      out.append(char(qBlue(row[x])));
      out.append(char(qGreen(row[x])));
      out.append(char(qRed(row[x])));
    }
    for (std::uint32_t pad = std::uint32_t(width) * 3; pad < rowBytes; ++pad) out.append('\0');
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
    throw std::runtime_error("Cannot write " + path.toStdString() + ": " +
                             file.errorString().toStdString());
  }
}

}  // namespace art
