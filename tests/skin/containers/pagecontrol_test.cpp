// The page control: where its pages go, which page is active and enabled, what choosing,
// removing, moving and hiding pages do, Ctrl+Tab, and the look reaching the pages' controls.
#include "skin/containers/pagecontrol.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/containers/tabcontroltoppanel.h"
#include "skin/containers/tabsheet.h"

namespace {

class PageControlTest : public testing::Test {
 protected:
  void SetUp() override {
    form_.resize(400, 260);
    pages_ = new TSkinPageControl(&form_);
    pages_->SetUIStyle(TSkinUIStyle::MacOS);
    pages_->setGeometry(1, 1, 288, 157);
    form_.show();
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }

  TSkinTabSheet* AddPage(const QString& caption) {
    auto* page = new TSkinTabSheet(pages_);
    page->SetCaption(caption);
    return page;
  }

  TSkinTabControlTopPanel* Strip() { return pages_->findChild<TSkinTabControlTopPanel*>(); }
  void ClickStrip(int x, int y) {
    QTest::mouseClick(form_.windowHandle(), Qt::LeftButton, {},
                      Strip()->mapTo(&form_, QPoint(x, y)));
  }

  // The strip shows the active page's tab, and the active page alone is enabled and in front.
  testing::AssertionResult ShowsOnly(TSkinTabSheet* page) {
    if (pages_->ActivePage() != page)
      return testing::AssertionFailure() << "another page is active";
    if (pages_->TabIndex() != page->PageIndex())
      return testing::AssertionFailure() << "the strip shows another tab";
    for (int i = 0; i < pages_->PageCount(); ++i) {
      TSkinTabSheet* other = pages_->Pages(i);
      if (other->isEnabled() != (other == page))
        return testing::AssertionFailure() << "page " << i << " enabled";
      if (!other->isVisible()) return testing::AssertionFailure() << "page " << i << " hidden";
    }
    if (pages_->childAt(pages_->contentsRect().center()) != page)
      return testing::AssertionFailure() << "not in front";
    return testing::AssertionSuccess();
  }

  QStringList Captions() { return Strip()->Tabs(); }

  // A control added to a page that is already shown.
  template <class Control>
  static Control* Add(QWidget* page) {
    auto* control = new Control(page);
    control->show();
    return control;
  }

