// The real-scale viewer: its size for small and large pictures, the fitting, and which
// double-clicks open it.
#include "app/viewer/viewform.h"

#include <QScreen>

#include "app/fitting.h"
#include "app/pictureview.h"
#include "mainwindow/oldform_fixture.h"

namespace {

TEST(ViewerSizeTest, PictureSizeWithRoomForTheFrameButNeverBeyondTheWorkArea) {
  const QSize workArea(1280, 1000);
  EXPECT_EQ(ViewerSize({400, 300}, workArea), QSize(410, 330));
  EXPECT_EQ(ViewerSize({1270, 970}, workArea), QSize(1280, 1000));
  EXPECT_EQ(ViewerSize({1271, 300}, workArea), workArea);
  EXPECT_EQ(ViewerSize({400, 971}, workArea), workArea);
}

TEST(ViewFormTest, OpensInTheWorkAreasCornerAndFitsThePictureToTheWindow) {
  const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
  struct Case {
    QSize picture;
    QSize window;
  };
  const Case cases[] = {{{400, 300}, {410, 330}}, {workArea.size() * 2, workArea.size()}};
  for (const Case& c : cases) {
    TViewForm viewer(nullptr, PatternPhoto(c.picture.width(), c.picture.height()));
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    // The window's outer size, frame included.
    EXPECT_EQ(viewer.frameGeometry(), QRect(workArea.topLeft(), c.window));
    // The whole picture is in the window, centred, at the largest size that fits.
    EXPECT_EQ(viewer.Image1()->geometry(), FitPicture(viewer.size(), c.picture));
  }
  TViewForm viewer(nullptr, PatternPhoto(400, 300));
  viewer.show();
  viewer.resize(700, 330);  // wider than the picture: equal bands left and right
  EXPECT_TRUE(QTest::qWaitFor([&viewer] { return viewer.size() == QSize(700, 330); }));
  EXPECT_EQ(viewer.Image1()->geometry(), QRect(130, 0, 440, 330));
}

TEST_F(OldFormTest, DoubleClicksOpenTheViewerOnWhatTheViewShows) {
  Show();
  LoadPhoto(400, 300);
  QStringList opened;
  ModalWatch watch([&opened](QWidget* modal) {
    auto* viewer = qobject_cast<TViewForm*>(modal);
    const graphitine::Raster* shown = viewer->Image1()->Picture();
    opened << QStringLiteral("%1x%2").arg(shown->Width()).arg(shown->Height());
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
  QTest::mouseDClick(form_->Image1, Qt::LeftButton);
  Click(form_->Button3);
  QTest::mouseDClick(form_->Image2, Qt::LeftButton);
  EXPECT_EQ(opened, (QStringList{QStringLiteral("400x300"), QStringLiteral("401x301")}));
}

}  // namespace
