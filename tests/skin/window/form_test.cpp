// The skinned form: taking a window over and giving it back, its frame and shape on screen,
// maximizing, the contents panel, keys, grips and looks.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "../support/skinprobe.h"
#include "../support/themefilebytes.h"
#include "../support/themepicture.h"
#include "skin/base/error.h"
#include "skin/look/filetheme.h"
#include "skin/look/themeexport.h"
#include "skin/look/themefilewriter.h"
#include "skin/window/formframe_p.h"
#include "skin/window/mainmenu.h"
#include "skin/window/titlebarpopupmenu.h"
#include "skinformfixture.h"

namespace {

class FormTest : public SkinFormTest {
 protected:
  QList<QWidget*> Grips() const { return window.findChildren<QWidget*>("SkinFrameGrip"); }
  // The grip along the edge.
  QWidget* Grip(Qt::Edge edge) const {
    for (QWidget* grip : Grips()) {
      const QRect g = grip->geometry();
      const bool across = g.width() == window.width();
      if (edge == Qt::RightEdge && !across && g.left() > 0) return grip;
      if (edge == Qt::BottomEdge && across && g.top() > 0) return grip;
      if (edge == Qt::TopEdge && across && g.top() == 0) return grip;
    }
    return nullptr;
  }
};

TEST_F(FormTest, TakesTheWindowOverAndGivesItBack) {
  EXPECT_TRUE(skin->TookOver());
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.contentsMargins(), QMargins(3, 3, 3, 3));
  EXPECT_EQ(window.minimumWidth(), 130) << "the look's narrowest form";
  EXPECT_EQ(Grips().size(), 4);
  delete skin;
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.contentsMargins(), QMargins());
  EXPECT_TRUE(Grips().isEmpty());
  EXPECT_TRUE(window.isVisible());
}

TEST(SkinFormOwnerDestroyed, NoGripOutlivesTheForm) {
  auto* window = new QWidget;
  window->setGeometry(50, 50, 300, 200);
  auto* skin = new TSkinForm(window);
  window->show();
  QList<QPointer<QWidget>> grips;
  for (QWidget* grip : window->findChildren<QWidget*>("SkinFrameGrip")) grips.append(grip);
  ASSERT_EQ(grips.size(), 4);
  // The window deletes its children in turn, the form first: a grip still there when the form
  // is gone would act on the form's frame after it was freed.
  qsizetype gripsLeft = -1;
  QObject::connect(skin, &QObject::destroyed, [&] {
    gripsLeft = std::count_if(grips.begin(), grips.end(), [](auto& g) { return !g.isNull(); });
  });
  delete window;
  EXPECT_EQ(gripsLeft, 0);
}

TEST_F(FormTest, ASecondFormOrOneOnAPlainControlStaysAPanel) {
  auto* second = new TSkinForm(&window);
  EXPECT_FALSE(second->TookOver());
  EXPECT_TRUE(second->TitleBar()->isHidden());
  QWidget child(&window);
  TSkinForm inner(&child);
  EXPECT_FALSE(inner.TookOver());
  EXPECT_TRUE(skin->TookOver());
}

TEST_F(FormTest, MacOSFrameOnScreen) {
  const QImage shown = Shown();
  const int W = shown.width(), H = shown.height();
  for (int y = 0; y < H; ++y) {
    EXPECT_EQ(shown.pixel(0, y), 0xFF7F7F7F) << y;
    EXPECT_EQ(shown.pixel(W - 1, y), 0xFF7F7F7F) << y;
  }
  for (int x = 0; x < W; ++x) {
    EXPECT_EQ(shown.pixel(x, H - 1), 0xFF7F7F7F) << x;
    if (x > 0 && x < W - 1) {
      EXPECT_EQ(shown.pixel(x, H - 2), 0xFFE7E7E7) << x;
    }
  }
  EXPECT_EQ(shown.pixel(1, 100), 0xFFE7E7E7);
  EXPECT_EQ(shown.pixel(2, 100), 0xFFE7E7E7);
  EXPECT_EQ(shown.pixel(W - 2, 100), 0xFFE7E7E7);
  // The title bar's left picture runs from the window's top-left corner over the frame.
  const QImage left = LoadSkinResource("MACOS_TITLE_LEFT").convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < 23; ++y)
    EXPECT_EQ(shown.pixel(26, y), left.pixel(26, y)) << y;  // between control box and caption
}

