// Frame cutting and nine- and three-slice drawing, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "skin/paint/slicing_p.h"

namespace {

constexpr QRgb kBackground = 0xFF102030;
constexpr QRgb kMagenta = 0xFFFF00FF;

// Every pixel tells where it came from: red = x, green = y (never magenta).
QImage CoordinateImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x, y, 0));
  return image;
}

QImage Canvas(int w, int h) {
  QImage canvas(w, h, QImage::Format_RGB32);
  canvas.fill(kBackground);
  return canvas;
}

QImage Draw(const QImage& source, int w, int h, bool transparent) {
  QImage canvas = Canvas(w, h);
  QPainter painter(&canvas);
  SpitDraw(source, painter, QRect(0, 0, w, h), transparent);
  return canvas;
}

// A block of the target copied from the source: target pixel (x, y) comes from
// (srcX + dx * (x - left), srcY + dy * (y - top)); dx or dy 0 means one source column or row
// stretched over the block.
struct Block {
  const char* piece;
  QRect target;
  int srcX, srcY, dx, dy;
  bool corner;
};

// 84 × 23 onto 40 × 10: corners 20×5, 20×4, 19×5, 19×4; later blocks are drawn over earlier.
const std::vector<Block> kButtonOnto40x10 = {
    {"top-left", QRect(0, 0, 20, 5), 0, 0, 1, 1, true},
    {"bottom-left", QRect(0, 6, 20, 4), 0, 19, 1, 1, true},
    {"left edge", QRect(0, 5, 20, 1), 0, 11, 1, 0, false},
    {"top-right", QRect(21, 0, 19, 5), 65, 0, 1, 1, true},
    {"bottom-right", QRect(21, 6, 19, 4), 65, 19, 1, 1, true},
    {"right edge", QRect(21, 5, 19, 1), 65, 12, 1, 0, false},
    {"top edge", QRect(20, 0, 1, 5), 42, 0, 0, 1, false},
    // the centre is 1 × 0 here and not drawn
    {"bottom edge", QRect(19, 5, 2, 5), 42, 18, 0, 1, false},
};

QRgb Expected(const QImage& source, int x, int y, bool transparent) {
  QRgb expected = kBackground;
  for (const Block& b : kButtonOnto40x10) {
    if (!b.target.contains(x, y)) continue;
    const QRgb s =
        source.pixel(b.srcX + b.dx * (x - b.target.left()), b.srcY + b.dy * (y - b.target.top()));
    const bool keyed = !b.corner || transparent;
    if (!(keyed && s == kMagenta)) expected = s;
  }
  return expected;
}

void ExpectButtonOnto40x10(const QImage& source, bool transparent) {
  const QImage drawn = Draw(source, 40, 10, transparent);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 40; ++x) {
      ASSERT_EQ(drawn.pixel(x, y), Expected(source, x, y, transparent))
          << "at " << x << "," << y << (transparent ? " (transparent)" : "");
    }
  }
}

TEST(SpitDraw, ButtonFrameOnto40x10PlacesTrimmedCornersAndStretchedEdges) {
  ExpectButtonOnto40x10(CoordinateImage(84, 23), false);
}

TEST(SpitDraw, MagentaIsKeyedInEdgesAlwaysAndInCornersOnlyWhenTransparent) {
  QImage source = CoordinateImage(84, 23);
  // One magenta pixel in a corner, the left, top and bottom edges.
  for (QPoint p : {QPoint(0, 0), QPoint(3, 11), QPoint(42, 2), QPoint(42, 21)}) {
    source.setPixel(p, kMagenta);
  }
  for (bool transparent : {false, true}) ExpectButtonOnto40x10(source, transparent);

  const QImage opaque = Draw(source, 40, 10, false);
  EXPECT_EQ(opaque.pixel(0, 0), kMagenta) << "corner drawn as it is without the flag";
  EXPECT_EQ(opaque.pixel(3, 5), kBackground) << "left edge keyed";
  EXPECT_EQ(opaque.pixel(20, 2), kBackground) << "top edge keyed";
  EXPECT_EQ(opaque.pixel(20, 8), kBackground) << "bottom edge keyed";
  EXPECT_EQ(Draw(source, 40, 10, true).pixel(0, 0), kBackground) << "corner keyed with the flag";
}

