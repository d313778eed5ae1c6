// The skinned list box: its own item painting (selection and disabled colours on exact pixels),
// the attached skinned bar appearing only while the list overflows and following the wheel and
// the keys, the skinned bar driving the native one with positions above 16 bits, and painting
// that visits the visible rows only in a list of 50 000 items.
#include "skin/inputs/listbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "skin/bars/scrollbar.h"
#include "tests/skin/support/active_window_fixture.h"

namespace {

constexpr int kRowHeight = 13;

class ListBoxTest : public ActiveWindowTest {
 protected:
  // A list as the batch window holds it, 137 pixels square, filled with count numbered items.
  template <class List = TSkinListBox>
  List* MakeList(int count) {
    auto* list = new List(&window_);
    list->SetUIStyle(TSkinUIStyle::MacOS);
    list->SetItemHeight(kRowHeight);
    QStringList items;
    for (int i = 0; i < count; ++i) items.append(QStringLiteral("photo %1.jpg").arg(i));
    list->SetItems(items);
    list->setGeometry(10, 10, 137, 137);
    list->show();
    return list;
  }

  TSkinScrollBar* Attach(TSkinListBox* list) {
    auto* bar = new TSkinScrollBar(&window_);
    list->SetVScrollBar(bar);
    QApplication::processEvents();  // the list lays out its items
    return bar;
  }
};

// The colours in one item row of the shown list.
std::set<QRgb> RowColours(TSkinListBox* list, int row) {
  const QImage shown = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::set<QRgb> colours;
  for (int y = row * kRowHeight; y < (row + 1) * kRowHeight; ++y) {
    for (int x = 0; x < shown.width(); ++x) colours.insert(shown.pixel(x, y));
  }
  return colours;
}

TEST_F(ListBoxTest, ItemsPaintInSelectionAndDisabledColours) {
  constexpr QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;
  constexpr QRgb kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kRed = 0xFFFF0000;
  struct Case {
    const char* name;
    bool listEnabled;
    bool itemEnabled;
    bool selected;
    QRgb background;
    QRgb text;
  };
  const Case cases[] = {
      {"plain item", true, true, false, kWhite, kBlack},
      {"selected item", true, true, true, kGreen, kBlue},
      {"disabled item", true, false, false, kWhite, kRed},
      {"selected item of a disabled list", false, true, true, kGreen, kRed},
      {"item of a disabled list", false, true, false, kWhite, kRed},
  };
  for (const Case& c : cases) {
    TSkinListBox* list = MakeList(3);
    QFont font = list->font();
    font.setStyleStrategy(QFont::NoAntialias);
    list->setFont(font);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, Qt::black);
    list->setPalette(palette);
    list->SetColor(0xFFFFFF);
    list->SetSelectedColor(0x00FF00);
    list->SetSelectedTextColor(0xFF0000);  // blue, the colour being blue-green-red
    list->SetDisabledTextColor(0x0000FF);
    list->SetShowFocusRect(false);
    list->SetMultiSelect(true);
    QListWidgetItem* item = list->item(1);
    item->setSelected(c.selected);
    if (!c.itemEnabled) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    list->setEnabled(c.listEnabled);
    EXPECT_EQ(RowColours(list, 1), (std::set<QRgb>{c.background, c.text})) << c.name;
    delete list;
  }
}

