// The frame a skinned form paints at its window's edges, its shape and where it maximizes to.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "skin/look/builtinlooks.h"
#include "skin/window/formframe_p.h"

namespace {

constexpr QRgb kUntouched = 0xFF123456;
constexpr QRgb kLine = 0xFF7F7F7F;
constexpr QRgb kBody = 0xFFE7E7E7;
constexpr int W = 60, H = 40;

QImage Picture(const char* name) {
  return LoadSkinResource(name).convertToFormat(QImage::Format_RGB32);
}

// The MacOS frame around a 20-pixel title bar, on a W × H window.
SkinFormFrame MacOSFrame() {
  SkinFormFrame frame;
  frame.window = QSize(W, H);
  frame.borderWidth = 1;
  frame.borderColor = QColor(kLine);
  frame.bodyColor = QColor(kBody);
  frame.titleBarVisible = true;
  frame.titleBarHeight = 20;
  frame.titleBarCanPaint = true;
  frame.titleLeft = Picture("MACOS_TITLE_LEFT");
  frame.titleCenter = Picture("MACOS_TITLE_CLIENT");
  frame.titleRight = Picture("MACOS_TITLE_RIGHT");
  return frame;
}

QImage Painted(const SkinFormFrame& frame) {
  QImage image(frame.window, QImage::Format_RGB32);
  image.fill(kUntouched);
  QPainter painter(&image);
  DrawFormFrame(painter, frame);
  return image;
}

// Every pixel of the rectangle has the colour.
testing::AssertionResult Filled(const QImage& image, const QRect& rect, QRgb colour) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (image.pixel(x, y) != colour) {
        return testing::AssertionFailure()
               << "(" << x << ", " << y << ") is " << std::hex << image.pixel(x, y);
      }
    }
  }
  return testing::AssertionSuccess();
}