  QWidget form_;
  TSkinPageControl* pages_ = nullptr;
};

TEST_F(PageControlTest, PagesFillTheBodyLessThreePixels) {
  struct Case {
    QSize size;
    QRect page;
  } const cases[] = {{{288, 157}, {3, 37, 282, 117}}, {{229, 157}, {3, 37, 223, 117}}};
  TSkinTabSheet* first = AddPage(QString::fromUtf8("& 素描 "));
  TSkinTabSheet* second = AddPage(QString::fromUtf8("& 纹理  "));
  for (const Case& c : cases) {
    pages_->resize(c.size);
    EXPECT_EQ(first->geometry(), c.page);
    EXPECT_EQ(second->geometry(), c.page);
  }
}

TEST_F(PageControlTest, EachNewPageBecomesActiveWithItsTab) {
  QSignalSpy changes(pages_, &TSkinTab::OnChange);
  EXPECT_EQ(pages_->ActivePage(), nullptr);
  EXPECT_EQ(pages_->TabIndex(), -1) << "no tabs before the pages";
  TSkinTabSheet* first = AddPage("First");
  EXPECT_TRUE(ShowsOnly(first));
  TSkinTabSheet* second = AddPage("Second");
  EXPECT_TRUE(ShowsOnly(second));
  EXPECT_EQ(changes.count(), 2);
  EXPECT_EQ(Captions(), (QStringList{"First", "Second"}));
  EXPECT_EQ(first->Color(), 0xE7E7E7u) << "pages take the page control's colour";
  first->SetCaption("One");
  EXPECT_EQ(Captions(), (QStringList{"One", "Second"}));
}

TEST_F(PageControlTest, RefusingOnChangingKeepsTabAndPageButCodeNeverAsks) {
  TSkinTabSheet* first = AddPage("");
  TSkinTabSheet* second = AddPage("");
  pages_->SetActivePage(first);
  int asked = 0;
  QObject::connect(pages_, &TSkinTab::OnChanging, [&asked](bool& allow) {
    ++asked;
    allow = false;
  });
  QSignalSpy changes(pages_, &TSkinTab::OnChange);
  ClickStrip(130, 14);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(ShowsOnly(first));
  EXPECT_EQ(changes.count(), 0);

  pages_->SetActivePage(second);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(ShowsOnly(second));
  EXPECT_EQ(changes.count(), 1);
  pages_->SetActivePage(second);
  EXPECT_EQ(changes.count(), 1) << "the active page again changes nothing";
}

TEST_F(PageControlTest, SwitchingDisablesTheOldPageAndFocusesTheNewPagesFirstControl) {
  TSkinTabSheet* first = AddPage("");
  auto* firstEdit = Add<QLineEdit>(first);
  TSkinTabSheet* second = AddPage("");
  auto* secondEdit = Add<QLineEdit>(second);
  TSkinTabSheet* third = AddPage("");
  Add<QLabel>(third);
  auto* thirdEdit = Add<QLineEdit>(third);
  pages_->SetActivePage(first);
  firstEdit->setFocus();

  QSignalSpy hides(first, &TSkinTabSheet::OnHide);
  QSignalSpy shows(second, &TSkinTabSheet::OnShow);
  ClickStrip(130, 14);
  EXPECT_TRUE(ShowsOnly(second));
  EXPECT_FALSE(firstEdit->isEnabled()) << "the old page's controls stop taking input";
  EXPECT_TRUE(secondEdit->hasFocus());
  EXPECT_EQ(hides.count(), 1);
  EXPECT_EQ(shows.count(), 1);

  pages_->SetActivePage(third);
  EXPECT_TRUE(ShowsOnly(third));
  EXPECT_FALSE(thirdEdit->hasFocus()) << "the first control, a label, takes no focus";
}

TEST_F(PageControlTest, MinusOneIsRefusedWhilePagesExist) {
  TSkinTabSheet* first = AddPage("");
  AddPage("");
  pages_->SetActivePage(first);
  pages_->SetTabIndex(-1);
  pages_->SetActivePage(nullptr);
  pages_->SetActivePageIndex(2);
  EXPECT_TRUE(ShowsOnly(first));
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
}

TEST_F(PageControlTest, RemovingAPageActivatesThePageBeforeItOrTheNewFirst) {
  TSkinTabSheet* a = AddPage("A");
  TSkinTabSheet* b = AddPage("B");
  TSkinTabSheet* c = AddPage("C");
  TSkinTabSheet* d = AddPage("D");
  QSignalSpy changes(pages_, &TSkinTab::OnChange);

  delete c;  // active: D
  EXPECT_TRUE(ShowsOnly(b));
  EXPECT_EQ(Captions(), (QStringList{"A", "B", "D"}));
  EXPECT_EQ(d->PageIndex(), 2);

  pages_->SetActivePage(a);
  changes.clear();
  delete a;
  EXPECT_TRUE(ShowsOnly(b)) << "the first page gone, the new first page shows";
  EXPECT_EQ(changes.count(), 1);

  d->SetPageControl(nullptr);
  EXPECT_EQ(d->PageControl(), nullptr);
  EXPECT_EQ(d->PageIndex(), -1);
  EXPECT_TRUE(ShowsOnly(b));
  delete d;

  delete b;
  EXPECT_EQ(pages_->ActivePage(), nullptr);
  EXPECT_EQ(pages_->PageCount(), 0);
  EXPECT_EQ(pages_->TabIndex(), -1);
}

TEST_F(PageControlTest, APageMovedElsewhereJoinsItsNewPageControl) {
  TSkinTabSheet* a = AddPage("A");
  AddPage("B");
  auto* other = new TSkinPageControl(&form_);
  other->show();
  a->SetPageControl(other);
  EXPECT_EQ(Captions(), (QStringList{"B"}));
  EXPECT_EQ(other->ActivePage(), a);
  EXPECT_EQ(a->PageIndex(), 0);
  EXPECT_TRUE(a->isVisible());
  delete other;
  EXPECT_EQ(pages_->PageCount(), 1);
}

TEST_F(PageControlTest, HidingTheActiveTabActivatesTheNearestPageBeforeElseAfter) {
  TSkinTabSheet* a = AddPage("");
  TSkinTabSheet* b = AddPage("");
  TSkinTabSheet* c = AddPage("");
  c->SetTabVisible(false);
  EXPECT_TRUE(ShowsOnly(b));
  EXPECT_FALSE(c->TabVisible());
  pages_->SetActivePage(a);
  a->SetTabVisible(false);
  EXPECT_TRUE(ShowsOnly(b)) << "none before it: the next one after";
  b->SetTabVisible(false);
  EXPECT_TRUE(ShowsOnly(b)) << "no other visible page";

  a->SetTabVisible(true);
  ClickStrip(50, 14);
  EXPECT_TRUE(ShowsOnly(a)) << "the only visible tab stands first";
  ClickStrip(130, 14);
  EXPECT_TRUE(ShowsOnly(a)) << "hidden tabs take no room";
}

TEST_F(PageControlTest, MovingAPageKeepsItsCaptionAndTabWithItAndActivatesIt) {
  TSkinTabSheet* a = AddPage("A");
  TSkinTabSheet* b = AddPage("B");
  TSkinTabSheet* c = AddPage("C");
  pages_->SetActivePage(b);
  a->SetTabVisible(false);
  QSignalSpy changes(pages_, &TSkinTab::OnChange);

  a->SetPageIndex(2);
  EXPECT_EQ(Captions(), (QStringList{"B", "C", "A"}));
  EXPECT_EQ(b->PageIndex(), 0);
  EXPECT_TRUE(ShowsOnly(a));
  EXPECT_FALSE(Strip()->TabVisible(2));
  EXPECT_TRUE(Strip()->TabVisible(0));
  EXPECT_FALSE(a->TabVisible());
  EXPECT_EQ(changes.count(), 1);

  c->SetPageIndex(3);
  c->SetPageIndex(-1);
  EXPECT_EQ(c->PageIndex(), 1) << "indexes outside the pages are ignored";
}

TEST_F(PageControlTest, NextPageSkipsHiddenTabsAndWraps) {
  TSkinTabSheet* a = AddPage("");
  TSkinTabSheet* b = AddPage("");
  TSkinTabSheet* c = AddPage("");
  b->SetTabVisible(false);
  pages_->SetActivePage(a);
  EXPECT_EQ(pages_->FindNextPage(a, true), c);
  EXPECT_EQ(pages_->FindNextPage(a, false), c);
  EXPECT_EQ(pages_->FindNextPage(c, true), a);
  EXPECT_EQ(pages_->FindNextPage(nullptr, true), a);
  EXPECT_EQ(pages_->FindNextPage(nullptr, false), c);
  pages_->SelectNextPage(true);
  EXPECT_TRUE(ShowsOnly(c));

  c->SetTabVisible(false);
  EXPECT_TRUE(ShowsOnly(a));
  EXPECT_EQ(pages_->FindNextPage(a, true), nullptr);
  pages_->SelectNextPage(true);
  EXPECT_TRUE(ShowsOnly(a)) << "with no other page nothing changes";
}

TEST_F(PageControlTest, NewPagesAreNamedUniquelyInTheWindow) {
  auto* taken = new QWidget(&form_);
  taken->setObjectName("skinTabSheet1");
  TSkinTabSheet* page = pages_->NewPage();
  EXPECT_EQ(page->objectName(), "skinTabSheet2");
  EXPECT_EQ(Captions(), (QStringList{"skinTabSheet2"}));
  EXPECT_EQ(pages_->NewPage()->objectName(), "skinTabSheet3");
}

TEST_F(PageControlTest, NewLookReachesThePagesAndTheirControls) {
  TSkinTabSheet* page = AddPage("");
  auto* button = Add<TSkinButton>(page);
  auto* check = Add<TSkinCheckBox>(page);
  pages_->SetUIStyle(TSkinUIStyle::WinXP);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::WinXP);
  EXPECT_EQ(page->Color(), 0xFFFFFFu) << "WinXP bodies are white";
  EXPECT_EQ(check->Color(), 0xFFFFFFu)
      << "a control following its parent's colour shows the page's";
  pages_->SetUIStyle(TSkinUIStyle::Protein);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::Protein);
  EXPECT_EQ(page->Color(), 0xFBFBFBu);
  EXPECT_EQ(check->Color(), 0xFBFBFBu);
}

