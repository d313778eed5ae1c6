// The face cache draws what the slicing routines draw, at the canvas's own pixel density.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

#include "skin/paint/facecache_p.h"
#include "skin/paint/slicing_p.h"

namespace {

constexpr QRgb kBackground = 0xFF102030;

// Every pixel different (red = x, green = y), magenta in the corners that a keyed face leaves
// out.
QImage Frame(int w, int h) {
  QImage frame(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) frame.setPixel(x, y, qRgb(10 * x, 10 * y, 0));
  frame.setPixel(0, 0, kSkinKeyColor);
  frame.setPixel(w - 1, h - 1, kSkinKeyColor);
  return frame;
}

QImage Canvas(QSize logical, qreal ratio) {
  QImage canvas(logical * ratio, QImage::Format_RGB32);
  canvas.setDevicePixelRatio(ratio);
  canvas.fill(kBackground);
  return canvas;
}

using Draw = std::function<void(QPainter&, const QRect&)>;

// The drawing over a target whose edges fall on whole device pixels at 1x, 1.5x and 2x; smooth
// canvases filter every picture they scale.
QImage Painted(QSize logical, qreal ratio, const Draw& draw, bool smooth = false) {
  QImage canvas = Canvas(logical, ratio);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  draw(painter, QRect(QPoint(2, 4), logical - QSize(4, 6)));
  return canvas;
}

struct Slicing {
  const char* name;
  Draw cached;
  Draw direct;
};

std::vector<Slicing> Slicings() {
  const QImage nine = Frame(7, 5);
  const QImage three = Frame(9, 4);
  return {
      {"nine-slice, plain corners",
       [=](QPainter& p, const QRect& r) { DrawStretchedFace(p, nine, r, false); },
       [=](QPainter& p, const QRect& r) { SpitDraw(nine, p, r, false); }},
      {"nine-slice, keyed corners",
       [=](QPainter& p, const QRect& r) { DrawStretchedFace(p, nine, r, true); },
       [=](QPainter& p, const QRect& r) { SpitDraw(nine, p, r, true); }},
      {"three-slice", [=](QPainter& p, const QRect& r) { DrawThreeSliceFace(p, three, r); },
       [=](QPainter& p, const QRect& r) { SpitDrawHorizontal(three, p, r, false, false); }},
  };
}

// Faces are made at the canvas's device pixels and drawn one to one, so they match the slicing
// done straight onto the canvas, even on a canvas that smooths what it scales; a face made for
// another density would be scaled, and smoothed, on the way.
TEST(FaceCache, DrawsFacesOneToOneAtEachDensity) {
  const QSize logical(24, 12);
  for (const Slicing& s : Slicings()) {
    for (qreal ratio : {1.0, 2.0, 1.0, 1.5, 2.0, 1.5}) {
      EXPECT_EQ(Painted(logical, ratio, s.cached, true), Painted(logical, ratio, s.direct))
          << s.name << " at " << ratio;
    }
  }
}

}  // namespace
