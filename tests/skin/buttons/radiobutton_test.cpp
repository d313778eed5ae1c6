// The radio button: exclusivity among siblings with the same GroupIndex, when OnClick fires,
// the keys it ignores, and the focus hand-over from a radio group's items.
#include "skin/buttons/radiobutton.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "skin/buttons/checkbox.h"

namespace {

// Stands in for an item of a radio group.
class GroupItem : public TSkinRadioButton {
 public:
  using TSkinRadioButton::TSkinRadioButton;

 protected:
  bool IsRadioGroupItem() const override { return true; }
};

class RadioButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    host.resize(400, 300);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  }
  // count radio buttons on parent, stacked, with the given group index.
  std::vector<TSkinRadioButton*> AddRadios(QWidget* parent, int count, int groupIndex = 0) {
    std::vector<TSkinRadioButton*> radios;
    for (int i = 0; i < count; ++i) {
      auto* radio = new TSkinRadioButton(parent);
      radio->SetCaption(QString("Radio %1").arg(i));
      radio->SetGroupIndex(groupIndex);
      radio->move(0, 20 * static_cast<int>(parent->children().size()));
      radio->show();
      radios.push_back(radio);
    }
    return radios;
  }
  QWidget host;
};

std::vector<bool> CheckedStates(const std::vector<TSkinRadioButton*>& radios) {
  std::vector<bool> states;
  for (const TSkinRadioButton* radio : radios) states.push_back(radio->Checked());
  return states;
}

TEST_F(RadioButtonTest, CheckingOneOfFiveUnchecksTheOthersAndRaisesOnlyItsOnClick) {
  std::vector<TSkinRadioButton*> radios = AddRadios(&host, 5);
  radios[0]->SetChecked(true);
  radios[3]->SetChecked(true);
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (TSkinRadioButton* radio : radios)
    spies.push_back(std::make_unique<QSignalSpy>(radio, &TSkinCheckBox::OnClick));

  QTest::mouseClick(radios[1], Qt::LeftButton);
  EXPECT_EQ(CheckedStates(radios), (std::vector<bool>{false, true, false, false, false}));
  const std::vector<int> expectedClicks{0, 1, 0, 0, 0};
  for (size_t i = 0; i < radios.size(); ++i) EXPECT_EQ(spies[i]->count(), expectedClicks[i]) << i;

  radios[4]->SetChecked(true);
  EXPECT_EQ(CheckedStates(radios), (std::vector<bool>{false, false, false, false, true}));
  EXPECT_EQ(spies[4]->count(), 1);
  EXPECT_EQ(spies[1]->count(), 1);
}

TEST_F(RadioButtonTest, OnlySiblingsWithTheSameGroupIndexAreExclusive) {
  QWidget otherParent(&host);
  std::vector<TSkinRadioButton*> group0 = AddRadios(&host, 2, 0);
  std::vector<TSkinRadioButton*> group1 = AddRadios(&host, 2, 1);
  std::vector<TSkinRadioButton*> cousins = AddRadios(&otherParent, 1, 0);
  auto* check = new TSkinCheckBox(&host);
  for (auto* radio : {group0[1], group1[1], cousins[0]}) radio->SetChecked(true);
  check->SetChecked(true);

  group0[0]->SetChecked(true);
  EXPECT_EQ(CheckedStates(group0), (std::vector<bool>{true, false}));
  EXPECT_EQ(CheckedStates(group1), (std::vector<bool>{false, true}));
  EXPECT_TRUE(cousins[0]->Checked());
  EXPECT_TRUE(check->Checked());

  // The group index counts as it is when a button becomes checked.
  group1[1]->SetGroupIndex(0);
  group1[1]->SetChecked(false);
  group1[1]->SetChecked(true);
  EXPECT_EQ(CheckedStates(group0), (std::vector<bool>{false, false}));
  EXPECT_FALSE(group1[0]->Checked());
}

TEST_F(RadioButtonTest, ClickOnACheckedButtonChangesNothing) {
  std::vector<TSkinRadioButton*> radios = AddRadios(&host, 2);
  radios[0]->SetChecked(true);
  QSignalSpy clicks(radios[0], &TSkinCheckBox::OnClick);
  QTest::mouseClick(radios[0], Qt::LeftButton);
  EXPECT_TRUE(radios[0]->Checked());
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(RadioButtonTest, UncheckingRaisesNothing) {
  std::vector<TSkinRadioButton*> radios = AddRadios(&host, 2);
  radios[0]->SetChecked(true);
  QSignalSpy first(radios[0], &TSkinCheckBox::OnClick);
  QSignalSpy second(radios[1], &TSkinCheckBox::OnClick);
  radios[0]->SetChecked(false);
  radios[0]->SetState(TSkinCheckBox::cbGrayed);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_EQ(first.count(), 0);
  EXPECT_EQ(second.count(), 0);
}

TEST_F(RadioButtonTest, SpaceAndEnterDoNothing) {
  std::vector<TSkinRadioButton*> radios = AddRadios(&host, 1);
  radios[0]->setFocus();
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
    QTest::keyClick(radios[0], key);
  EXPECT_FALSE(radios[0]->Checked());
}

TEST_F(RadioButtonTest, AcceleratorChecksAndFocuses) {
  std::vector<TSkinRadioButton*> radios = AddRadios(&host, 2);
  radios[0]->SetChecked(true);
  radios[1]->SetCaption("&Pencil");
  QTest::keyClick(&host, Qt::Key_P, Qt::AltModifier);
  EXPECT_EQ(CheckedStates(radios), (std::vector<bool>{false, true}));
  EXPECT_TRUE(radios[1]->hasFocus());
}

TEST_F(RadioButtonTest, FocusFromAGroupItemChecksTheButtonThatReceivesIt) {
  auto* item = new GroupItem(&host);
  std::vector<TSkinRadioButton*> radios = AddRadios(&host, 1, 7);
  item->show();
  item->setFocus(Qt::TabFocusReason);
  QSignalSpy clicks(radios[0], &TSkinCheckBox::OnClick);
  radios[0]->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(radios[0]->Checked());
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(RadioButtonTest, FocusFromAnythingElseChecksNothing) {
  std::vector<TSkinRadioButton*> radios = AddRadios(&host, 2);
  auto* item = new GroupItem(&host);
  auto* check = new TSkinCheckBox(&host);
  for (QWidget* w : {static_cast<QWidget*>(item), static_cast<QWidget*>(check)}) w->show();

  radios[0]->setFocus(Qt::TabFocusReason);
  radios[1]->setFocus(Qt::TabFocusReason);  // from a plain radio button
  EXPECT_EQ(CheckedStates(radios), (std::vector<bool>{false, false}));

  // From a group item through another control: the hand-over is the check box's, not the item's.
  item->setFocus(Qt::TabFocusReason);
  check->setFocus(Qt::TabFocusReason);
  radios[0]->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(CheckedStates(radios), (std::vector<bool>{false, false}));

  // An item focused again is not checked by its own focus.
  item->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(item->Checked());
}

}  // namespace
