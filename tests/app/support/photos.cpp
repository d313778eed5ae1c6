#include "support/photos.h"

#include "sketch/picturefile.h"

graphitine::Raster PatternPhoto(int width, int height) {
  graphitine::Raster photo(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = photo.Row(y);
    for (int x = 0; x < width; ++x) {
      // Squares and a diagonal ramp: edges of every direction and soft gradients.
      const bool square = ((x / 37) + (y / 23)) % 2 == 0;
      row[3 * x] = static_cast<std::uint8_t>(square ? 40 : 220);
      row[3 * x + 1] = static_cast<std::uint8_t>((x + y) % 256);
      row[3 * x + 2] = static_cast<std::uint8_t>((x * 7 + y * 3) % 256);
    }
  }
  return photo;
}

QString WritePatternPhoto(const QTemporaryDir& folder, const QString& name, int width, int height) {
  const QString path = folder.filePath(name);
  graphitine::WritePicture(PatternPhoto(width, height), path.toStdString(),
                           graphitine::PictureFormat::Bitmap, graphitine::FrameSize{width, height});
  return path;
}
