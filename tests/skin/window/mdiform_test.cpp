// The skinned MDI frame: its place on a window, the buttons of a maximized child, the child's
// menu in its bar, and cascading.
#include "skin/window/mdiform.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QVBoxLayout>

#include "skin/base/error.h"
#include "skin/window/form.h"
#include "skin/window/mainmenu.h"
#include "skin/window/menubar.h"
#include "skin/window/titlebar.h"

namespace {

class MDIFormTest : public testing::Test {
 protected:
  void SetUp() override {
    frame.setGeometry(40, 40, 500, 400);
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(0, 0, 0, 0);
    area = new QMdiArea;
    layout->addWidget(area);
    skin = new TSkinMDIForm(&frame);
    skin->SetUIStyle(TSkinUIStyle::MacOS);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  }

  QMdiSubWindow* AddChild(const QString& title) {
    auto* child = new QWidget;
    child->setWindowTitle(title);
    QMdiSubWindow* sub = area->addSubWindow(child);
    sub->resize(200, 150);
    sub->show();
    return sub;
  }

  QWidget frame;
  QMdiArea* area = nullptr;
  TSkinMDIForm* skin = nullptr;
};

TEST(SkinMDIForm, NeedsAWindow) {
  QWidget window;
  QWidget child(&window);
  EXPECT_THROW(TSkinMDIForm form(&child), SkinError);
}

TEST_F(MDIFormTest, TitleBarSitsAtTheTopAndTheAreaBelowIt) {
  EXPECT_TRUE(frame.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(skin->TitleBar()->mapTo(&frame, QPoint(0, 0)), QPoint(3, 3));
  EXPECT_EQ(area->geometry().top(), 3 + skin->TitleBar()->height());
  EXPECT_EQ(skin->MDIClient(), area);
}

TEST_F(MDIFormTest, MaximizedChildGetsControlButtons) {
  QMdiSubWindow* child = AddChild("one");
  area->setActiveSubWindow(child);
  for (QWidget* button : skin->ControlButtons()) EXPECT_TRUE(button->isHidden());
  child->showMaximized();
  for (QWidget* button : skin->ControlButtons()) EXPECT_FALSE(button->isHidden());
  const int right = skin->ControlButtons().last()->mapTo(&frame, QPoint(0, 0)).x();
  EXPECT_EQ(right, frame.width() - 3 - 20) << "the close button 20 pixels from the bar's right end";
  child->showNormal();
  for (QWidget* button : skin->ControlButtons()) EXPECT_TRUE(button->isHidden());
}

TEST_F(MDIFormTest, BarShowsTheActiveChildsMenu) {
  auto* own = new TSkinMainMenu(&frame);
  own->addMenu("&Window");
  skin->SetMenu(own);
  EXPECT_EQ(skin->MenuBar()->Menu(), own);
  QMdiSubWindow* child = AddChild("child");
  auto* childSkin = new TSkinForm(child->widget());
  auto* childMenu = new TSkinMainMenu(child->widget());
  childMenu->addMenu("&Picture");
  childSkin->SetMenu(childMenu);
  EXPECT_EQ(childSkin->MenuBar(), nullptr) << "an MDI child's menu shows in the frame's bar";
  area->setActiveSubWindow(nullptr);
  area->setActiveSubWindow(child);
  EXPECT_EQ(skin->MenuBar()->Menu(), childMenu);
  skin->SetTitleBarDrawChildMenus(false);
  EXPECT_EQ(skin->MenuBar()->Menu(), own);
}

TEST_F(MDIFormTest, CascadeStepsTheChildrenFromTheLast) {
  QMdiSubWindow* first = AddChild("first");
  QMdiSubWindow* second = AddChild("second");
  QMdiSubWindow* third = AddChild("third");
  third->showMinimized();
  skin->Cascade();
  const QSize viewport = area->viewport()->size();
  const QSize size(int(viewport.width() * 0.8), int(viewport.height() * 0.6));
  EXPECT_EQ(second->geometry(), QRect(QPoint(0, 0), size));
  EXPECT_EQ(first->geometry(), QRect(QPoint(22, 22), size));
}

}  // namespace
