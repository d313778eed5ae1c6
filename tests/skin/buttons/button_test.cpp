// TSkinButton's behaviour: mouse presses and clicks, the hold-to-repeat event, keys, the form's
// default and cancel buttons, accelerators, modal results, transparency by look, auto size.
#include "skin/buttons/button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "skin/base/timer_p.h"

namespace {

// A shown, active window, so that focus and accelerators work as for the user.
class ButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    form.resize(320, 200);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  TSkinButton* NewButton(const QString& caption = "&Open", QWidget* parent = nullptr) {
    auto* button = new TSkinButton(parent != nullptr ? parent : &form);
    button->SetCaption2(caption);
    button->move(10 + 90 * placed_++, 10);
    button->show();
    return button;
  }
  static void Hover(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &enter);
  }
  static void Unhover(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
  }
  // Keys reach the focused control first, as the user's keys do.
  static void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  QWidget form;
  int placed_ = 0;
};

TEST_F(ButtonTest, NewButtonDefaults) {
  TSkinButton* button = NewButton("");
  EXPECT_EQ(button->size(), QSize(80, 27));
  EXPECT_EQ(button->Spacing(), 4);
  EXPECT_EQ(button->Layout(), TSkinButton::blGlyphLeft);
  EXPECT_EQ(button->ModalResult(), 0);
  EXPECT_EQ(button->FocusedRectMargin(), 2);
  EXPECT_EQ(button->MouseContinuouslyDownInterval(), 100);
  EXPECT_TRUE(button->TabStop());
  EXPECT_FALSE(button->AutoSize());
  EXPECT_FALSE(button->Default());
  EXPECT_FALSE(button->Cancel());
  EXPECT_TRUE(button->Glyph().isNull());
  // A form without a skinned frame gives the fallback look, which is opaque.
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_FALSE(button->Transparent());
  button->SetResHandle(1234);
  EXPECT_EQ(button->ResHandle(), 0u);
  EXPECT_EQ(button->property("ResHandle").toUInt(), 0u);
}

TEST_F(ButtonTest, EveryStyleDecidesTransparencyWhateverWasSetBefore) {
  const struct {
    TSkinUIStyle style;
    bool transparent;
  } cases[] = {
      {TSkinUIStyle::MacOS, true},     {TSkinUIStyle::WinXP, false},
      {TSkinUIStyle::DeepBlue, false}, {TSkinUIStyle::Protein, false},
      {TSkinUIStyle::BlueGlass, true}, {TSkinUIStyle::FromThemeFile, false},
  };
  for (const auto& c : cases) {
    TSkinButton* button = NewButton("");
    button->SetTransparent(!c.transparent);
    EXPECT_EQ(button->PicTransparent(), !c.transparent);
    button->SetUIStyle(c.style);
    EXPECT_EQ(button->Transparent(), c.transparent) << static_cast<int>(c.style);
    EXPECT_EQ(button->PicTransparent(), c.transparent) << static_cast<int>(c.style);
    EXPECT_EQ(button->UIStyle(), c.style);
  }
}