TEST_F(FormTest, ShapeFollowsTheCorners) {
  EXPECT_TRUE(window.mask().isEmpty()) << "square corners: the whole window";
  skin->SetUIStyle(TSkinUIStyle::BlueGlass);
  window.resize(300, 200);
  EXPECT_EQ(window.mask(), FormRegion(QSize(300, 200), 11, 0));
  window.resize(320, 220);
  EXPECT_EQ(window.mask(), FormRegion(QSize(320, 220), 11, 0)) << "a new size, a new shape";
  skin->SetRoundCornerBottom(11);
  EXPECT_EQ(window.mask(), FormRegion(QSize(320, 220), 11, 11));
  skin->SetTitleBarVisible(false);
  EXPECT_EQ(skin->RoundCorner(), 0);
  EXPECT_TRUE(window.mask().isEmpty());
}

TEST_F(FormTest, MaximizesOntoTheWorkAreaAndRestores) {
  const QRect normal = window.geometry();
  skin->SetFormMaximized(true);
  EXPECT_EQ(window.geometry(), MaximizedFormBounds(window.screen()->availableGeometry()));
  EXPECT_TRUE(skin->FormMaximized());
  skin->SetFormMaximized(false);
  EXPECT_EQ(window.geometry(), normal);
}

TEST(SkinFormCreatedMaximized, ComesBackAtItsDesignedBounds) {
  QWidget window;
  window.setGeometry(60, 70, 320, 240);
  window.setWindowState(Qt::WindowMaximized);
  auto* skin = new TSkinForm(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(skin->FormMaximized());
  EXPECT_EQ(window.geometry(), MaximizedFormBounds(window.screen()->availableGeometry()));
  skin->SetFormMaximized(false);
  EXPECT_EQ(window.geometry(), QRect(60, 70, 320, 240));
}

TEST_F(FormTest, PanelFillsTheAreaBelowTheTitleBar) {
  auto* panel = new QWidget;
  skin->SetPanel(panel);
  EXPECT_EQ(panel->parentWidget(), skin);
  EXPECT_EQ(panel->geometry(), QRect(0, 20, skin->width(), skin->height() - 20));
  skin->SetTitleBarVisible(false);
  EXPECT_EQ(panel->geometry(), skin->rect());
  EXPECT_THROW(skin->SetPanel(skin), SkinError);
  EXPECT_EQ(skin->FormPanel(), panel);
  delete panel;
  EXPECT_EQ(skin->FormPanel(), nullptr);
}

TEST_F(FormTest, ControlsTakeTheFormsLookAtConstruction) {
  auto* panel = new QWidget;
  skin->SetPanel(panel);
  TSkinProbe probe(panel);
  EXPECT_EQ(probe.UIStyle(), TSkinUIStyle::MacOS);
  QWidget bare;
  TSkinProbe elsewhere(&bare);
  EXPECT_EQ(elsewhere.UIStyle(), TSkinUIStyle::DeepBlue);
}

TEST_F(FormTest, CaptionIsTheWindowTitle) {
  skin->SetCaption("Batch");
  EXPECT_EQ(window.windowTitle(), "Batch");
  window.setWindowTitle("Renamed");
  EXPECT_EQ(skin->Caption(), "Renamed");
}

TEST(SkinFormKeys, MenuShortcutsWorkOnlyInTheActiveForm) {
  struct Shown {
    QWidget window;
    TSkinForm* skin;
    TSkinMainMenu* menu;
    QAction* item;
  };
  Shown a, b;
  for (Shown* s : {&a, &b}) {
    s->skin = new TSkinForm(&s->window);
    s->menu = new TSkinMainMenu(&s->window);
    s->item = s->menu->addMenu("&Tools")->addAction("Keyed");
    s->item->setShortcut(QKeySequence("Ctrl+K"));
    s->skin->SetMenu(s->menu);
    s->window.show();
  }
  const auto press = [](Shown& s) {
    s.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.window));
    QTest::keyClick(&s.window, Qt::Key_K, Qt::ControlModifier);
  };
  QSignalSpy inA(a.item, &QAction::triggered), inB(b.item, &QAction::triggered);
  press(a);
  EXPECT_EQ(inA.size(), 1);
  EXPECT_EQ(inB.size(), 0) << "b is not active";
  press(b);
  EXPECT_EQ(inA.size(), 1) << "a is not active";
  EXPECT_EQ(inB.size(), 1);
  b.item->setEnabled(false);
  press(b);
  EXPECT_EQ(inB.size(), 1) << "a disabled item does not run";
  EXPECT_EQ(inA.size(), 1);
  a.skin->SetMenu(nullptr);
  press(a);
  EXPECT_EQ(inA.size(), 1) << "without the menu the key is not taken";
}