TEST(FormFrame, MacOSShowsALineAndTwoRowsOfBodyWithTheTitleAbove) {
  const SkinFormFrame frame = MacOSFrame();
  const QImage shown = Painted(frame);
  EXPECT_TRUE(Filled(shown, QRect(0, 0, 1, H), kLine)) << "left line";
  EXPECT_TRUE(Filled(shown, QRect(W - 1, 0, 1, H), kLine)) << "right line";
  EXPECT_TRUE(Filled(shown, QRect(0, H - 1, W, 1), kLine)) << "bottom line";
  EXPECT_TRUE(Filled(shown, QRect(1, 23, 2, H - 24), kBody))
      << "left band below the title pictures";
  EXPECT_TRUE(Filled(shown, QRect(W - 3, 23, 2, H - 24), kBody)) << "right band";
  EXPECT_TRUE(Filled(shown, QRect(1, H - 3, W - 2, 2), kBody)) << "bottom band";
  EXPECT_TRUE(Filled(shown, QRect(3, 3, W - 6, H - 6), kUntouched))
      << "the inside is the contents'";
  // Above the bar the frame continues the title pictures: the left one from x = 0 on the top
  // rows, its first two columns beside the bar.
  for (int y = 0; y < 3; ++y) {
    for (int x = 2; x < 10; ++x)
      EXPECT_EQ(shown.pixel(x, y), frame.titleLeft.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(shown.pixel(W - 4, y), frame.titleRight.pixel(frame.titleRight.width() - 4, y)) << y;
  }
  for (int y = 0; y < frame.titleLeft.height(); ++y) {
    EXPECT_EQ(shown.pixel(1, y), frame.titleLeft.pixel(0, y)) << y;
    if (y >= 3) {
      EXPECT_EQ(shown.pixel(2, y), frame.titleLeft.pixel(1, y)) << y;
    }
    EXPECT_EQ(shown.pixel(W - 2, y), frame.titleRight.pixel(frame.titleRight.width() - 1, y)) << y;
  }
}

TEST(FormFrame, HiddenTitleBarLeavesALineOverTwoRowsOfBody) {
  SkinFormFrame frame = MacOSFrame();
  frame.titleBarVisible = false;
  const QImage shown = Painted(frame);
  EXPECT_TRUE(Filled(shown, QRect(0, 0, W, 1), kLine));
  EXPECT_TRUE(Filled(shown, QRect(1, 1, W - 2, 2), kBody));
  EXPECT_TRUE(Filled(shown, QRect(1, 3, 2, H - 6), kBody)) << "the side band runs from the top";
}

TEST(FormFrame, BorderOfFourOrMorePaintsOnlyTheOuterStrips) {
  SkinFormFrame frame = MacOSFrame();
  frame.borderWidth = 4;
  const QImage shown = Painted(frame);
  EXPECT_TRUE(Filled(shown, QRect(0, 0, 4, H), kLine));
  EXPECT_TRUE(Filled(shown, QRect(W - 4, 0, 4, H), kLine));
  EXPECT_TRUE(Filled(shown, QRect(0, H - 4, W, 4), kLine));
  EXPECT_TRUE(Filled(shown, QRect(4, 0, W - 8, H - 4), kUntouched)) << "no band, no top rows";
}

TEST(FormFrame, MenuBarRowsOfTheBandTakeTheMenuBarColour) {
  SkinFormFrame frame = MacOSFrame();
  frame.titleBarVisible = false;  // the menu bar starts right below the frame's top rows
  frame.hasMenuBar = frame.menuBarVisible = true;
  frame.menuBarHeight = 10;
  frame.menuBarColor = QColor(0xFF00FF00);
  const QImage shown = Painted(frame);
  EXPECT_TRUE(Filled(shown, QRect(1, 3, 2, 10), 0xFF00FF00));
  EXPECT_TRUE(Filled(shown, QRect(W - 3, 3, 2, 10), 0xFF00FF00));
  EXPECT_TRUE(Filled(shown, QRect(1, 13, 2, H - 16), kBody));
}

TEST(FormFrame, ThicknessFollowsTheBorderAndTheThemePictures) {
  SkinFormFrame plain = MacOSFrame();
  EXPECT_EQ(FormFrameMargins(plain), QMargins(3, 3, 3, 3));
  plain.borderWidth = 5;
  EXPECT_EQ(FormFrameMargins(plain), QMargins(5, 3, 5, 5));
  SkinFormFrame pictured = MacOSFrame();
  pictured.leftBorder = pictured.rightBorder = QImage(4, 10, QImage::Format_RGB32);
  pictured.bottomBorder = QImage(30, 6, QImage::Format_RGB32);
  EXPECT_EQ(FormFrameMargins(pictured), QMargins(5, 3, 5, 7));
}

TEST(FormRegion, RoundsTheTopCornersOnlyWhereAsked) {
  const QRegion blueGlass = FormRegion(QSize(300, 200), 11, 0);
  EXPECT_FALSE(blueGlass.contains(QPoint(0, 0)));
  EXPECT_FALSE(blueGlass.contains(QPoint(299, 0)));
  EXPECT_FALSE(blueGlass.contains(QPoint(2, 0)));
  EXPECT_TRUE(blueGlass.contains(QPoint(3, 0)));
  EXPECT_TRUE(blueGlass.contains(QPoint(296, 0)));
  EXPECT_TRUE(blueGlass.contains(QPoint(0, 3)));
  EXPECT_TRUE(blueGlass.contains(QPoint(0, 199)));
  EXPECT_TRUE(blueGlass.contains(QPoint(299, 199)));
  EXPECT_EQ(blueGlass.boundingRect(), QRect(0, 0, 300, 200));
  EXPECT_EQ(FormRegion(QSize(300, 200), 11, -1), blueGlass) << "a bottom radius of -1 counts as 0";
  EXPECT_EQ(FormRegion(QSize(300, 200), 0, 0), QRegion(0, 0, 300, 200));
  const QRegion bottom = FormRegion(QSize(300, 200), 0, 11);
  EXPECT_TRUE(bottom.contains(QPoint(0, 0)));
  EXPECT_FALSE(bottom.contains(QPoint(0, 199)));
}

TEST(MaximizedFormBounds, GrowsTheWorkAreaLeftTopAndRightAndShrinksItsBottom) {
  EXPECT_EQ(MaximizedFormBounds(QRect(0, 0, 800, 600)), QRect(-2, -2, 804, 601));
  EXPECT_EQ(MaximizedFormBounds(QRect(100, 30, 1000, 700)), QRect(98, 28, 1004, 701));
}

}  // namespace
