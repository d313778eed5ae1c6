// The button base's one rule for Space and Enter, obeyed alike by a control whose key shows the
// press (the push button) and one whose key does not (the check box): a release clicks only
// after its own press reached the control.
#include "skin/base/buttonbase.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"

namespace {

// A shown, active window, so that focus works as for the user.
class ButtonBaseKeyTest : public testing::Test {
 protected:
  void SetUp() override {
    form.resize(300, 100);
    elsewhere = new QLineEdit(&form);
    elsewhere->move(200, 10);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  QWidget form;
  QLineEdit* elsewhere = nullptr;
};

struct Control {
  const char* name;
  std::function<SkinButtonBase*(QWidget*)> make;
};

struct Steps {
  const char* name;
  std::function<void(SkinButtonBase*, QWidget* elsewhere)> run;
  int buttonClicks;
  int checkBoxClicks;
};

TEST_F(ButtonBaseKeyTest, AReleaseClicksOnlyAfterItsOwnPress) {
  const Control controls[] = {
      {"button", [](QWidget* parent) { return new TSkinButton(parent); }},
      {"check box", [](QWidget* parent) { return new TSkinCheckBox(parent); }},
  };
  const Steps steps[] = {
      {"press and release",
       [](SkinButtonBase* c, QWidget*) {
         QTest::keyPress(c, Qt::Key_Space);
         QTest::keyRelease(c, Qt::Key_Space);
       },
       1, 1},
      {"a release alone (its press closed a dialog)",
       [](SkinButtonBase* c, QWidget*) { QTest::keyRelease(c, Qt::Key_Return); }, 0, 0},
      {"a release alone while the mouse holds the control",
       [](SkinButtonBase* c, QWidget*) {
         QTest::mousePress(c, Qt::LeftButton, {}, QPoint(5, 5));
         QTest::keyRelease(c, Qt::Key_Space);
       },
       0, 0},
      {"another key's release, then its own",
       [](SkinButtonBase* c, QWidget*) {
         QTest::keyPress(c, Qt::Key_Space);
         QTest::keyRelease(c, Qt::Key_Return);
         QTest::keyRelease(c, Qt::Key_Space);
       },
       1, 1},
      {"the focus left while the key was down and came back",
       [](SkinButtonBase* c, QWidget* elsewhere) {
         QTest::keyPress(c, Qt::Key_Space);
         elsewhere->setFocus();
         c->setFocus();
         QTest::keyRelease(c, Qt::Key_Space);
       },
       0, 0},
      // A pressed look ends when the pointer leaves, and with it the press it shows; a check box
      // shows none and toggles.
      {"the pointer left while the key was down",
       [](SkinButtonBase* c, QWidget*) {
         QTest::keyPress(c, Qt::Key_Space);
         QEvent leave(QEvent::Leave);
         QApplication::sendEvent(c, &leave);
         QTest::keyRelease(c, Qt::Key_Space);
       },
       0, 1},
  };
  for (const Control& control : controls) {
    for (const Steps& s : steps) {
      std::unique_ptr<SkinButtonBase> c(control.make(&form));
      c->show();
      c->setFocus();
      QSignalSpy clicks(c.get(), SIGNAL(OnClick()));
      s.run(c.get(), elsewhere);
      const bool isButton = qobject_cast<TSkinButton*>(c.get()) != nullptr;
      EXPECT_EQ(clicks.count(), isButton ? s.buttonClicks : s.checkBoxClicks)
          << control.name << ": " << s.name;
      EXPECT_FALSE(c->IsPressed() && !c->IsArmed()) << control.name << ": " << s.name;
    }
  }
}

}  // namespace
