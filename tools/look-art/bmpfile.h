#pragma once
// Writing pictures as uncompressed 24-bit BMP files.
#include <QImage>
#include <QString>

namespace art {

// Writes the picture bottom-up, three bytes blue, green, red per pixel, rows padded to four
// bytes. Throws std::runtime_error naming the file when it cannot be written.
void WriteBmp24(const QImage& picture, const QString& path);

}  // namespace art
