// The real-scale view: one picture pixel on one device pixel (also at a screen scale factor,
// which the HiDPI runs of these tests set), moving and zooming about the pointer, sharp blocks
// zoomed in and the averaged picture zoomed out.
#include "app/viewer/realscaleview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "support/photos.h"

namespace {

using graphitine::Raster;

class RealScaleViewTest : public ::testing::Test {
 protected:
  // A view of 120 x 90 logical pixels over a picture larger than it at any scale factor.
  void SetUp() override {
    view_.resize(120, 90);
    view_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view_));
    ratio_ = view_.devicePixelRatioF();
  }

  QImage Grab() { return view_.grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // The picture's pixel as the screen shows it.
  QRgb PicturePixel(int x, int y) const {
    const std::uint8_t* p = picture_.Row(y) + 3 * x;
    return qRgb(p[2], p[1], p[0]);
  }

  // The picture point under a device point of the view.
  QPointF PictureAt(QPointF device) const {
    return (device - QPointF(view_.Origin())) / view_.Zoom();
  }

  void Wheel(QPointF at, QPoint angle, Qt::KeyboardModifiers keys) {
    QWheelEvent wheel(at, view_.mapToGlobal(at), QPoint(), angle, Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view_, &wheel);
  }

  const Raster picture_ = PatternPhoto(700, 500);
  TRealScaleView view_{picture_, nullptr};
  qreal ratio_ = 1;
};

// At real scale every device pixel of the view is the picture's pixel, wherever it was moved.
TEST_F(RealScaleViewTest, AtRealScaleEveryDevicePixelIsAPicturePixel) {
  EXPECT_EQ(view_.Zoom(), 1.0);
  EXPECT_EQ(view_.Origin(), QPoint(0, 0));
  view_.ScrollBy(QPointF(37, 51));
  ASSERT_EQ(view_.Origin(), QPoint(-37, -51));
  const QImage shown = Grab();
  ASSERT_EQ(shown.size(), QSize(std::lround(120 * ratio_), std::lround(90 * ratio_)));
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      ASSERT_EQ(shown.pixel(x, y), PicturePixel(x + 37, y + 51)) << x << ", " << y;
    }
  }
}

TEST_F(RealScaleViewTest, DraggingMovesThePictureWithThePointerAndStopsAtItsEdges) {
  QTest::mousePress(&view_, Qt::LeftButton, {}, QPoint(100, 80));
  EXPECT_EQ(view_.cursor().shape(), Qt::ClosedHandCursor);
  QTest::mouseMove(&view_, QPoint(70, 60));
  QTest::mouseRelease(&view_, Qt::LeftButton, {}, QPoint(70, 60));
  EXPECT_EQ(view_.Origin(), QPoint(std::lround(-30 * ratio_), std::lround(-20 * ratio_)));
  EXPECT_EQ(view_.cursor().shape(), Qt::OpenHandCursor);

  QTest::keyClick(&view_, Qt::Key_End);
  const QPoint end(std::lround(120 * ratio_) - 700, std::lround(90 * ratio_) - 500);
  EXPECT_EQ(view_.Origin(), end);
  view_.ScrollBy(QPointF(500, 500));  // no further than the edge
  EXPECT_EQ(view_.Origin(), end);
  QTest::keyClick(&view_, Qt::Key_Left);
  EXPECT_EQ(view_.Origin(), end + QPoint(std::lround(40 * ratio_), 0));
  Wheel(QPointF(10, 10), QPoint(0, 120), {});  // one notch up
  EXPECT_EQ(view_.Origin(), end + QPoint(std::lround(40 * ratio_), std::lround(60 * ratio_)));
  Wheel(QPointF(10, 10), QPoint(0, -120), Qt::ShiftModifier);  // sideways
  EXPECT_EQ(view_.Origin(), end + QPoint(0, std::lround(60 * ratio_)));
  QTest::keyClick(&view_, Qt::Key_Home);
  EXPECT_EQ(view_.Origin(), QPoint(0, 0));
}

// Zooming keeps the picture point under the pointer (to the device pixel the origin is
// rounded to), passes through real scale, and stays between fitted and 800 %.
TEST_F(RealScaleViewTest, ZoomingKeepsThePointUnderThePointer) {
  view_.ScrollBy(QPointF(100, 100));
  const QPointF pointer(50, 40);
  const QPointF device = pointer * ratio_;
  const QPointF before = PictureAt(device);
  Wheel(pointer, QPoint(0, 120), Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view_.Zoom(), TRealScaleView::kZoomStep);
  EXPECT_NEAR(PictureAt(device).x(), before.x(), 1 / view_.Zoom());
  EXPECT_NEAR(PictureAt(device).y(), before.y(), 1 / view_.Zoom());
  Wheel(pointer, QPoint(0, -120), Qt::ControlModifier);
  Wheel(pointer, QPoint(0, -120), Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view_.Zoom(), 1 / TRealScaleView::kZoomStep);
  EXPECT_NEAR(PictureAt(device).x(), before.x(), 1 / view_.Zoom());
  EXPECT_NEAR(PictureAt(device).y(), before.y(), 1 / view_.Zoom());

  for (int i = 0; i < 30; ++i) QTest::keyClick(&view_, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(view_.Zoom(), TRealScaleView::kMostZoom);
  for (int i = 0; i < 30; ++i) QTest::keyClick(&view_, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(view_.Zoom(), view_.FittedZoom());
}

TEST_F(RealScaleViewTest, ADoubleClickTogglesBetweenRealScaleAndFitted) {
  QTest::mouseDClick(&view_, Qt::LeftButton, {}, QPoint(60, 45));
  EXPECT_EQ(view_.Zoom(), view_.FittedZoom());
  EXPECT_LT(view_.Zoom(), 1.0);
  EXPECT_EQ(view_.cursor().shape(), Qt::ArrowCursor);  // nothing to move
  view_.resize(240, 90);                               // fitted follows the view
  EXPECT_EQ(view_.Zoom(), view_.FittedZoom());
  QTest::keyClick(&view_, Qt::Key_Space);
  EXPECT_EQ(view_.Zoom(), 1.0);
}

// Zoomed in, each picture pixel is a block of one colour; zoomed out, the view shows the picture
// averaged down.
TEST_F(RealScaleViewTest, SharpBlocksZoomedInAndTheAveragedPictureZoomedOut) {
  view_.SetZoom(4, QPointF(0, 0));
  ASSERT_EQ(view_.Origin(), QPoint(0, 0));
  QImage shown = Grab();
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      ASSERT_EQ(shown.pixel(x, y), PicturePixel(x / 4, y / 4)) << x << ", " << y;
    }
  }

  view_.SetZoom(0.5, QPointF(0, 0));
  ASSERT_EQ(view_.Origin(), QPoint(0, 0));
  ScaledPicture averaged;
  averaged.Scale(picture_, QSize(350, 250));
  shown = Grab();
  const QRect common = QRect(QPoint(0, 0), shown.size()) & QRect(0, 0, 350, 250);
  EXPECT_EQ(shown.copy(common),
            averaged.Image().copy(common).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