TEST_F(ListBoxTest, AttachedBarShowsOnlyWhileTheListOverflows) {
  TSkinListBox* list = MakeList(3);
  TSkinScrollBar* bar = Attach(list);
  EXPECT_EQ(bar->parentWidget(), &window_);
  EXPECT_TRUE(bar->isHidden()) << "three items fit";

  for (int i = 0; i < 40; ++i) list->addItem(QStringLiteral("more %1.jpg").arg(i));
  QApplication::processEvents();
  ASSERT_TRUE(bar->isVisible()) << "43 items overflow";
  EXPECT_TRUE(bar->isEnabled());
  EXPECT_GE(bar->LineButton(), TSkinScrollBar::kMinThumbLength);
  EXPECT_EQ(bar->Max(), list->verticalScrollBar()->maximum());
  EXPECT_EQ(bar->geometry(), QRect(10 + 137 - bar->width() - 2, 11, bar->width(), 135))
      << "over the list's edge";

  list->setEnabled(false);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_FALSE(bar->isEnabled()) << "a disabled list disables its bar";
  list->setEnabled(true);

  while (list->count() > 3) delete list->takeItem(list->count() - 1);
  QApplication::processEvents();
  EXPECT_TRUE(bar->isHidden()) << "back to three";
  EXPECT_EQ(bar->LineButton(), 0);
}

TEST_F(ListBoxTest, SkinnedBarFollowsTheWheelAndTheKeys) {
  TSkinListBox* list = MakeList(200);
  TSkinScrollBar* bar = Attach(list);
  const QPoint inside(40, 40);
  QWheelEvent wheel(inside, list->viewport()->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list->viewport(), &wheel);
  EXPECT_GT(list->verticalScrollBar()->value(), 0) << "the wheel scrolls the list";
  EXPECT_EQ(bar->Position(), list->verticalScrollBar()->value());

  list->setFocus();
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(list->currentRow(), 199);
  EXPECT_EQ(bar->Position(), bar->Max());
  QTest::keyClick(list, Qt::Key_Home);
  EXPECT_EQ(bar->Position(), 0);
}

TEST_F(ListBoxTest, SkinnedBarMovesTheListPastSixteenBits) {
  TSkinListBox* list = MakeList(70000);
  TSkinScrollBar* bar = Attach(list);
  ASSERT_GT(bar->Max(), 66000);
  bar->SetPosition(66000);
  EXPECT_EQ(list->verticalScrollBar()->value(), 66000);
  EXPECT_EQ(list->indexAt(QPoint(5, 5)).row(), 66000) << "the list shows the row the bar points at";
}

TEST_F(ListBoxTest, ClickAndArrowKeysChooseAndReport) {
  TSkinListBox* list = MakeList(5);
  int clicks = 0;
  QObject::connect(list, &TSkinListBox::OnClick, [&] { ++clicks; });
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 2 * kRowHeight + 5));
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_EQ(clicks, 1);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentRow(), 3);
  EXPECT_EQ(clicks, 2);
  QTest::keyClick(list, Qt::Key_Shift);
  EXPECT_EQ(clicks, 2) << "a key that chooses nothing reports nothing";
}

TEST_F(ListBoxTest, HorizontalExtentLetsTheListScrollSideways) {
  TSkinListBox* list = MakeList(5);
  QApplication::processEvents();
  EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
  list->SetHorizontalExtent(400);
  QApplication::processEvents();
  EXPECT_EQ(list->horizontalScrollBar()->maximum(), 400 - list->viewport()->width());
  list->SetHorizontalExtent(0);
  QApplication::processEvents();
  EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
}

// Counts the rows painted.
class CountingListBox : public TSkinListBox {
 public:
  using TSkinListBox::TSkinListBox;
  void DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state) override {
    painted.insert(index);
    TSkinListBox::DrawItem(painter, index, rect, state);
  }
  std::set<int> painted;
};

TEST_F(ListBoxTest, PaintingVisitsTheVisibleRowsOnly) {
  auto* list = MakeList<CountingListBox>(50000);
  list->scrollToItem(list->item(30000), QAbstractItemView::PositionAtTop);
  QApplication::processEvents();
  list->painted.clear();
  list->viewport()->grab();
  const int rowsShown = list->viewport()->height() / kRowHeight + 1;
  ASSERT_FALSE(list->painted.empty());
  EXPECT_EQ(*list->painted.begin(), 30000);
  EXPECT_LE(*list->painted.rbegin(), 30000 + rowsShown);
}

}  // namespace
