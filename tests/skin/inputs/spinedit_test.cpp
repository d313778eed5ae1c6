// The spin edit and its buttons with real presses and keys: limits, unreadable text, read-only
// and typing-disabled edits, holding a button, the buttons' layout and look.
#include "skin/inputs/spinedit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include "skin/base/timer_p.h"
#include "skin/buttons/arrowbutton.h"
#include "skin/inputs/keychar_p.h"
#include "skin/inputs/spinbuttons.h"
#include "tests/skin/support/active_window_fixture.h"

namespace {

class SpinEditTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    spin_ = new TSkinSpinEdit(&window_);
    spin_->setGeometry(10, 10, 80, 23);
    other_ = new TSkinSpinEdit(&window_);
    other_->setGeometry(10, 50, 80, 23);
    ActiveWindowTest::SetUp();
    spin_->setFocus();
  }

  void ClickUp() {
    QTest::mouseClick(spin_->Button()->UpButton(), Qt::LeftButton, {}, QPoint(5, 5));
  }
  void ClickDown() {
    QTest::mouseClick(spin_->Button()->DownButton(), Qt::LeftButton, {}, QPoint(5, 5));
  }

  TSkinSpinEdit* spin_;
  TSkinSpinEdit* other_;
  SkinBeepRecorder beeps_;
  SkinManualClock clock_;
};

TEST_F(SpinEditTest, EqualLimitsCountWithoutBounds) {
  EXPECT_EQ(spin_->text(), "0");
  ClickDown();
  ClickDown();
  EXPECT_EQ(spin_->Value(), -2);
  spin_->SetIncrement(1000000);
  ClickUp();
  QTest::keyClick(spin_, Qt::Key_Up);
  EXPECT_EQ(spin_->text(), "1999998");
}

TEST_F(SpinEditTest, LimitsStopTheButtonsAndTheKeys) {
  spin_->SetMinValue(1);
  spin_->SetMaxValue(10);
  spin_->SetValue(9);
  ClickUp();
  ClickUp();
  EXPECT_EQ(spin_->Value(), 10);
  QTest::keyClick(spin_, Qt::Key_Up);
  EXPECT_EQ(spin_->Value(), 10);
  spin_->SetValue(-5);
  EXPECT_EQ(spin_->text(), "1");
  QTest::keyClick(spin_, Qt::Key_Down);
  EXPECT_EQ(spin_->Value(), 1);
}

TEST_F(SpinEditTest, UnreadableTextCountsAsMinValue) {
  spin_->SetMinValue(3);
  spin_->SetMaxValue(10);
  spin_->setText("abc");
  EXPECT_EQ(spin_->Value(), 3);
  ClickUp();
  EXPECT_EQ(spin_->text(), "4");
}

TEST_F(SpinEditTest, LeavingBringsTheTypedValueIntoRange) {
  spin_->SetMinValue(1);
  spin_->SetMaxValue(10);
  spin_->selectAll();
  QTest::keyClicks(spin_, "50");
  EXPECT_EQ(spin_->text(), "50");
  other_->setFocus();
  EXPECT_EQ(spin_->text(), "10");
}

TEST_F(SpinEditTest, ReadOnlyBeepsAndStays) {
  spin_->SetValue(5);
  spin_->setReadOnly(true);
  ClickUp();
  ClickDown();
  QTest::keyClick(spin_, Qt::Key_Up);
  QTest::keyClick(spin_, Qt::Key_Down);
  EXPECT_EQ(spin_->text(), "5");
  EXPECT_EQ(beeps_.Count(), 4);
}

TEST_F(SpinEditTest, TypingTakesDigitsAndMinusOnly) {
  spin_->selectAll();
  QTest::keyClicks(spin_, "-1a2+3.4");
  EXPECT_EQ(spin_->text(), "-1234");
  EXPECT_EQ(beeps_.Count(), 3);
  QTest::keyClick(spin_, Qt::Key_Return);
  EXPECT_EQ(beeps_.Count(), 4) << "Enter is refused too";
  QTest::keyClick(spin_, Qt::Key_Backspace);
  EXPECT_EQ(spin_->text(), "-123");
}

TEST_F(SpinEditTest, WithoutEditorOnlyTheButtonsChangeTheText) {
  spin_->SetEditorEnabled(false);
  spin_->SetValue(12);
  QApplication::clipboard()->setText("99");
  spin_->setCursorPosition(2);
  QTest::keyClicks(spin_, "5");
  QTest::keyClick(spin_, Qt::Key_Backspace);
  QTest::keyClick(spin_, Qt::Key_Home);
  QTest::keyClick(spin_, Qt::Key_Delete);
  QTest::keySequence(spin_, QKeySequence::Paste);
  QTest::keySequence(spin_, QKeySequence::SelectAll);
  QTest::keySequence(spin_, QKeySequence::Cut);
  EXPECT_EQ(spin_->text(), "12");
  QInputMethodEvent composed;
  composed.setCommitString("7");
  QApplication::sendEvent(spin_, &composed);
  EXPECT_EQ(spin_->text(), "12");
  QTest::keySequence(spin_, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text(), "12") << "copying still works";
  ClickUp();
  EXPECT_EQ(spin_->text(), "13");
}

TEST_F(SpinEditTest, HoldingAButtonRepeatsEveryFourHundredMilliseconds) {
  TSkinArrowButton* up = spin_->Button()->UpButton();
  QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
  clock_.Advance(399);
  EXPECT_EQ(spin_->Value(), 0);
  clock_.Advance(401);
  EXPECT_EQ(spin_->Value(), 2);
  QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(spin_->Value(), 3) << "the release clicks once more";
}

TEST_F(SpinEditTest, ButtonsFillTheRightOfTheInnerArea) {
  TSkinSpinButtons* buttons = spin_->Button();
  EXPECT_EQ(buttons->geometry(), QRect(80 - 20 - 2, 2, 20, 19));
  EXPECT_EQ(buttons->UpButton()->geometry(), QRect(0, 0, 20, 10));
  EXPECT_EQ(buttons->DownButton()->geometry(), QRect(0, 9, 20, 10)) << "overlapping by one pixel";
  spin_->resize(100, 30);
  EXPECT_EQ(buttons->geometry(), QRect(100 - 20 - 2, 2, 20, 26));
  EXPECT_FALSE(buttons->UpButton()->TabStop());
}

TEST_F(SpinEditTest, SpinButtonsAreAtLeastFifteenWide) {
  TSkinSpinButtons buttons(&window_);
  buttons.show();
  buttons.resize(10, 25);
  EXPECT_EQ(buttons.size(), QSize(15, 25));
  EXPECT_EQ(buttons.UpButton()->geometry(), QRect(0, 0, 15, 13));
  EXPECT_EQ(buttons.DownButton()->geometry(), QRect(0, 12, 15, 13));
}

TEST_F(SpinEditTest, NewLookRestylesBothButtons) {
  spin_->SetUIStyle(TSkinUIStyle::WinXP);
  EXPECT_EQ(spin_->Button()->UpButton()->UIStyle(), TSkinUIStyle::WinXP);
  EXPECT_EQ(spin_->Button()->DownButton()->UIStyle(), TSkinUIStyle::WinXP);
}

}  // namespace
