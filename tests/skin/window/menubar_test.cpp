// The menu bar of a skinned form: one button per top-level item, below the title bar, with the
// items' captions and states, its heights, its drawing and its drop-downs.
#include "skin/window/menubar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QTest>

#include "skin/look/builtinlooks.h"
#include "skin/window/mainmenu.h"
#include "skin/window/menubarbutton.h"
#include "skinformfixture.h"

namespace {

class MenuBarTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    menu = new TSkinMainMenu(&window);
    file = menu->addMenu("&File");
    file->addAction("&Open");
    file->addAction("&Save");
    edit = menu->addMenu("&Edit");
    edit->addAction("Cu&t");
    help = menu->addMenu("&Help");
    help->addAction("&About");
  }

  QStringList Captions() const {
    QStringList captions;
    for (const TSkinMenuBarButton* button : skin->MenuBar()->Buttons())
      captions << button->Caption();
    return captions;
  }

  TSkinMainMenu* menu = nullptr;
  QMenu* file = nullptr;
  QMenu* edit = nullptr;
  QMenu* help = nullptr;
};

TEST_F(MenuBarTest, AMenuGetsABarBelowTheTitleBarWithOneButtonPerTopItem) {
  EXPECT_EQ(skin->MenuBar(), nullptr);
  skin->SetMenu(menu);
  ASSERT_NE(skin->MenuBar(), nullptr);
  EXPECT_EQ(skin->MenuBar()->geometry(), QRect(0, 20, skin->width(), 22));
  EXPECT_EQ(Captions(), (QStringList{"&File", "&Edit", "&Help"}))
      << "in menu order; sub-items get none";
  int x = 0;
  for (const TSkinMenuBarButton* button : skin->MenuBar()->Buttons()) {
    EXPECT_EQ(button->x(), x);
    x += button->width();
  }
  EXPECT_EQ(skin->contentsMargins().top(), 42) << "contents start below both bars";
  skin->SetMenu(nullptr);
  EXPECT_EQ(skin->MenuBar(), nullptr);
  EXPECT_EQ(skin->contentsMargins().top(), 20);
}

TEST_F(MenuBarTest, ItemChangesShowOnTheBar) {
  skin->SetMenu(menu);
  edit->menuAction()->setEnabled(false);
  help->menuAction()->setText("&Info");
  EXPECT_FALSE(skin->MenuBar()->Buttons()[1]->isEnabled());
  EXPECT_EQ(Captions(), (QStringList{"&File", "&Edit", "&Info"}));
  menu->addMenu("&View");
  EXPECT_EQ(Captions().size(), 4);
}

TEST_F(MenuBarTest, HeightSetsTheBarAndEveryButton) {
  skin->SetMenu(menu);
  skin->SetMenuBarHeight(30);
  EXPECT_EQ(skin->MenuBar()->height(), 30);
  for (const TSkinMenuBarButton* button : skin->MenuBar()->Buttons())
    EXPECT_EQ(button->height(), 30);
}

TEST_F(MenuBarTest, DisabledCaptionIsGrey) {
  skin->SetMenu(menu);
  edit->menuAction()->setEnabled(false);
  TSkinMenuBarButton* button = skin->MenuBar()->Buttons()[1];
  const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
  bool grey = false;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) grey = grey || shown.pixel(x, y) == 0xFF808080;
  EXPECT_TRUE(grey);
}

TEST_F(MenuBarTest, MacOSButtonUnderThePointerShowsTheSelectionPicture) {
  skin->SetMenu(menu);
  TSkinMenuBarButton* button = skin->MenuBar()->Buttons()[0];
  QTest::mouseMove(button, QPoint(3, 3));
  ASSERT_TRUE(button->IsHovered());
  const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage select = LoadSkinResource("MACOS_MENU_SELECT");
  // The picture stretched over the button's height.
  EXPECT_EQ(shown.pixel(1, 0), select.pixel(0, 0));
  EXPECT_EQ(shown.pixel(1, button->height() - 1), select.pixel(0, select.height() - 1));
  QSet<QRgb> rows;
  for (int y = 0; y < select.height(); ++y) rows.insert(select.pixel(0, y));
  for (int y = 0; y < button->height(); ++y) EXPECT_TRUE(rows.contains(shown.pixel(1, y))) << y;
  bool white = false;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) white = white || shown.pixel(x, y) == 0xFFFFFFFF;
  EXPECT_TRUE(white) << "the caption in the selected text colour";
}