TEST(SpitDraw, CentreIsStretchedAndKeyedOnALargeTarget) {
  // 9 × 9 onto 30 × 20: hw = hh = 4, corners 4×4, 4×3, 3×4, 3×3; the centre piece (4, 4, 6, 5)
  // fills (4, 4, 27, 16).
  QImage source = CoordinateImage(9, 9);
  const QImage drawn = Draw(source, 30, 20, false);
  for (int y = 4; y < 16; ++y) {
    for (int x = 4; x < 27; ++x) {
      const int sx = 4 + (2 * (x - 4) + 1) * 2 / (2 * 23);
      ASSERT_EQ(drawn.pixel(x, y), qRgb(sx, 4, 0)) << x << "," << y;
    }
  }
  source.setPixel(4, 4, kMagenta);
  source.setPixel(5, 4, kMagenta);
  EXPECT_EQ(Draw(source, 30, 20, false).pixel(15, 10), kBackground);
}

TEST(SpitDraw, OntoOnePixelOnlyTheBottomEdgeIsDrawn) {
  const QImage source = CoordinateImage(84, 23);
  EXPECT_EQ(Draw(source, 1, 1, false).pixel(0, 0), qRgb(42, 22, 0));

  // With the bottom-edge strip magenta, nothing at all reaches the pixel, although corners
  // would be drawn opaque.
  QImage keyedBottom = source;
  for (int y = 12; y < 23; ++y) keyedBottom.setPixel(42, y, kMagenta);
  EXPECT_EQ(Draw(keyedBottom, 1, 1, false).pixel(0, 0), kBackground);
}

TEST(SpitDraw, DrawsInsideAnOffsetRectangle) {
  const QImage source = CoordinateImage(84, 23);
  QImage canvas = Canvas(50, 15);
  QPainter painter(&canvas);
  SpitDraw(source, painter, QRect(10, 5, 40, 10), false);
  painter.end();
  const QImage atOrigin = Draw(source, 40, 10, false);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 50; ++x) {
      const QRgb expected = x >= 10 && y >= 5 ? atOrigin.pixel(x - 10, y - 5) : kBackground;
      ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(SpitBitmap, CutsFrameKOfN) {
  const QImage strip = CoordinateImage(306, 17);
  QImage frame;
  SpitBitmap(strip, frame, 18, 18);
  ASSERT_EQ(frame.size(), QSize(17, 17));
  for (int x = 0; x < 17; ++x) EXPECT_EQ(frame.pixel(x, 16), qRgb(289 + x, 16, 0));

  SpitBitmap(strip, frame, 18, 1);
  EXPECT_EQ(frame.pixel(0, 0), qRgb(0, 0, 0));
  SpitBitmap(strip, frame, 1, 1);
  EXPECT_EQ(frame, strip);
  SpitBitmap(strip, frame, 18, 19);
  EXPECT_TRUE(frame.isNull()) << "no frame 19 of 18";
}

TEST(SpitDrawHorizontal, CapsAtTheirSizeMiddleStretchedKeyFromPicture) {
  // Three 2-pixel frames; the bottom-left pixel is the key when asked for.
  QImage strip = CoordinateImage(6, 3);
  const QRgb bottomLeft = strip.pixel(0, 2);
  struct Case {
    bool keyFromPicture, sampleTop;
    QRgb keyed;
  } cases[] = {{false, false, kMagenta}, {true, false, bottomLeft}, {true, true, qRgb(0, 0, 0)}};
  for (const Case& c : cases) {
    QImage canvas = Canvas(12, 3);
    QPainter painter(&canvas);
    SpitDrawHorizontal(strip, painter, QRect(1, 0, 10, 3), c.keyFromPicture, c.sampleTop);
    painter.end();
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 12; ++x) {
        QRgb source = kBackground;
        if (x >= 1 && x < 3) source = strip.pixel(x - 1, y);
        if (x >= 3 && x < 9) source = strip.pixel(2 + (2 * (x - 3) + 1) * 2 / 12, y);
        if (x >= 9 && x < 11) source = strip.pixel(4 + x - 9, y);
        const QRgb expected = source == c.keyed ? kBackground : source;
        ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y << " key " << c.keyed;
      }
    }
  }
}

TEST(TileDraw, RepeatsFromTheCanvasOrigin) {
  QImage tile = CoordinateImage(3, 2);
  QImage canvas = Canvas(8, 5);
  QPainter painter(&canvas);
  TileDraw(painter, tile, QRect(4, 4, 7, 4));
  painter.end();
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(canvas.pixel(x, y), qRgb(x % 3, y % 2, 0)) << x << "," << y;
}

}  // namespace
