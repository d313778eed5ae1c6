// The title bar: where its buttons and caption go, how presses, slides and double clicks act,
// and its system menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include "skin/base/error.h"
#include "skin/look/builtinlooks.h"
#include "skin/window/titlebarpopupmenu.h"
#include "skinformfixture.h"

namespace {

QImage StripFrame(int frame) {
  QImage picture;
  GetInsideThemeBitmap(TSkinUIStyle::MacOS, 5, &picture, 18, frame);
  return picture;
}

class TitleBarTest : public SkinFormTest {};

TEST_F(TitleBarTest, MacOSButtonsAndCaptionSitWhereTheLookPutsThem) {
  EXPECT_EQ(Bar()->geometry(), QRect(0, 0, 294, 20))
      << "below the frame's top rows, inside its sides";
  EXPECT_EQ(skin->geometry(), QRect(3, 3, 294, 194));
  const int W = Bar()->width();
  const TSkinTitleBarPlacement placed = Bar()->Place();
  ASSERT_EQ(placed.buttons.size(), 3u);
  const struct {
    TSkinTitleBarBtnType type;
    int x;
  } expected[] = {{skinClose, W - 20}, {skinMax, W - 38}, {skinMin, W - 56}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(placed.buttons[i].index, ButtonOf(expected[i].type));
    EXPECT_EQ(placed.buttons[i].rect, QRect(expected[i].x, 1, 17, 17)) << i;
  }
  EXPECT_EQ(placed.controlBoxRect.topLeft(), QPoint(4, 0));
  EXPECT_EQ(placed.captionLeft, 26);
  const QFontMetrics metrics(Bar()->font());
  EXPECT_EQ(placed.captionAt, QPoint(26, (17 - metrics.height()) / 2 + 1));
}

TEST_F(TitleBarTest, CaptionTooWideEndsInThreeDots) {
  const TSkinTitleBarPlacement before = Bar()->Place();
  const int space = before.captionRight - before.captionLeft;
  const QFontMetrics metrics(Bar()->font());
  skin->SetCaption("Short");
  EXPECT_EQ(Bar()->Place().caption, "Short");
  const QString longCaption = QString("A very long caption ").repeated(10);
  skin->SetCaption(longCaption);
  const QString shown = Bar()->Place().caption;
  EXPECT_TRUE(shown.endsWith("...")) << shown.toStdString();
  EXPECT_TRUE(longCaption.startsWith(shown.chopped(3)));
  EXPECT_LE(metrics.horizontalAdvance(shown), space);
  EXPECT_GT(metrics.horizontalAdvance(longCaption.left(shown.size() - 2) + "..."), space)
      << "no more is cut than needed";
  // No room even for the dots: the dots alone, and painting still finishes.
  Bar()->SetLeftBtnXOffset(300);
  EXPECT_EQ(Bar()->Place().caption, "...");
  EXPECT_FALSE(Bar()->grab().isNull());
}

TEST_F(TitleBarTest, ASlideFromOneButtonToAnotherClicksTheSecond) {
  QTest::mousePress(Bar(), Qt::LeftButton, {}, CentreOf(skinMin));
  EXPECT_EQ(Bar()->HotIndex(), ButtonOf(skinMin));
  QTest::mouseMove(Bar(), CentreOf(skinClose));
  EXPECT_EQ(Bar()->HotIndex(), ButtonOf(skinClose));
  const QRect close = Bar()->Place().buttons[0].rect;
  EXPECT_EQ(Bar()->grab(close).toImage().convertToFormat(QImage::Format_RGB32),
            StripFrame(18).convertToFormat(QImage::Format_RGB32))
      << "the button under the held press shows its pressed picture";
  QTest::mouseRelease(Bar(), Qt::LeftButton, {}, CentreOf(skinClose));
  EXPECT_FALSE(window.isVisible()) << "closed, not minimized";
}

TEST_F(TitleBarTest, SlidingOffEveryButtonClicksNone) {
  QTest::mousePress(Bar(), Qt::LeftButton, {}, CentreOf(skinClose));
  const QPoint free(120, 10);
  QTest::mouseMove(Bar(), free);
  EXPECT_EQ(Bar()->HotIndex(), -1);
  QTest::mouseRelease(Bar(), Qt::LeftButton, {}, free);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(skin->FormMaximized());
  EXPECT_FALSE(window.isMinimized());
}

TEST_F(TitleBarTest, DoubleClickMaximizesShowingTheRestoreFramesAndAgainRestores) {
  const QRect normal = window.geometry();
  const TSkinTitleBarButton* max = Bar()->Buttons().Items(ButtonOf(skinMax));
  EXPECT_EQ(max->PicNormal(), StripFrame(7));
  QTest::mouseDClick(Bar(), Qt::LeftButton, {}, QPoint(150, 10));
  EXPECT_TRUE(skin->FormMaximized());
  EXPECT_EQ(max->PicNormal(), StripFrame(10));
  EXPECT_EQ(max->PicMouseOn(), StripFrame(11));
  EXPECT_EQ(max->PicMouseDown(), StripFrame(12));
  QTest::mouseDClick(Bar(), Qt::LeftButton, {}, QPoint(150, 10));
  EXPECT_FALSE(skin->FormMaximized());
  EXPECT_EQ(max->PicNormal(), StripFrame(7));
  EXPECT_EQ(window.geometry(), normal);
}

TEST_F(TitleBarTest, CaptionButtonsMaximizeMinimizeAndClose) {
  QTest::mouseClick(Bar(), Qt::LeftButton, {}, CentreOf(skinMax));
  EXPECT_TRUE(skin->FormMaximized());
  QTest::mouseClick(Bar(), Qt::LeftButton, {}, CentreOf(skinMax));
  EXPECT_FALSE(skin->FormMaximized());
  QTest::mouseClick(Bar(), Qt::LeftButton, {}, CentreOf(skinMin));
  EXPECT_TRUE(window.isMinimized());
}

TEST_F(TitleBarTest, DraggingTheFreePartMovesTheWindow) {
  const QPoint from = window.pos();
  QTest::mousePress(Bar(), Qt::LeftButton, {}, QPoint(150, 10));
  QTest::mouseMove(Bar(), QPoint(180, 30));
  QTest::mouseRelease(Bar(), Qt::LeftButton, {}, QPoint(180, 30));
  EXPECT_EQ(window.pos(), from + QPoint(30, 20));
}

TEST_F(TitleBarTest, MaximizedWindowIsNotDragged) {
  skin->SetFormMaximized(true);
  const QPoint from = window.pos();
  QTest::mousePress(Bar(), Qt::LeftButton, {}, QPoint(150, 10));
  QTest::mouseMove(Bar(), QPoint(180, 30));
  QTest::mouseRelease(Bar(), Qt::LeftButton, {}, QPoint(180, 30));
  EXPECT_EQ(window.pos(), from);
}

TEST_F(TitleBarTest, CustomAndHelpButtonsReportTheirIndex) {
  TSkinTitleBarButton* help = Bar()->Buttons().Add();
  help->SetButtonType(skinHelp);
  help->SetPicNormal(StripFrame(4));
  TSkinTitleBarButton* custom = Bar()->Buttons().Add();
  custom->SetPicNormal(StripFrame(4));
  QSignalSpy helpClicks(skin, &TSkinForm::OnTitleBarHelpBtnClick);
  QSignalSpy customClicks(skin, &TSkinForm::OnTitleBarCustomBtnsClick);
  QTest::mouseClick(Bar(), Qt::LeftButton, {}, CentreOf(skinHelp));
  QTest::mouseClick(Bar(), Qt::LeftButton, {}, CentreOf(skinCustom));
  ASSERT_EQ(helpClicks.size(), 1);
  EXPECT_EQ(helpClicks[0][0].value<QObject*>(), Bar());
  EXPECT_EQ(helpClicks[0][1].toInt(), help->Index());
  ASSERT_EQ(customClicks.size(), 1);
  EXPECT_EQ(customClicks[0][1].toInt(), custom->Index());
}

// A transparent button leaves out its picture's bottom-left colour; the bar shows every change
// of picture or transparency at its next paint.
TEST_F(TitleBarTest, TransparentButtonsLeaveTheirBottomLeftColourOut) {
  const auto picture = [](QRgb key) {
    QImage made(17, 17, QImage::Format_RGB32);
    made.fill(0xFF00C000);
    made.setPixel(0, 16, key);
    made.setPixel(8, 8, 0xFF0000FF);
    return made;
  };
  TSkinTitleBarButton* custom = Bar()->Buttons().Add();
  custom->SetPicNormal(picture(0xFF0000FF));
  const QPoint inside = Bar()->Place().buttons.back().rect.topLeft() + QPoint(8, 8);
  const auto shown = [&] { return Bar()->grab().toImage().pixel(inside); };
  custom->SetVisible(false);
  const QRgb behind = shown();
  custom->SetVisible(true);
  ASSERT_NE(behind, 0xFF0000FFu);

  EXPECT_EQ(shown(), 0xFF0000FFu) << "opaque";
  custom->SetTransparent(true);
  EXPECT_EQ(shown(), behind) << "the key colour left out";
  custom->SetPicNormal(picture(0xFFFF0000));
  EXPECT_EQ(shown(), 0xFF0000FFu) << "another key";
  custom->SetPicNormal(picture(0xFF0000FF));
  custom->SetTransparent(false);
  EXPECT_EQ(shown(), 0xFF0000FFu) << "opaque again";
}

TEST_F(TitleBarTest, SystemMenuItemsFollowTheVisibleButtons) {
  TSkinTitleBarPopupMenu* menu = Bar()->SystemMenu();
  Bar()->Buttons().Items(ButtonOf(skinMin))->SetVisible(false);
  menu->Popup(0, 0);
  EXPECT_FALSE(menu->MinimizeItem()->isEnabled());
  EXPECT_TRUE(menu->MaximizeItem()->isEnabled());
  EXPECT_TRUE(menu->CloseItem()->isEnabled());
  EXPECT_EQ(menu->MinimizeItem()->text(), "最小化(&N)");
  EXPECT_EQ(menu->MaximizeItem()->text(), "最大化/还原(&X)");
  EXPECT_EQ(menu->CloseItem()->text(), "关闭(&C)");
  menu->MaximizeItem()->trigger();
  EXPECT_TRUE(skin->FormMaximized());
  menu->hide();
}

TEST_F(TitleBarTest, ControlBoxOpensTheSystemMenuBelowTheBar) {
  QTest::mouseClick(Bar(), Qt::LeftButton, {}, CentreOf(skinControlBox));
  TSkinTitleBarPopupMenu* menu = Bar()->SystemMenu();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->pos(), Bar()->mapToGlobal(QPoint(0, Bar()->height())));
  menu->hide();
}

TEST_F(TitleBarTest, OnlyOneControlBoxAndOneClientSection) {
  TSkinTitleBarButton* second = Bar()->Buttons().Add();
  EXPECT_THROW(second->SetButtonType(skinControlBox), SkinError);
  EXPECT_EQ(second->ButtonType(), skinCustom);
  TSkinTitleBarSection* section = Bar()->Sections().Add();
  EXPECT_THROW(section->SetAlign(skinClient), SkinError);
  EXPECT_EQ(section->Align(), skinLeft);
}

TEST_F(TitleBarTest, AutoSizeFollowsTheLeftPicture) {
  EXPECT_EQ(Bar()->height(), 20) << "23-pixel MacOS piece less the frame's 3 rows";
  skin->SetUIStyle(TSkinUIStyle::DeepBlue);
  EXPECT_EQ(Bar()->height(), 29);
  QWidget plain;
  TSkinTitleBar alone(&plain);
  alone.SetUIStyle(TSkinUIStyle::MacOS);
  EXPECT_EQ(alone.height(), 23) << "outside a skinned form the whole piece";
  EXPECT_FALSE(alone.InForm());
}

}  // namespace