TEST_F(MenuBarTest, PressingAButtonDropsItsSubmenuBelowIt) {
  skin->SetMenu(menu);
  TSkinMenuBarButton* fileButton = skin->MenuBar()->Buttons()[0];
  TSkinMenuBarButton* editButton = skin->MenuBar()->Buttons()[1];
  QTest::mousePress(fileButton, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(file->isVisible());
  EXPECT_EQ(file->pos(), fileButton->mapToGlobal(QPoint(0, fileButton->height())));
  EXPECT_EQ(skin->MenuBar()->DroppedButton(), fileButton);
  EXPECT_EQ(file->style(), menu->style()) << "drawn by the skinned menu";
  // Pointing at the next button drops its menu instead.
  QMouseEvent move(QEvent::MouseMove, QPointF(), QPointF(editButton->mapToGlobal(QPoint(5, 5))),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(file, &move);
  EXPECT_FALSE(file->isVisible());
  EXPECT_TRUE(edit->isVisible());
  QTest::keyClick(edit, Qt::Key_Right);
  EXPECT_TRUE(help->isVisible());
  help->hide();
  EXPECT_EQ(skin->MenuBar()->DroppedButton(), nullptr);
}

TEST_F(MenuBarTest, FrameBesideTheBarTakesItsColour) {
  skin->SetMenu(menu);
  skin->SetMenuBarColor(0x00FF00);
  const QImage shown = Shown();
  const int y = 3 + 20 + 10;  // a row beside the menu bar
  EXPECT_EQ(shown.pixel(1, y), 0xFF00FF00);
  EXPECT_EQ(shown.pixel(shown.width() - 2, y), 0xFF00FF00);
  EXPECT_EQ(shown.pixel(1, y + 30), 0xFFE7E7E7);
}

TEST_F(MenuBarTest, APlainMenuShowsInTheFormsLook) {
  QMenu plain;
  plain.addMenu("&Tools")->addAction("Run");
  skin->SetMenu(&plain);
  EXPECT_EQ(skin->MenuBar()->UIStyle(), TSkinUIStyle::MacOS);
  skin->SetUIStyle(TSkinUIStyle::WinXP);
  EXPECT_EQ(skin->MenuBar()->UIStyle(), TSkinUIStyle::WinXP);
  skin->SetMenu(nullptr);
}

TEST_F(MenuBarTest, DeletingTheMenuRemovesTheBar) {
  skin->SetMenu(menu);
  delete menu;
  menu = nullptr;
  EXPECT_EQ(skin->MenuBar(), nullptr);
  EXPECT_EQ(skin->Menu(), nullptr);
}

}  // namespace

namespace {

// Counts the actions added to and removed from a window.
class ActionTraffic : public QObject {
 public:
  explicit ActionTraffic(QWidget* window) { window->installEventFilter(this); }
  int added = 0;
  int removed = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::ActionAdded) ++added;
    if (e->type() == QEvent::ActionRemoved) ++removed;
    return false;
  }
};

// The window takes every item of the menu, so that the items' shortcuts work in it. A change to
// the menu costs the window what it changes: an item's text, state or shortcut nothing, an item
// or a submenu added or removed its own items.
TEST_F(MenuBarTest, TheWindowTakesTheMenusItemsChangeByChange) {
  for (int i = 0; i < 200; ++i) file->addAction(QString("Item %1").arg(i));
  skin->SetMenu(menu);
  const auto routed = [this](const QAction* item) { return window.actions().contains(item); };
  ASSERT_TRUE(routed(file->actions()[150]));
  ActionTraffic traffic(&window);

  for (QAction* item : file->actions().mid(10, 20)) {
    item->setText(item->text() + " changed");
    item->setEnabled(false);
    item->setShortcut(QKeySequence("Ctrl+J"));
  }
  EXPECT_EQ(traffic.added + traffic.removed, 0) << "a changed item stays as it was";

  QAction* paste = edit->addAction("&Paste");
  EXPECT_EQ(traffic.added, 1);
  EXPECT_TRUE(routed(paste));
  auto* view = new QMenu("&View", &window);
  QAction* zoom = view->addAction("&Zoom");
  QAction* fit = view->addAction("&Fit");
  view->addSeparator();
  menu->addMenu(view);
  EXPECT_EQ(traffic.added, 3) << "the new submenu's two items";
  EXPECT_TRUE(routed(zoom));

  edit->removeAction(paste);
  EXPECT_EQ(traffic.removed, 1);
  EXPECT_FALSE(routed(paste));
  // An item in two menus stays while it has a place.
  help->addAction(zoom);
  view->removeAction(zoom);
  EXPECT_TRUE(routed(zoom));
  help->removeAction(zoom);
  EXPECT_FALSE(routed(zoom));

  // An item that becomes a submenu's action gives its place to the submenu's items.
  QAction* tools = edit->actions()[0];
  auto* toolsMenu = new QMenu(&window);
  QAction* measure = toolsMenu->addAction("&Measure");
  tools->setMenu(toolsMenu);
  EXPECT_FALSE(routed(tools));
  EXPECT_TRUE(routed(measure));
  delete toolsMenu;
  EXPECT_FALSE(routed(measure)) << "a deleted submenu's items leave";
  delete view;
  EXPECT_FALSE(routed(fit));

  skin->SetMenu(nullptr);
  EXPECT_FALSE(routed(file->actions()[150]));
}

}  // namespace
