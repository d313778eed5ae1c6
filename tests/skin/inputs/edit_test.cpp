// The skinned edit and masked edit: the frame's pixels, and the line edit's own behaviour kept
// (typing, clipboard, undo, composed input, the context menu, selection on entering), driven by
// real key and mouse events.
#include "skin/inputs/edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>
#include <set>

#include "skin/inputs/maskedit.h"
#include "skin/look/builtinlooks.h"
#include "tests/skin/support/active_window_fixture.h"

namespace {

class EditTest : public ActiveWindowTest {
 protected:
  TSkinEdit* MakeEdit(QPoint at = {10, 10}) {
    auto* edit = new TSkinEdit(&window_);
    edit->setGeometry(QRect(at, QSize(120, 21)));
    edit->show();
    return edit;
  }
};

QImage Shown(QWidget* control) {
  return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colours of one ring of pixels, `inset` pixels in from the control's edge.
std::set<QRgb> Ring(const QImage& image, int inset) {
  std::set<QRgb> colours;
  const QRect r = image.rect().adjusted(inset, inset, -inset, -inset);
  for (int x = r.left(); x <= r.right(); ++x)
    colours.insert({image.pixel(x, r.top()), image.pixel(x, r.bottom())});
  for (int y = r.top(); y <= r.bottom(); ++y)
    colours.insert({image.pixel(r.left(), y), image.pixel(r.right(), y)});
  return colours;
}

TEST_F(EditTest, FrameIsBorderColourAroundARingOfColour) {
  TSkinEdit* edit = MakeEdit();
  edit->SetUIStyle(TSkinUIStyle::MacOS);
  EXPECT_EQ(edit->BorderColor(), 0x7F7F7Fu) << "entry 25 of the look";
  edit->SetColor(0x00FFFF);  // yellow
  edit->setText("170");
  const QImage shown = Shown(edit);
  EXPECT_EQ(Ring(shown, 0), std::set<QRgb>{0xFF7F7F7F});
  EXPECT_EQ(Ring(shown, 1), std::set<QRgb>{0xFFFFFF00});
  EXPECT_EQ(shown.pixel(110, 10), 0xFFFFFF00u) << "the face behind the text";

  edit->SetUIStyle(TSkinUIStyle::DeepBlue);
  EXPECT_EQ(Ring(Shown(edit), 0), std::set<QRgb>{0xFF000000});
  edit->SetBorderColor(0x0000FF);
  EXPECT_EQ(Ring(Shown(edit), 0), std::set<QRgb>{0xFFFF0000})
      << "a colour set after the look stays";
}

TEST_F(EditTest, TypingClipboardAndUndoWorkAsInAnyLineEdit) {
  TSkinEdit* edit = MakeEdit();
  edit->setFocus();
  QTest::keyClicks(edit, "abc");
  EXPECT_EQ(edit->text(), "abc");
  QTest::keySequence(edit, QKeySequence::SelectAll);
  QTest::keySequence(edit, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text(), "abc");
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keySequence(edit, QKeySequence::Paste);
  EXPECT_EQ(edit->text(), "abcabc");
  QTest::keySequence(edit, QKeySequence::Undo);
  EXPECT_EQ(edit->text(), "abc");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "ab");
}

TEST_F(EditTest, ComposedChineseTextArrives) {
  TSkinEdit* edit = MakeEdit();
  edit->setFocus();
  QInputMethodEvent preedit(QString::fromUtf8("su"), {});
  QApplication::sendEvent(edit, &preedit);
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("素描"));
  QApplication::sendEvent(edit, &commit);
  EXPECT_EQ(edit->text(), QString::fromUtf8("素描"));
}

TEST_F(EditTest, ContextMenuOpens) {
  TSkinEdit* edit = MakeEdit();
  edit->setText("abc");
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                              edit->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(edit, &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  menu->close();
}

TEST_F(EditTest, EnteringByTabSelectsAllUnlessAutoSelectIsOff) {
  TSkinEdit* first = MakeEdit({10, 10});
  TSkinEdit* second = MakeEdit({10, 40});
  second->setText("output folder");
  first->setFocus();
  QTest::keyClick(first, Qt::Key_Tab);
  ASSERT_TRUE(second->hasFocus());
  EXPECT_EQ(second->selectedText(), "output folder");

  second->SetAutoSelect(false);
  first->setFocus();
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_FALSE(second->hasSelectedText());

  second->SetAutoSelect(true);
  first->setFocus();
  QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(100, 10));
  EXPECT_FALSE(second->hasSelectedText()) << "a click places the caret";
}

TEST_F(EditTest, MaxLengthZeroMeansNoLimit) {
  TSkinEdit* edit = MakeEdit();
  EXPECT_EQ(edit->MaxLength(), 0);
  edit->SetMaxLength(3);
  edit->setFocus();
  QTest::keyClicks(edit, "abcdef");
  EXPECT_EQ(edit->text(), "abc");
  edit->SetMaxLength(0);
  QTest::keyClicks(edit, "def");
  EXPECT_EQ(edit->text(), "abcdef");
}

TEST_F(EditTest, MaskEditKeepsItsMask) {
  auto* edit = new TSkinMaskEdit(&window_);
  edit->setGeometry(10, 10, 120, 21);
  edit->show();
  edit->setProperty("EditMask", "00-00;_");
  edit->setFocus();
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "1a2b34");
  EXPECT_EQ(edit->text(), "12-34");
  EXPECT_EQ(Ring(Shown(edit), 0).size(), 1u) << "framed like the edit";
}

}  // namespace
