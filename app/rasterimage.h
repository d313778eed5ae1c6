#pragma once
// The bridge between the core's rasters and what a view shows.
#include <QImage>
#include <QRect>
#include <QSize>

#include "sketch/raster.h"

// The raster's pixels as a QImage, without a copy: Format_BGR888 over the raster's own rows.
// Valid while the raster lives and keeps its size; a null image for an empty raster.
QImage RasterImage(const graphitine::Raster& raster);

// A raster scaled to a view's size by averaging the pixels under each view pixel (nearest
// pixel when enlarging). Made once per change of picture or size; a change to part of the
// picture rescales only the view pixels over that part.
class ScaledPicture {
 public:
  const QImage& Image() const { return image_; }
  // The image is made for a screen of that many device pixels per logical pixel: it is drawn
  // at its size divided by the ratio, one image pixel on one device pixel.
  void SetDevicePixelRatio(qreal ratio) { image_.setDevicePixelRatio(ratio); }

  // Where the scaling runs: spread over the shared pool (the calling thread waits), or on the
  // calling thread alone, for a thread whose pool is busy with other work.
  enum class On { Pool, ThisThread };

  // The whole picture at the given size.
  void Scale(const graphitine::Raster& picture, const QSize& size, On on = On::Pool);
  // Scaling while the picture's rows are still being read: Begin makes the image at the size,
  // then ScaleReadRows scales the view rows from `from` on whose picture rows are all among the
  // first rowsRead, and returns the first view row still to do.
  void Begin(const QSize& size);
  int ScaleReadRows(const graphitine::Raster& picture, int from, int rowsRead);
  // After the picture changed inside the rectangle (picture pixels); returns the view
  // rectangle that was redone. The picture must keep the size it was scaled at.
  QRect Rescale(const graphitine::Raster& picture, const QRect& changed);

 private:
  void ScaleRows(const graphitine::Raster& picture, int left, int right, int top, int bottom,
                 On on = On::Pool);

  QImage image_;
};
