// The check box: when OnClick fires, mouse, keys and the '&' accelerator, and auto size.
#include "skin/buttons/checkbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "skin/buttons/radiobutton.h"

namespace {

// A shown, active window, so that focus and accelerators work as for the user.
class CheckBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    host.resize(400, 200);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  }
  TSkinCheckBox* NewBox(const QString& caption = "&Batch") {
    auto* box = new TSkinCheckBox(&host);
    box->SetCaption(caption);
    box->show();
    return box;
  }
  QWidget host;
};

TEST_F(CheckBoxTest, StartsUncheckedWithTabStopAndAutoSize) {
  TSkinCheckBox box;
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(box.GetState(), TSkinCheckBox::cbUnchecked);
  EXPECT_TRUE(box.TabStop());
  EXPECT_TRUE(box.AutoSize());
  EXPECT_FALSE(box.Transparent());
  EXPECT_TRUE(box.ParentColor());
  EXPECT_EQ(box.UIStyle(), TSkinUIStyle::DeepBlue);
}

TEST_F(CheckBoxTest, OnClickOnlyWhenCheckedChanges) {
  TSkinCheckBox* box = NewBox();
  QSignalSpy clicks(box, &TSkinCheckBox::OnClick);
  box->SetChecked(false);
  EXPECT_EQ(clicks.count(), 0);
  box->SetChecked(true);
  EXPECT_EQ(clicks.count(), 1);
  box->SetChecked(true);
  EXPECT_EQ(clicks.count(), 1);
  box->SetChecked(false);
  EXPECT_EQ(clicks.count(), 2);
}

struct StateCase {
  bool checkedBefore;
  TSkinCheckBox::TCheckBoxState written;
  bool checkedAfter;
  int clicks;
};

TEST_F(CheckBoxTest, StateMapsOntoChecked) {
  const StateCase cases[] = {
      {false, TSkinCheckBox::cbChecked, true, 1},   {true, TSkinCheckBox::cbChecked, true, 0},
      {true, TSkinCheckBox::cbGrayed, false, 1},    {false, TSkinCheckBox::cbGrayed, false, 0},
      {true, TSkinCheckBox::cbUnchecked, false, 1}, {false, TSkinCheckBox::cbUnchecked, false, 0},
  };
  for (const StateCase& c : cases) {
    TSkinCheckBox box;
    box.SetChecked(c.checkedBefore);
    QSignalSpy clicks(&box, &TSkinCheckBox::OnClick);
    box.SetState(c.written);
    EXPECT_EQ(box.Checked(), c.checkedAfter) << c.written;
    EXPECT_EQ(box.GetState(),
              c.checkedAfter ? TSkinCheckBox::cbChecked : TSkinCheckBox::cbUnchecked);
    EXPECT_EQ(clicks.count(), c.clicks) << c.written;
  }
}

TEST_F(CheckBoxTest, ClickTogglesAndTakesTheFocus) {
  TSkinCheckBox* box = NewBox();
  QSignalSpy clicks(box, &TSkinCheckBox::OnClick);
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->hasFocus());
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(CheckBoxTest, OnlyALeftPressAndReleaseOverTheControlClicks) {
  TSkinCheckBox* box = NewBox();
  QSignalSpy clicks(box, &TSkinCheckBox::OnClick);
  QTest::mouseClick(box, Qt::RightButton);
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() + 5, 3));
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(3, 3));  // no press before it
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, DoubleClickIsTwoClicks) {
  TSkinCheckBox* box = NewBox();
  QSignalSpy clicks(box, &TSkinCheckBox::OnClick);
  // What the platform sends for a double click: press, release, double click, release.
  QTest::mouseClick(box, Qt::LeftButton);
  QTest::mouseDClick(box, Qt::LeftButton);
  QTest::mouseRelease(box, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, SpaceOrEnterTogglesOnRelease) {
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    TSkinCheckBox* box = NewBox();
    box->setFocus();
    QSignalSpy clicks(box, &TSkinCheckBox::OnClick);
    QTest::keyPress(box, key);
    EXPECT_FALSE(box->Checked()) << key;
    QTest::keyRelease(box, key);
    EXPECT_TRUE(box->Checked()) << key;
    QTest::keyClick(box, key);
    EXPECT_FALSE(box->Checked()) << key;
    EXPECT_EQ(clicks.count(), 2) << key;
    delete box;
  }
}

TEST_F(CheckBoxTest, OtherKeysAndRepeatedReleasesDoNotToggle) {
  TSkinCheckBox* box = NewBox();
  box->setFocus();
  for (Qt::Key key :
       {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_A, Qt::Key_Tab}) {
    QTest::keyRelease(box, key);
  }
  // An auto-repeating key sends releases of its own before the real one.
  QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
  QApplication::sendEvent(box, &repeated);
  EXPECT_FALSE(box->Checked());
}

// Enter pressed in a dialog closes it on the press; its release reaches the control that gets
// the focus back, which must not toggle for a key it never saw go down.
TEST_F(CheckBoxTest, AReleaseWithoutItsPressDoesNotToggle) {
  TSkinCheckBox* box = NewBox();
  box->setFocus();
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) QTest::keyRelease(box, key);
  EXPECT_FALSE(box->Checked());
  QTest::keyPress(box, Qt::Key_Space);
  QTest::keyRelease(box, Qt::Key_Return);  // another key's release
  EXPECT_FALSE(box->Checked());
  QTest::keyRelease(box, Qt::Key_Space);
  EXPECT_TRUE(box->Checked());
}