TEST_F(ButtonTest, ClickOnReleaseOverTheButtonTakesTheFocus) {
  TSkinButton* button = NewButton();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  QTest::mousePress(button, Qt::LeftButton);
  EXPECT_TRUE(button->IsPressed());
  EXPECT_TRUE(button->hasFocus());
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseRelease(button, Qt::LeftButton);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonTest, OnlyTheLeftButtonPresses) {
  TSkinButton* button = NewButton();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  QTest::mousePress(button, Qt::RightButton);
  EXPECT_FALSE(button->IsPressed());
  QTest::mouseRelease(button, Qt::RightButton);
  QTest::mouseRelease(button, Qt::LeftButton);  // no left press before it
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonTest, DoubleClickIsTwoClicks) {
  TSkinButton* button = NewButton();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  // What the platform sends for a double click: press, release, double click, release.
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseDClick(button, Qt::LeftButton);
  QTest::mouseRelease(button, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonTest, ButtonWithoutTabStopTakesNoFocusFromTheMouse) {
  QLineEdit edit(&form);
  edit.show();
  edit.setFocus();
  TSkinButton* button = NewButton();
  button->SetTabStop(false);
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_TRUE(edit.hasFocus());
}

TEST_F(ButtonTest, DraggingOffEndsThePressAndReleasingOutsideDoesNotClick) {
  SkinManualClock clock;
  TSkinButton* button = NewButton();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  QSignalSpy repeats(button, &TSkinButton::OnMouseContinuouslyDown);
  QSignalSpy exits(button, &TSkinButton::OnMouseExit);
  Hover(button);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(button, QPoint(button->width() + 10, 10));
  // The face is normal again as soon as the pointer is off, and the repeat has ended.
  EXPECT_FALSE(button->IsPressed());
  EXPECT_FALSE(button->IsHovered());
  EXPECT_EQ(exits.count(), 1);
  clock.Advance(500);
  EXPECT_EQ(repeats.count(), 0);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(button->width() + 10, 10));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(ButtonTest, ReleasingOutsideWithoutAMoveDoesNotClick) {
  TSkinButton* button = NewButton();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, button->height() + 3));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(button->IsPressed());
}

// The press belongs to the button: coming back over it and releasing there still clicks,
// though the face no longer shows it pressed.
TEST_F(ButtonTest, DraggingBackOverTheButtonAndReleasingClicks) {
  TSkinButton* button = NewButton();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  QSignalSpy enters(button, &TSkinButton::OnMouseEnter);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(button, QPoint(-20, 10));
  QTest::mouseMove(button, QPoint(12, 10));
  EXPECT_TRUE(button->IsHovered());
  EXPECT_FALSE(button->IsPressed());
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(12, 10));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(enters.count(), 2);
}

TEST_F(ButtonTest, HoldingRepeatsEveryIntervalAndTheReleaseClicksOnce) {
  const struct {
    int interval;
    int heldMs;
    int repeats;
  } cases[] = {
      {100, 350, 3}, {100, 99, 0}, {100, 100, 1}, {250, 1000, 4},
      {30, 100, 3},  {0, 1000, 0}, {-5, 1000, 0},
  };
  for (const auto& c : cases) {
    SkinManualClock clock;
    TSkinButton* button = NewButton();
    button->SetMouseContinuouslyDownInterval(c.interval);
    QSignalSpy clicks(button, &TSkinButton::OnClick);
    QSignalSpy repeats(button, &TSkinButton::OnMouseContinuouslyDown);
    QTest::mousePress(button, Qt::LeftButton);
    clock.Advance(c.heldMs);
    EXPECT_EQ(repeats.count(), c.repeats) << c.interval << " ms held " << c.heldMs;
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    clock.Advance(1000);
    EXPECT_EQ(repeats.count(), c.repeats) << "repeats after the release";
  }
}

TEST_F(ButtonTest, LeavingWhileHeldStopsTheRepeat) {
  SkinManualClock clock;
  TSkinButton* button = NewButton();
  QSignalSpy repeats(button, &TSkinButton::OnMouseContinuouslyDown);
  Hover(button);
  QTest::mousePress(button, Qt::LeftButton);
  clock.Advance(150);
  Unhover(button);
  clock.Advance(1000);
  EXPECT_EQ(repeats.count(), 1);
  EXPECT_FALSE(button->IsPressed());
}

// A handler that takes the button away while it repeats must not bring the program down.
TEST_F(ButtonTest, RepeatHandlerMayHideTheButton) {
  SkinManualClock clock;
  TSkinButton* button = NewButton();
  int ticks = 0;
  QObject::connect(button, &TSkinButton::OnMouseContinuouslyDown, [&] {
    ++ticks;
    button->hide();
  });
  Hover(button);
  QTest::mousePress(button, Qt::LeftButton);
  clock.Advance(1000);
  EXPECT_EQ(ticks, 1);
}

