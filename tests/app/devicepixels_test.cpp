// Pictures on scaled screens. This program runs once at each scale factor (1, 1.5 and 2, from
// QT_SCALE_FACTOR): the photo, sketch and paper views draw in device pixels, and a retouch step
// lands under the pointer's device pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHash>
#include <cmath>

#include "app/pictureview.h"
#include "mainwindow/oldform_fixture.h"
#include "skin/buttons/radiobutton.h"

using graphitine::Raster;

namespace {

qreal Ratio() { return qApp->devicePixelRatio(); }

QRgb PixelOf(const Raster& picture, int x, int y) {
  const std::uint8_t* pixel = picture.Row(y) + 3 * x;
  return qRgb(pixel[2], pixel[1], pixel[0]);
}

// The view as the screen shows it, in device pixels.
QImage Shown(TPictureView& view) {
  return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Each of the picture's pixels (all different) appears exactly once in the shown image, the
// top-left one at `at`, and in its place.
void ExpectEachPixelOnceAt(const QImage& shown, const Raster& picture, const QPoint& at) {
  QHash<QRgb, int> seen;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) ++seen[shown.pixel(x, y) & 0xFFFFFF];
  }
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const QRgb pixel = PixelOf(picture, x, y);
      ASSERT_EQ(shown.pixel(at + QPoint(x, y)), pixel) << "picture pixel " << x << "," << y;
      ASSERT_EQ(seen.value(pixel & 0xFFFFFF), 1) << "picture pixel " << x << "," << y;
    }
  }
}

TEST(DevicePixelsTest, TheScaleFactorComesFromTheEnvironment) {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  EXPECT_EQ(Ratio(), factor.isEmpty() ? 1.0 : factor.toDouble());
}

// The paper preview: a picture at its own size takes one device pixel per pixel, centred.
TEST(DevicePixelsTest, APictureAtItsOwnSizeShowsEachPixelOnceCentred) {
  const Raster picture = PatternPhoto(21, 13);
  TPictureView view;
  view.resize(40, 30);
  view.SetCenter(true);
  view.SetPicture(&picture);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const QImage shown = Shown(view);
  const QSize device = TPictureView::DevicePixels(QSize(40, 30), Ratio());
  ASSERT_EQ(shown.size(), device);
  ExpectEachPixelOnceAt(shown, picture,
                        QPoint((device.width() - 21) / 2, (device.height() - 13) / 2));
}

// The photo and sketch views: the picture is scaled to the view's device pixels, and shown as
// it was scaled; a picture of exactly that size shows each of its pixels once.
TEST(DevicePixelsTest, AStretchedPictureIsScaledToTheDevicePixels) {
  TPictureView view;
  view.resize(40, 30);
  view.SetStretch(true);
  const QSize device = view.DeviceSize();
  EXPECT_EQ(device, QSize(static_cast<int>(std::ceil(40 * Ratio())),
                          static_cast<int>(std::ceil(30 * Ratio()))));
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  for (const int times : {1, 3}) {
    SCOPED_TRACE(times);
    const Raster picture = PatternPhoto(device.width() * times, device.height() * times);
    view.SetPicture(&picture);
    ASSERT_EQ(view.Scaled().size(), device);
    const QImage shown = Shown(view);
    EXPECT_EQ(shown, view.Scaled().convertToFormat(QImage::Format_RGB32));
    if (times == 1) ExpectEachPixelOnceAt(shown, picture, QPoint());
    view.SetPicture(nullptr);
  }
}

using DevicePixelsWindowTest = OldFormTest;

// The pointer on a device pixel lies between logical pixels on a 1.5x or 2x screen: the step's
// box is the one of the exact point, as at 1x, not of the nearest logical pixel.
TEST_F(DevicePixelsWindowTest, ARetouchStepLandsUnderThePointersDevicePixel) {
  Show();
  LoadPhoto(400, 300);
  EXPECT_EQ(form_->Image1->Scaled().size(), form_->Image1->DeviceSize());
  Click(form_->Button3);
  ManualPage();
  form_->RadioButton2->SetChecked(true);  // eraser
  const graphitine::SketchDocument before = form_->Document();

  const QPointF at = QPointF(151, 121) / Ratio();  // a device pixel's place
  MoveOnSketch(at.x(), at.y(), Qt::ControlModifier);

  const graphitine::ViewGeometry view{
      form_->Image2->width(), form_->Image2->height(),
      graphitine::ViewScale(Photo().Height(), form_->Image1->height())};
  const int r = form_->Retouch().BrushRadius;
  const auto box = graphitine::BrushBoxAt(at.x(), at.y(), r, 1, view);
  ASSERT_TRUE(box);
  if (Ratio() != 1) {
    // The nearest logical pixel would erase elsewhere.
    EXPECT_NE(box, graphitine::BrushBoxAt(std::round(at.x()), std::round(at.y()), r, 1, view));
  }
  graphitine::SketchDocument expected = before;
  graphitine::SketchSettings eraser;
  eraser.choice = {graphitine::SketchTool::Eraser, graphitine::SketchPage::Manual};
  ASSERT_TRUE(expected.Retouch(*box, eraser));
  EXPECT_EQ(Sketch(), expected.Sketch());
  EXPECT_NE(Sketch(), before.Sketch());
}

}  // namespace