TEST_F(CheckBoxTest, AcceleratorFocusesAndToggles) {
  TSkinCheckBox* other = NewBox("Other");
  TSkinCheckBox* box = NewBox("&Batch");
  other->setFocus();
  QSignalSpy clicks(box, &TSkinCheckBox::OnClick);
  QTest::keyClick(&host, Qt::Key_B, Qt::AltModifier);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_FALSE(other->Checked());
}

TEST_F(CheckBoxTest, AcceleratorFollowsTheCaptionAndIgnoresDisabledControls) {
  TSkinCheckBox* box = NewBox("&Batch");
  box->SetCaption("&Paper && ink");
  QTest::keyClick(&host, Qt::Key_B, Qt::AltModifier);
  EXPECT_FALSE(box->Checked());
  QTest::keyClick(&host, Qt::Key_P, Qt::AltModifier);
  EXPECT_TRUE(box->Checked());

  box->setEnabled(false);
  QTest::keyClick(&host, Qt::Key_P, Qt::AltModifier);
  EXPECT_TRUE(box->Checked());

  box->setEnabled(true);
  box->SetCaption("Fish && chips");  // a doubled '&' is no accelerator
  QTest::keyClick(&host, Qt::Key_C, Qt::AltModifier);
  EXPECT_TRUE(box->Checked());
}

TEST_F(CheckBoxTest, TabStopOffKeepsClickFocus) {
  TSkinCheckBox* box = NewBox();
  box->SetTabStop(false);
  EXPECT_FALSE(box->TabStop());
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(box->hasFocus());
  box->SetTabStop(true);
  EXPECT_TRUE(box->TabStop());
}

// The font whose "W" is the given number of pixels high, as the text height counts it.
QFont FontWithTextHeight(int height) {
  QFont font("DejaVu Sans");
  for (int pixels = 4; pixels < 60; ++pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).height() == height) return font;
  }
  ADD_FAILURE() << "no font size gives a text height of " << height;
  return font;
}

struct AutoSizeCase {
  TSkinUIStyle style;
  bool radio;
  int textHeight;
  int frameWidth;
  int height;  // larger of text height + 2 and frame height, plus 4
};

TEST_F(CheckBoxTest, AutoSizeFitsFrameAndCaption) {
  const AutoSizeCase cases[] = {
      {TSkinUIStyle::MacOS, false, 13, 15, 21}, {TSkinUIStyle::MacOS, true, 13, 16, 21},
      {TSkinUIStyle::MacOS, false, 18, 15, 24}, {TSkinUIStyle::DeepBlue, false, 13, 13, 19},
      {TSkinUIStyle::WinXP, true, 10, 13, 17},  {TSkinUIStyle::BlueGlass, false, 20, 13, 26},
  };
  for (const AutoSizeCase& c : cases) {
    std::unique_ptr<TSkinCheckBox> box(c.radio ? new TSkinRadioButton : new TSkinCheckBox);
    box->setFont(FontWithTextHeight(c.textHeight));
    box->SetCaption("&Batch");
    box->SetUIStyle(c.style);
    // The caption is measured as written, '&' included.
    const int captionWidth = QFontMetrics(box->font()).horizontalAdvance("&Batch");
    EXPECT_EQ(box->size(), QSize(c.frameWidth + captionWidth + 8, c.height))
        << static_cast<int>(c.style) << (c.radio ? " radio" : " check") << " text " << c.textHeight;
  }
}

TEST_F(CheckBoxTest, AutoSizeFollowsCaptionFontAndLookAndKeepsItsSize) {
  TSkinCheckBox* box = NewBox("A");
  box->setFont(FontWithTextHeight(13));
  box->SetUIStyle(TSkinUIStyle::MacOS);
  const QFontMetrics metrics(box->font());
  EXPECT_EQ(box->size(), QSize(15 + metrics.horizontalAdvance("A") + 8, 21));

  box->SetCaption("A longer caption");
  EXPECT_EQ(box->width(), 15 + metrics.horizontalAdvance("A longer caption") + 8);

  box->setFont(FontWithTextHeight(20));
  EXPECT_EQ(box->height(), 26);

  box->SetUIStyle(TSkinUIStyle::DeepBlue);
  EXPECT_EQ(box->width(), 13 + QFontMetrics(box->font()).horizontalAdvance("A longer caption") + 8);

  const QSize fitted = box->size();
  box->resize(300, 60);
  EXPECT_EQ(box->size(), fitted);

  box->SetAutoSize2(false);
  box->resize(300, 60);
  EXPECT_EQ(box->size(), QSize(300, 60));
  box->SetCaption("B");
  EXPECT_EQ(box->size(), QSize(300, 60));
  box->SetAutoSize2(true);
  EXPECT_EQ(box->size(), QSize(13 + QFontMetrics(box->font()).horizontalAdvance("B") + 8, 26));
}

}  // namespace