// Hiding, disabling or deleting a held button ends its repeat for good.
TEST_F(ButtonTest, HidingDisablingOrDeletingEndsTheRepeat) {
  const std::function<void(TSkinButton*)> endings[] = {
      [](TSkinButton* b) { b->hide(); },
      [](TSkinButton* b) { b->setEnabled(false); },
      [](TSkinButton* b) { delete b; },
  };
  for (const auto& end : endings) {
    SkinManualClock clock;
    TSkinButton* button = NewButton();
    int ticks = 0;
    QObject::connect(button, &TSkinButton::OnMouseContinuouslyDown, [&] { ++ticks; });
    Hover(button);
    QTest::mousePress(button, Qt::LeftButton);
    clock.Advance(150);
    ASSERT_EQ(ticks, 1);
    end(button);
    clock.Advance(1000);
    EXPECT_EQ(ticks, 1);
  }
}

TEST_F(ButtonTest, HoverFollowsEnterAndLeave) {
  TSkinButton* button = NewButton();
  QSignalSpy enters(button, &TSkinButton::OnMouseEnter);
  QSignalSpy exits(button, &TSkinButton::OnMouseExit);
  Hover(button);
  EXPECT_TRUE(button->IsHovered());
  EXPECT_EQ(enters.count(), 1);
  // A move past the right or bottom edge ends the hover look before the leave arrives.
  QMouseEvent move(QEvent::MouseMove, QPointF(button->width() + 1, 5),
                   button->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(button, &move);
  EXPECT_FALSE(button->IsHovered());
  EXPECT_EQ(exits.count(), 0);
  Unhover(button);
  EXPECT_FALSE(button->IsHovered());
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(ButtonTest, SpaceShowsThePressWhileDownAndClicksOnRelease) {
  TSkinButton* button = NewButton();
  button->setFocus();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  QTest::keyPress(button, Qt::Key_Space);
  EXPECT_TRUE(button->IsPressed());
  // Held down, the key repeats without clicking.
  QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
  QApplication::sendEvent(button, &repeatedRelease);
  QKeyEvent repeatedPress(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
  QApplication::sendEvent(button, &repeatedPress);
  EXPECT_EQ(clicks.count(), 0);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonTest, EnterOnAFocusedButtonClicksItOnceAndNotTheDefaultButton) {
  TSkinButton* focused = NewButton("&First");
  TSkinButton* byDefault = NewButton("&Second");
  byDefault->SetDefault(true);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    focused->setFocus();
    QSignalSpy focusedClicks(focused, &TSkinButton::OnClick);
    QSignalSpy defaultClicks(byDefault, &TSkinButton::OnClick);
    PressKey(key);
    EXPECT_EQ(focusedClicks.count(), 1) << key;
    EXPECT_EQ(defaultClicks.count(), 0) << key;
    EXPECT_FALSE(focused->IsPressed());
  }
}

TEST_F(ButtonTest, EnterInAnotherControlClicksTheDefaultButton) {
  QLineEdit edit(&form);
  edit.show();
  TSkinButton* plain = NewButton("&First");
  TSkinButton* byDefault = NewButton("&Second");
  byDefault->SetDefault(true);
  QSignalSpy plainClicks(plain, &TSkinButton::OnClick);
  QSignalSpy defaultClicks(byDefault, &TSkinButton::OnClick);

  edit.setFocus();
  PressKey(Qt::Key_Return);
  EXPECT_EQ(defaultClicks.count(), 1);
  // After a visit to another button, Enter in the edit goes to the default button again.
  plain->setFocus();
  edit.setFocus();
  PressKey(Qt::Key_Return);
  EXPECT_EQ(defaultClicks.count(), 2);
  // With Shift, Ctrl or Alt held it is no dialog key.
  for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
    PressKey(Qt::Key_Return, modifier);
  }
  EXPECT_EQ(defaultClicks.count(), 2);
  EXPECT_EQ(plainClicks.count(), 0);
  EXPECT_TRUE(edit.hasFocus());
}

TEST_F(ButtonTest, DefaultTakesEffectWhenSetAndNeedsAnEnabledVisibleButton) {
  QLineEdit edit(&form);
  edit.show();
  edit.setFocus();
  TSkinButton* button = NewButton();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  PressKey(Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 0);
  button->SetDefault(true);
  EXPECT_TRUE(button->IsActive());
  PressKey(Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
  button->setEnabled(false);
  PressKey(Qt::Key_Return);
  button->setEnabled(true);
  button->hide();
  PressKey(Qt::Key_Return);
  button->show();
  button->SetDefault(false);
  PressKey(Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonTest, EscapeClicksTheCancelButtonWhereverTheFocusIs) {
  QLineEdit edit(&form);
  edit.show();
  TSkinButton* other = NewButton("&First");
  TSkinButton* cancel = NewButton("&Cancel");
  cancel->SetCancel(true);
  QSignalSpy otherClicks(other, &TSkinButton::OnClick);
  QSignalSpy cancelClicks(cancel, &TSkinButton::OnClick);
  edit.setFocus();
  PressKey(Qt::Key_Escape);
  other->setFocus();
  PressKey(Qt::Key_Escape);
  EXPECT_EQ(cancelClicks.count(), 2);
  EXPECT_EQ(otherClicks.count(), 0);
  EXPECT_TRUE(other->hasFocus());
  PressKey(Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_EQ(cancelClicks.count(), 2);
}

TEST_F(ButtonTest, AcceleratorClicksWithoutMovingTheFocus) {
  QLineEdit edit(&form);
  edit.show();
  edit.setFocus();
  TSkinButton* save = NewButton("&Save");
  TSkinButton* disabled = NewButton("&Delete");
  disabled->setEnabled(false);
  QSignalSpy saveClicks(save, &TSkinButton::OnClick);
  QSignalSpy disabledClicks(disabled, &TSkinButton::OnClick);
  PressKey(Qt::Key_S, Qt::AltModifier);
  PressKey(Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(saveClicks.count(), 1);
  EXPECT_EQ(disabledClicks.count(), 0);
  EXPECT_TRUE(edit.hasFocus());
  // A new caption brings its own letter and drops the old one; "&&" is a plain '&'.
  save->SetCaption2("Save && &keep");
  PressKey(Qt::Key_S, Qt::AltModifier);
  PressKey(Qt::Key_K, Qt::AltModifier);
  EXPECT_EQ(saveClicks.count(), 2);
  save->SetCaption2("Save && close");
  PressKey(Qt::Key_C, Qt::AltModifier);
  PressKey(Qt::Key_Ampersand, Qt::AltModifier);
  EXPECT_EQ(saveClicks.count(), 2);
}

TEST_F(ButtonTest, ButtonMovedToAnotherWindowAnswersThatWindowsKeys) {
  TSkinButton* button = NewButton();
  button->SetDefault(true);
  QWidget other;
  QLineEdit edit(&other);
  button->setParent(&other);
  button->show();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  edit.setFocus();
  QSignalSpy clicks(button, &TSkinButton::OnClick);
  PressKey(Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
  button->setParent(nullptr);
  delete button;
}

// A form of the program's own that keeps a modal result.
class ResultForm : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int ModalResult MEMBER modalResult)

 public:
  int modalResult = -1;
};

TEST_F(ButtonTest, ClickSetsTheModalResultOfAFormThatHasOne) {
  ResultForm resultForm;
  auto* button = new TSkinButton(&resultForm);
  button->SetModalResult(7);
  button->Click();
  EXPECT_EQ(resultForm.modalResult, 7);
  button->SetModalResult(0);
  button->Click();
  EXPECT_EQ(resultForm.modalResult, 0);
}

// A dialog shown for a result, with an OK and a Cancel button.
class ModalDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ok = new TSkinButton(&dialog);
    ok->SetCaption2("&OK");
    ok->SetModalResult(1);
    ok->SetDefault(true);
    cancel = new TSkinButton(&dialog);
    cancel->SetCaption2("&Cancel");
    cancel->SetModalResult(2);
    cancel->SetCancel(true);
    cancel->move(90, 0);
    edit = new QLineEdit(&dialog);
    edit->move(0, 40);
    dialog.resize(200, 80);
  }
  void Open() {
    dialog.open();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    edit->setFocus();
  }
  QDialog dialog;
  TSkinButton* ok = nullptr;
  TSkinButton* cancel = nullptr;
  QLineEdit* edit = nullptr;
};

TEST_F(ModalDialogTest, ClickCopiesTheModalResultAndCloses) {
  Open();
  QSignalSpy finished(&dialog, &QDialog::finished);
  QTest::mouseClick(cancel, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 2);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(finished.at(0).at(0).toInt(), 2);
}

TEST_F(ModalDialogTest, EnterAndEscapeCloseThroughTheDefaultAndCancelButtons) {
  const struct {
    Qt::Key key;
    int result;
  } cases[] = {{Qt::Key_Return, 1}, {Qt::Key_Escape, 2}};
  for (const auto& c : cases) {
    Open();
    QTest::keyClick(edit, c.key);
    EXPECT_FALSE(dialog.isVisible()) << c.key;
    EXPECT_EQ(dialog.result(), c.result) << c.key;
  }
}

TEST_F(ModalDialogTest, ButtonWithoutResultResetsTheResultAndKeepsTheDialogOpen) {
  Open();
  auto* apply = new TSkinButton(&dialog);
  apply->show();
  dialog.setResult(5);
  QTest::mouseClick(apply, Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 0);
}

TEST_F(ModalDialogTest, HandlerThatClearsTheResultKeepsTheDialogOpen) {
  Open();
  QObject::connect(ok, &TSkinButton::OnClick, [this] { dialog.setResult(0); });
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ModalDialogTest, DialogShownWithoutWaitingForAResultStaysOpen) {
  dialog.show();
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 1);
}

TEST_F(ButtonTest, AutoSizeTakesOneFrameOfTheStyleStrip) {
  const struct {
    TSkinUIStyle style;
    QSize size;
  } cases[] = {
      {TSkinUIStyle::MacOS, {84, 23}},
      {TSkinUIStyle::WinXP, {18, 21}},
      {TSkinUIStyle::DeepBlue, {74, 21}},
      {TSkinUIStyle::Protein, {74, 21}},
      {TSkinUIStyle::BlueGlass, {77, 27}},
      // No built-in strip: counted as 74 x 21, a third of it wide.
      {TSkinUIStyle::FromThemeFile, {24, 21}},
  };
  for (const auto& c : cases) {
    TSkinButton* button = NewButton("");
    button->SetUIStyle(c.style);
    button->SetAutoSize2(true);
    EXPECT_EQ(button->size(), c.size) << static_cast<int>(c.style);
  }
}

TEST_F(ButtonTest, AutoSizeIsAppliedWhenSetNotWhenTheStyleChanges) {
  TSkinButton* button = NewButton("");
  button->SetUIStyle(TSkinUIStyle::MacOS);
  button->SetAutoSize2(true);
  button->SetUIStyle(TSkinUIStyle::WinXP);
  EXPECT_EQ(button->size(), QSize(84, 23));
}

TEST_F(ButtonTest, RemovingTheFileThemeFallsBackToDeepBlue) {
  TSkinButton* button = NewButton("");
  button->SetUIStyle(TSkinUIStyle::MacOS);
  auto* theme = new TSkinFileTheme;
  button->SetFileTheme(theme);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::MacOS);
  delete theme;
  EXPECT_EQ(button->FileTheme(), nullptr);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_FALSE(button->Transparent());
}

}  // namespace

#include "button_test.moc"
