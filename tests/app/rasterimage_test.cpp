#include "app/rasterimage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/photos.h"

using graphitine::Raster;

namespace {

void SetPixel(Raster& raster, int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  std::uint8_t* pixel = raster.Row(y) + 3 * x;
  pixel[0] = b;
  pixel[1] = g;
  pixel[2] = r;
}

TEST(RasterImageTest, WrapsTheRastersOwnRows) {
  Raster raster(5, 3);  // 15 bytes a row, padded to 16
  SetPixel(raster, 4, 2, 10, 20, 30);
  const Raster& shown = raster;
  const QImage image = RasterImage(shown);
  EXPECT_EQ(image.format(), QImage::Format_BGR888);
  EXPECT_EQ(image.constBits(), shown.Data());
  EXPECT_EQ(image.bytesPerLine(), static_cast<qsizetype>(raster.Stride()));
  EXPECT_EQ(image.pixel(4, 2), qRgb(30, 20, 10));
  EXPECT_TRUE(RasterImage(Raster()).isNull());
}

TEST(ScaledPictureTest, EachViewPixelAveragesThePixelsUnderIt) {
  Raster picture(4, 2);
  picture.Fill(0, 0, 0);
  SetPixel(picture, 0, 0, 255, 255, 255);  // the left 2 x 2 block: one white pixel of four
  SetPixel(picture, 2, 0, 0, 0, 200);      // the right block: red 200, 0, 100, 100
  SetPixel(picture, 3, 0, 0, 0, 0);
  SetPixel(picture, 2, 1, 0, 0, 100);
  SetPixel(picture, 3, 1, 0, 0, 100);
  ScaledPicture scaled;
  scaled.Scale(picture, QSize(2, 1));
  EXPECT_EQ(scaled.Image().pixel(0, 0), qRgb(63, 63, 63));
  EXPECT_EQ(scaled.Image().pixel(1, 0), qRgb(100, 0, 0));
  // Enlarged, every view pixel takes the picture pixel it lies on.
  scaled.Scale(picture, QSize(8, 4));
  EXPECT_EQ(scaled.Image().pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(scaled.Image().pixel(2, 1), qRgb(0, 0, 0));
}

TEST(ScaledPictureTest, RescalingAChangedPartEqualsScalingTheWhole) {
  Raster picture = PatternPhoto(1000, 750);
  ScaledPicture part;
  part.Scale(picture, QSize(345, 258));
  const QRect changed(197, 197, 186, 186);
  for (int y = changed.top(); y <= changed.bottom(); ++y) {
    for (int x = changed.left(); x <= changed.right(); ++x) SetPixel(picture, x, y, 255, 0, 0);
  }
  const QRect redone = part.Rescale(picture, changed);
  ScaledPicture whole;
  whole.Scale(picture, QSize(345, 258));
  EXPECT_EQ(part.Image(), whole.Image());
  // Only the view pixels over the change were redone: a few more than its 64 x 64.
  EXPECT_LE(redone.width(), 68);
  EXPECT_LE(redone.height(), 68);
}

// Rows not read yet hold red: a view row scaled before all of its picture rows arrived would
// keep some of it.
TEST(ScaledPictureTest, ScalingRowsAsTheyArriveEqualsScalingTheWhole) {
  struct Case {
    QSize picture, view;
  };
  for (const Case& c : {Case{{1000, 750}, {345, 258}}, Case{{30, 20}, {90, 70}}}) {
    SCOPED_TRACE(c.view.width());
    const Raster photo = PatternPhoto(c.picture.width(), c.picture.height());
    Raster arriving(c.picture.width(), c.picture.height());
    arriving.Fill(0, 0, 255);
    ScaledPicture scaled;
    scaled.Begin(c.view);
    int viewRow = 0;
    for (int rows = 0; rows < c.picture.height() + 37; rows += 37) {
      const int read = std::min(rows, c.picture.height());
      for (int y = 0; y < read; ++y) {
        std::copy_n(photo.Row(y), 3 * photo.Width(), arriving.Row(y));
      }
      viewRow = scaled.ScaleReadRows(arriving, viewRow, read);
    }
    EXPECT_EQ(viewRow, c.view.height());
    ScaledPicture whole;
    whole.Scale(photo, c.view);
    EXPECT_EQ(scaled.Image(), whole.Image());
  }
}

}  // namespace
