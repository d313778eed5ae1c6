// Check and radio groups: items made from Items and laid out in columns, ItemIndex, the
// group's OnClick, and the focus that the group hands to its items.
#include "skin/containers/checkgroup.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "skin/buttons/checkbox.h"
#include "skin/containers/radiogroup.h"

namespace {

template <class Group>
class GroupTest : public testing::Test {
 protected:
  void SetUp() override {
    form_.resize(300, 200);
    before_ = new QLineEdit(&form_);
    before_->setGeometry(200, 150, 60, 20);
    group_ = new Group(&form_);
    group_->SetUIStyle(TSkinUIStyle::MacOS);
    QFont font = group_->font();
    font.setPixelSize(11);
    group_->setFont(font);
    group_->setGeometry(5, 5, 185, 105);
    form_.show();
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }

  // The items that are still part of the group, in child order.
  std::vector<TSkinCheckBox*> Items() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<TSkinCheckBox*> items;
    for (auto* item : group_->template findChildren<TSkinCheckBox*>(Qt::FindDirectChildrenOnly))
      items.push_back(item);
    return items;
  }

  QWidget form_;
  QLineEdit* before_ = nullptr;
  Group* group_ = nullptr;
};

using CheckGroupTest = GroupTest<TSkinCheckGroup>;
using RadioGroupTest = GroupTest<TSkinRadioGroup>;

TEST_F(CheckGroupTest, ItemsFillEachColumnTopToBottom) {
  // Rows share 105 - 2 - (11 + 8) = 84 pixels from y = 19, the remainder split above and below;
  // two columns stand (185 - 10) / 2 = 87 pixels apart from x = 8.
  struct Case {
    int items, columns;
    std::vector<QPoint> places;
  } const cases[] = {
      {5, 2, {{8, 19}, {8, 47}, {8, 75}, {95, 19}, {95, 47}}},
      {5, 1, {{8, 21}, {8, 37}, {8, 53}, {8, 69}, {8, 85}}},
  };
  for (const Case& c : cases) {
    QStringList lines;
    for (int i = 0; i < c.items; ++i) lines << QString(QChar('a' + i));
    group_->SetItems(lines);
    group_->SetColumns(c.columns);
    const std::vector<TSkinCheckBox*> items = Items();
    ASSERT_EQ(items.size(), size_t(c.items));
    for (int i = 0; i < c.items; ++i) {
      EXPECT_EQ(items[i]->pos(), c.places[i]) << c.columns << " columns, item " << i;
      EXPECT_EQ(items[i]->Caption(), lines[i]);
      EXPECT_FALSE(items[i]->TabStop());
    }
  }
}

TEST_F(CheckGroupTest, ColumnsBelowOneAreIgnored) {
  group_->SetItems({"a", "b", "c"});
  group_->SetColumns(3);
  for (int columns : {0, -1}) {
    group_->SetColumns(columns);
    EXPECT_EQ(group_->Columns(), 3);
    EXPECT_EQ(Items()[2]->x(), 8 + 2 * 58) << "the layout stands";
  }
  group_->SetTopMargin(-1);
  EXPECT_EQ(group_->TopMargin(), 8);
  group_->SetTopMargin(0);
  EXPECT_EQ(Items()[0]->y(), 11) << "one row right below the font height";
}

TEST_F(CheckGroupTest, FewerLinesRemoveTheLastItemsEvenTheCheckedOne) {
  group_->SetItems({"a", "b", "c", "d"});
  const std::vector<TSkinCheckBox*> before = Items();
  group_->SetChecked(3, true);
  group_->SetItems({"x", "y"});
  const std::vector<TSkinCheckBox*> after = Items();
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[1], before[1]);
  EXPECT_EQ(after[0]->Caption(), "x");
  EXPECT_EQ(after[1]->Caption(), "y");
  EXPECT_FALSE(group_->Checked(3));
  EXPECT_FALSE(group_->Checked(-1));
  group_->SetItemEnabled(1, false);
  EXPECT_FALSE(group_->ItemEnabled(1));
  EXPECT_FALSE(group_->ItemEnabled(2));
}

TEST_F(CheckGroupTest, ChangingOneItemRaisesTheGroupsOnClickOnce) {
  group_->SetItems({"a", "b"});
  QSignalSpy clicks(group_, &TSkinCustomGroupBox::OnClick);
  QTest::mouseClick(Items()[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(group_->Checked(1));
  EXPECT_EQ(clicks.count(), 1);
  group_->SetChecked(1, false);
  EXPECT_EQ(clicks.count(), 2) << "unchecking a check item counts too";
  QTest::mouseClick(group_, Qt::LeftButton, {}, QPoint(150, 90));
  EXPECT_EQ(clicks.count(), 3) << "a click on the free area";
}

TEST_F(CheckGroupTest, TabFocusesTheFirstItemAndShiftTabLeavesTheGroup) {
  group_->SetItems({"a", "b"});
  before_->setFocus();
  QTest::keyClick(before_, Qt::Key_Tab);
  EXPECT_TRUE(Items()[0]->hasFocus());
  QTest::keyClick(Items()[0], Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(before_->hasFocus());
}

TEST_F(RadioGroupTest, ItemIndexChecksOneItemAndMinusOneUnchecksAllSilently) {
  group_->SetItems({"a", "b", "c"});
  QSignalSpy clicks(group_, &TSkinCustomGroupBox::OnClick);
  group_->SetItemIndex(2);
  EXPECT_EQ(group_->ItemIndex(), 2);
  EXPECT_EQ(clicks.count(), 1);
  group_->SetItemIndex(0);
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_FALSE(group_->Checked(2)) << "one item checked at most";

  group_->SetItemIndex(-1);
  EXPECT_EQ(group_->ItemIndex(), -1);
  EXPECT_EQ(clicks.count(), 2) << "unchecking raises nothing";
  for (int outside : {3, -2}) {
    group_->SetItemIndex(1);
    group_->SetItemIndex(outside);
    EXPECT_EQ(group_->ItemIndex(), 1) << outside;
  }
}

TEST_F(RadioGroupTest, RemovingTheCheckedItemLeavesNoneChecked) {
  group_->SetItems({"a", "b", "c", "d"});
  group_->SetItemIndex(3);
  QSignalSpy clicks(group_, &TSkinCustomGroupBox::OnClick);
  group_->SetItems({"a", "b"});
  EXPECT_EQ(group_->ItemIndex(), -1);
  EXPECT_EQ(clicks.count(), 0);
  group_->SetItems({"a", "b", "c", "d"});
  EXPECT_EQ(group_->ItemIndex(), -1) << "new items come unchecked";
}

TEST_F(RadioGroupTest, FocusGoesToTheCheckedItem) {
  group_->SetItems({"a", "b", "c"});
  group_->SetItemIndex(1);
  before_->setFocus();
  QTest::keyClick(before_, Qt::Key_Tab);
  EXPECT_TRUE(Items()[1]->hasFocus());
  EXPECT_EQ(group_->ItemIndex(), 1);
  group_->SetItemIndex(-1);
  before_->setFocus();
  QTest::keyClick(before_, Qt::Key_Tab);
  EXPECT_TRUE(group_->hasFocus()) << "nothing checked: the group keeps it";
}

}  // namespace
