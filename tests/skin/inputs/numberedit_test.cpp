// The number edit with real keys: which typed characters it takes, the locale's decimal
// separator, formatting on leaving, selection of the last characters, and text that is no number.
#include "skin/inputs/numberedit.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>

#include "skin/base/errorreport.h"
#include "skin/buttons/button.h"
#include "skin/inputs/keychar_p.h"
#include "tests/skin/support/active_window_fixture.h"

namespace {

class NumberEditTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    edit_ = new TSkinNumberEdit(&window_);
    edit_->setGeometry(10, 10, 100, 21);
    other_ = new TSkinNumberEdit(&window_);
    other_->setGeometry(10, 40, 100, 21);
    ActiveWindowTest::SetUp();
  }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }

  // The edit focused with its caret at the end of text.
  void Focus(const QString& text) {
    edit_->setFocus();
    edit_->setText(text);
    edit_->setCursorPosition(static_cast<int>(text.size()));
  }
  void Leave() {
    other_->setFocus();
    ASSERT_FALSE(edit_->hasFocus());
  }

  TSkinNumberEdit* edit_;
  TSkinNumberEdit* other_;
  SkinBeepRecorder beeps_;
};

TEST_F(NumberEditTest, StartsAtZeroRightAligned) {
  EXPECT_EQ(edit_->text(), "0.00");
  EXPECT_EQ(edit_->Value(), 0);
  EXPECT_EQ(edit_->Mask(), "0.00");
  EXPECT_TRUE(edit_->alignment() & Qt::AlignRight);
}

TEST_F(NumberEditTest, RefusesEveryOtherCharacterWithABeep) {
  struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } const refused[] = {
      {"second decimal separator", Qt::Key_Period, {}},
      {"plus", Qt::Key_Plus, {}},
      {"letter", Qt::Key_A, {}},
      {"Enter", Qt::Key_Return, {}},
      {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},
      {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
      {"minus without one in the mask", Qt::Key_Minus, {}},
  };
  int expectedBeeps = 0;
  for (const Key& k : refused) {
    Focus("1.5");
    edit_->setCursorPosition(0);  // even at the start
    QTest::keyClick(edit_, k.key, k.modifiers);
    EXPECT_EQ(edit_->text(), "1.5") << k.name;
    EXPECT_EQ(beeps_.Count(), ++expectedBeeps) << k.name;
  }
  edit_->setCursorPosition(3);
  QTest::keyClick(edit_, Qt::Key_Backspace);
  QTest::keyClicks(edit_, "25");
  EXPECT_EQ(edit_->text(), "1.25");
  EXPECT_EQ(edit_->Value(), 1.25);
  QTest::keyClick(edit_, Qt::Key_Home);
  QTest::keyClick(edit_, Qt::Key_Delete);
  EXPECT_EQ(edit_->text(), ".25") << "keys that type nothing pass";
  EXPECT_EQ(beeps_.Count(), expectedBeeps);
}

TEST_F(NumberEditTest, MinusOnlyFirstAndOnlyWhenTheMaskHasOne) {
  edit_->SetMask("0.00;-0.00");
  Focus("5");
  QTest::keyClick(edit_, Qt::Key_Minus);
  EXPECT_EQ(edit_->text(), "5") << "not after the first character";
  edit_->setCursorPosition(0);
  QTest::keyClick(edit_, Qt::Key_Minus);
  EXPECT_EQ(edit_->text(), "-5");
  EXPECT_EQ(edit_->Value(), -5);
  edit_->setCursorPosition(0);
  QTest::keyClick(edit_, Qt::Key_Minus);
  EXPECT_EQ(edit_->text(), "-5") << "one minus only";
}

TEST_F(NumberEditTest, CommaLocaleTypesAndShowsCommas) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Focus("");
  QTest::keyClicks(edit_, "12,5");
  QTest::keyClick(edit_, Qt::Key_Period);
  EXPECT_EQ(edit_->text(), "12,5") << "the point is no separator here";
  Leave();
  EXPECT_EQ(edit_->Value(), 12.5);
  EXPECT_EQ(edit_->text(), "12,50");
}

TEST_F(NumberEditTest, LeavingEmptyOrALoneMinusGivesZero) {
  for (const char* text : {"", "-"}) {
    edit_->SetValue(3);
    Focus(QString::fromUtf8(text));
    Leave();
    EXPECT_EQ(edit_->text(), "0.00") << text;
    EXPECT_EQ(edit_->Value(), 0) << text;
  }
}

TEST_F(NumberEditTest, LeavingWritesTheValueByTheMask) {
  edit_->SetMask("#,##0.00");
  Focus("1234.5");
  EXPECT_EQ(edit_->Value(), 1234.5);
  Leave();
  EXPECT_EQ(edit_->text(), "1,234.50");
}

TEST_F(NumberEditTest, EnteringAndClickingSelectTheLastSigns) {
  edit_->SetValue(42);
  other_->setFocus();
  QTest::keyClick(other_, Qt::Key_Backtab);
  ASSERT_TRUE(edit_->hasFocus());
  EXPECT_EQ(edit_->selectedText(), "00");
  QTest::mouseClick(edit_, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(edit_->selectedText(), "00") << "a click selects them again";
  edit_->SetAutoSelectSigns(9);
  QTest::mouseClick(edit_, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(edit_->selectedText(), "42.00") << "no more than the text";
  edit_->SetAutoSelect(false);
  QTest::mouseClick(edit_, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(edit_->hasSelectedText());
}

// The tests' host is a plain QApplication, which catches nothing: the error must reach the skin
// library's report through the event loop, to the host's handler or, with none, to a warning.
TEST_F(NumberEditTest, TextThatIsNoNumberIsTakenBackAndReported) {
  static QStringList warnings;
  warnings.clear();
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg) warnings << text;
      });
  QStringList reported;
  for (const bool hostHandler : {true, false}) {
    SCOPED_TRACE(hostHandler ? "host's handler" : "default");
    if (hostHandler) {
      SetSkinErrorHandler([&reported](const QString& text) { reported << text; });
    } else {
      SetSkinErrorHandler({});
    }
    warnings.clear();
    reported.clear();
    edit_->SetValue(2.5);
    edit_->setText("abc");
    EXPECT_EQ(edit_->text(), "2.50");
    EXPECT_EQ(edit_->Value(), 2.5);
    const QStringList& seen = hostHandler ? reported : warnings;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }, 1000));
    EXPECT_EQ(seen, QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ((hostHandler ? warnings : reported).size(), 0);
  }
  qInstallMessageHandler(previous);
}

TEST_F(NumberEditTest, EnterStillReachesTheFormsDefaultButton) {
  auto* ok = new TSkinButton(&window_);
  ok->setGeometry(150, 10, 80, 27);
  ok->SetDefault(true);
  ok->show();
  int clicks = 0;
  QObject::connect(ok, &TSkinButton::OnClick, [&] { ++clicks; });
  Focus("1");
  QTest::keyClick(edit_, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(beeps_.Count(), 0);
}

}  // namespace