TEST_F(FormTest, AltSpaceOpensTheSystemMenu) {
  QTest::keyClick(&window, Qt::Key_Space, Qt::AltModifier);
  TSkinTitleBarPopupMenu* menu = Bar()->SystemMenu();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->pos(), window.frameGeometry().topLeft() + QPoint(0, Bar()->height()));
  menu->hide();
}

TEST_F(FormTest, GripsShowResizeCursorsAndResizeASizeableWindow) {
  QWidget* right = Grip(Qt::RightEdge);
  QWidget* bottom = Grip(Qt::BottomEdge);
  QWidget* top = Grip(Qt::TopEdge);
  ASSERT_TRUE(right && bottom && top);
  const struct {
    QWidget* grip;
    QPoint at;
    Qt::CursorShape shape;
  } cases[] = {{right, QPoint(1, 80), Qt::SizeHorCursor},
               {bottom, QPoint(150, 1), Qt::SizeVerCursor},
               {bottom, QPoint(bottom->width() - 2, 1), Qt::SizeFDiagCursor},
               {bottom, QPoint(2, 1), Qt::SizeBDiagCursor},
               {top, QPoint(top->width() - 2, 1), Qt::SizeBDiagCursor},
               {top, QPoint(2, 1), Qt::SizeFDiagCursor}};
  for (const auto& c : cases) {
    QTest::mouseMove(c.grip, c.at);
    EXPECT_EQ(c.grip->cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
  }
  const QRect before = window.geometry();
  QTest::mousePress(right, Qt::LeftButton, {}, QPoint(1, 80));
  QTest::mouseMove(right, QPoint(41, 80));
  QTest::mouseRelease(right, Qt::LeftButton, {}, QPoint(41, 80));
  EXPECT_EQ(window.geometry(), before.adjusted(0, 0, 40, 0));
}

TEST_F(FormTest, DialogFrameIsNotResizedButMovesByItsTopEdge) {
  skin->SetBorderStyle(bsSingle);
  EXPECT_EQ(skin->BorderStyle(), bsDialog);
  QWidget* right = Grip(Qt::RightEdge);
  QTest::mouseMove(right, QPoint(1, 80));
  EXPECT_EQ(right->cursor().shape(), Qt::ArrowCursor);
  const QRect before = window.geometry();
  QTest::mousePress(right, Qt::LeftButton, {}, QPoint(1, 80));
  QTest::mouseMove(right, QPoint(41, 80));
  QTest::mouseRelease(right, Qt::LeftButton, {}, QPoint(41, 80));
  EXPECT_EQ(window.geometry(), before);
  QWidget* top = Grip(Qt::TopEdge);
  QTest::mousePress(top, Qt::LeftButton, {}, QPoint(100, 1));
  QTest::mouseMove(top, QPoint(110, 21));
  QTest::mouseRelease(top, Qt::LeftButton, {}, QPoint(110, 21));
  EXPECT_EQ(window.geometry(), before.translated(10, 20));
}

TEST_F(FormTest, ActivationShowsInTheCaption) {
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_FALSE(Bar()->FormActive());
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(Bar()->FormActive());
}

// A theme with side and bottom border pictures.
class FormThemeTest : public FormTest {
 protected:
  TSkinFileTheme* LoadTheme(bool withBorders) {
    const QString file = scratch.Path(withBorders ? "bordered.skin" : "plain.skin");
    {
      TSkinThemeFileWriter writer(file);
      writer.AddInteger("FormBorderColor", 0x0000FF);
      writer.AddInteger("FormBorderWidthInt", 1);
      writer.AddInteger("FormBackgroundColor", 0x00FF00);
      if (withBorders) {
        QImage side(6, 10, QImage::Format_RGB32);
        side.fill(Qt::red);
        QImage bottom(30, 5, QImage::Format_RGB32);
        bottom.fill(Qt::blue);
        writer.AddFileData("FormLeftBorderImage", BmpBytes(side));
        writer.AddFileData("FormBottomBorderImage", BmpBytes(bottom));
      }
      writer.Save();
    }
    auto* theme = new TSkinFileTheme(&window);
    theme->SetThemeFile(file);
    return theme;
  }

  ScratchFolder scratch;
};

TEST_F(FormThemeTest, AThemeWithBorderPicturesMakesTheFrameThicker) {
  TSkinFileTheme* theme = LoadTheme(true);
  skin->SetFileTheme(theme);
  skin->SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(skin->SideBorderWidth(), 6);
  EXPECT_EQ(window.contentsMargins(), QMargins(7, 3, 7, 6));
  EXPECT_EQ(skin->geometry(), QRect(7, 3, 300 - 14, 200 - 9));
  EXPECT_EQ(skin->BorderColor(), 0x0000FFu);
  const QImage shown = Shown();
  EXPECT_EQ(shown.pixel(0, 100), 0xFFFF0000) << "the side picture";
  EXPECT_EQ(shown.pixel(150, 199), 0xFF0000FF) << "the bottom picture";
}

// The title bar lines its buttons up with the frame's top band, which reaches over the side
// borders: its right-hand buttons start that much further right, its control box that much
// further left.
TEST_F(FormThemeTest, TitleBarPlacesItsButtonsAcrossTheSideBorder) {
  skin->SetFileTheme(LoadTheme(true));
  skin->SetUIStyle(TSkinUIStyle::FromThemeFile);
  ASSERT_EQ(skin->SideBorderWidth(), 6);
  TSkinTitleBar* bar = skin->TitleBar();
  QImage picture(17, 17, QImage::Format_RGB32);
  picture.fill(Qt::gray);
  for (int i = 0; i < bar->Buttons().Count(); ++i) bar->Buttons().Items(i)->SetPicNormal(picture);
  bar->SetRightBtnXOffset(-10);
  bar->SetLeftBtnXOffset(10);
  const int W = bar->width();
  const TSkinTitleBarPlacement& placed = bar->Place();
  ASSERT_EQ(placed.buttons.size(), 3u);
  // From W - 10 + 6, each button 17 wide and 1 pixel apart.
  EXPECT_EQ(placed.buttons[0].rect.left(), W - 22);
  EXPECT_EQ(placed.buttons[1].rect.left(), W - 40);
  EXPECT_EQ(placed.buttons[2].rect.left(), W - 58);
  EXPECT_EQ(placed.captionRight, W - 58);
  EXPECT_EQ(placed.controlBoxRect.left(), 10 + 1 - 6);
  EXPECT_EQ(placed.captionLeft, 5 + 17 + 5);
}

TEST_F(FormThemeTest, FreeingTheThemeInUseTurnsTheFormAndItsChildrenDeepBlue) {
  TSkinFileTheme* theme = LoadTheme(false);
  TSkinProbe probe(skin);
  probe.SetLook(TSkinUIStyle::FromThemeFile, theme);
  skin->SetLook(TSkinUIStyle::FromThemeFile, theme);
  EXPECT_EQ(skin->Color(), 0x00FF00u);
  delete theme;
  EXPECT_EQ(skin->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(skin->FileTheme(), nullptr);
  EXPECT_EQ(probe.UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(skin->Color(), GetInsideThemeColor(TSkinUIStyle::DeepBlue, 15));
  EXPECT_EQ(skin->BorderColor(), 0x000000u);
}

TEST_F(FormTest, LookDownToChildrenOnlyWhenAsked) {
  TSkinProbe probe(skin);
  skin->SetUIStyle(TSkinUIStyle::WinXP);
  EXPECT_EQ(probe.UIStyle(), TSkinUIStyle::MacOS);
  skin->SetUIStyleAutoUpdateSub(true);
  skin->SetUIStyle(TSkinUIStyle::Protein);
  EXPECT_EQ(probe.UIStyle(), TSkinUIStyle::Protein);
}

}  // namespace
