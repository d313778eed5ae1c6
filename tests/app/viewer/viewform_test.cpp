// The real-scale viewer: its size for small and large pictures at any screen scale factor, its
// place, which double-clicks open it, and what it leaves behind when it closes.
#include "app/viewer/viewform.h"

#include <QScreen>
#include <cmath>

#include "app/pictureview.h"
#include "app/viewer/realscaleview.h"
#include "mainwindow/oldform_fixture.h"

namespace {

TEST(ViewerClientSizeTest, ThePicturesDeviceSizeWithinTheRoomTheFrameLeaves) {
  const QSize room(1270, 970);
  struct Case {
    QSize picture;
    qreal ratio;
    QSize room;
    QSize client;
  };
  const Case cases[] = {
      {{400, 300}, 1, room, {400, 300}},    {{1000, 625}, 2, room, {500, 313}},
      {{1000, 625}, 1.5, room, {667, 417}}, {{1271, 300}, 1, room, {1270, 300}},
      {{6000, 4000}, 1, room, room},        {{6000, 4000}, 2, room, room},
      {{0, 0}, 1, room, {545, 378}},        {{0, 0}, 1, {500, 300}, {500, 300}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ViewerClientSize(c.picture, c.ratio, c.room), c.client)
        << c.picture.width() << "x" << c.picture.height() << " at " << c.ratio;
  }
}

// The viewer opens at the work area's corner, frame included, at real scale: a small picture
// fills it exactly, a larger one gets the whole work area and shows its top-left part.
TEST(ViewFormTest, OpensInTheWorkAreasCornerAtRealScale) {
  const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
  const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  struct Case {
    QSize picture;
    QSize client;
  };
  const QSize small(std::lround(400 / ratio), std::lround(300 / ratio));
  const Case cases[] = {{{400, 300}, small}, {workArea.size() * 3 * ratio, QSize()}};
  for (const Case& c : cases) {
    const graphitine::Raster picture = PatternPhoto(c.picture.width(), c.picture.height());
    TViewForm viewer(nullptr, picture);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    EXPECT_EQ(viewer.frameGeometry().topLeft(), workArea.topLeft());
    if (c.client.isValid()) {
      EXPECT_EQ(viewer.size(), c.client);
    } else {
      EXPECT_EQ(viewer.frameGeometry().size(), workArea.size());
    }
    EXPECT_EQ(viewer.Image1()->geometry(), viewer.rect());
    EXPECT_EQ(viewer.Image1()->Zoom(), 1.0);
    EXPECT_EQ(viewer.Image1()->Origin(), QPoint(0, 0));
    EXPECT_EQ(&viewer.Image1()->Picture(), &picture);  // read where it is, not copied
    EXPECT_TRUE(viewer.Image1()->hasFocus());
  }
}

// Both views open the viewer on their own picture; the sketch view only once there is a sketch.
// Closing the viewer ends the stroke that the double-click's first press began, whichever view
// was double-clicked.
TEST_F(OldFormTest, DoubleClicksOpenTheViewerOnWhatTheViewShows) {
  Show();
  LoadPhoto(400, 300);
  std::vector<const graphitine::Raster*> opened;
  ModalWatch watch([&opened](QWidget* modal) {
    auto* viewer = qobject_cast<TViewForm*>(modal);
    opened.push_back(&viewer->Image1()->Picture());
    viewer->reject();
  });
  // A press on the manual page holds a stroke; one at the view's edge paints nothing.
  ManualPage();
  QTest::mousePress(form_->Image2, Qt::LeftButton, {}, QPoint(1, 1));
  AutomaticPage();
  ASSERT_TRUE(form_->Retouch().MouseHeld);
  ASSERT_TRUE(Sketch().IsEmpty());
  QTest::mouseDClick(form_->Image2, Qt::LeftButton);  // an empty sketch opens nothing
  EXPECT_FALSE(form_->Retouch().MouseHeld);
  ManualPage();
  QTest::mousePress(form_->Image2, Qt::LeftButton, {}, QPoint(1, 1));
  ASSERT_TRUE(form_->Retouch().MouseHeld);
  QTest::mouseDClick(form_->Image1, Qt::LeftButton);
  EXPECT_FALSE(form_->Retouch().MouseHeld);
  AutomaticPage();
  Click(form_->Button3);
  QTest::mouseDClick(form_->Image2, Qt::LeftButton);
  EXPECT_EQ(opened, (std::vector<const graphitine::Raster*>{&Photo(), &Sketch()}));
}

}  // namespace