// Ctrl+Tab and Ctrl+Shift+Tab, as the keyboard sends them.
class PageKeysTest : public PageControlTest {
 protected:
  void SetUp() override {
    PageControlTest::SetUp();
    for (int i = 0; i < 3; ++i) Add<QLineEdit>(AddPage(""));
    pages_->SetActivePageIndex(0);
    outside_ = new QLineEdit(&form_);
    outside_->setGeometry(300, 200, 60, 20);
    outside_->show();
  }

  static void NextPageKey(QWidget* focus) {
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
  }
  static void PreviousPageKey(QWidget* focus) {
    QTest::keyClick(focus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  }
  QWidget* EditOf(int page) { return pages_->Pages(page)->findChild<QLineEdit*>(); }

  QLineEdit* outside_ = nullptr;
};

TEST_F(PageKeysTest, SwitchPagesForwardAndBackWrappingAround) {
  EditOf(0)->setFocus();
  NextPageKey(EditOf(0));
  EXPECT_EQ(pages_->ActivePageIndex(), 1);
  EXPECT_TRUE(EditOf(1)->hasFocus());
  PreviousPageKey(EditOf(1));
  PreviousPageKey(QApplication::focusWidget());
  EXPECT_EQ(pages_->ActivePageIndex(), 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(pages_->ActivePageIndex(), 1) << "Shift held with Tab goes back too";
}

TEST_F(PageKeysTest, FocusOutsideGoesToTheWindowsOnlyPageControl) {
  outside_->setFocus();
  NextPageKey(outside_);
  EXPECT_EQ(pages_->ActivePageIndex(), 1);
  EXPECT_TRUE(EditOf(1)->hasFocus()) << "as when the tab is clicked";
}

TEST_F(PageKeysTest, WithTwoPageControlsTheOneHoldingTheFocusSwitches) {
  auto* second = new TSkinPageControl(&form_);
  second->setGeometry(300, 10, 90, 90);
  TSkinTabSheet* page = new TSkinTabSheet(second);
  auto* secondEdit = new QLineEdit(page);
  new TSkinTabSheet(second);
  second->SetActivePage(page);
  second->show();

  secondEdit->setFocus();
  NextPageKey(secondEdit);
  EXPECT_EQ(second->ActivePageIndex(), 1);
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
  EXPECT_TRUE(second->hasFocus())
      << "a page whose first control takes no focus leaves it with the page control";
  NextPageKey(second);
  EXPECT_EQ(second->ActivePageIndex(), 0);

  outside_->setFocus();
  NextPageKey(outside_);
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
  EXPECT_EQ(second->ActivePageIndex(), 0);
}

TEST(PageControlLifetime, DestroyingThePageControlWithItsPagesIsSafe) {
  QWidget form;
  QPointer<TSkinTabSheet> page;
  {
    auto pages = std::make_unique<TSkinPageControl>(&form);
    page = new TSkinTabSheet(pages.get());
    new TSkinTabSheet(pages.get());
  }
  EXPECT_TRUE(page.isNull());
}

}  // namespace
