// The skinned memo: the native scroll bars chosen by the attached skinned ones, the skinned bars
// kept in step through typing, cutting, pasting, undoing, the wheel and setting the text (real
// key and wheel events), the horizontal arrow step, and the bars' placement over the memo.
#include "skin/inputs/memo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QWheelEvent>
#include <functional>

#include "skin/bars/scrollbar.h"
#include "skin/base/timer_p.h"
#include "skin/buttons/imagebutton.h"
#include "tests/skin/support/active_window_fixture.h"

namespace {

class MemoTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    ActiveWindowTest::SetUp();
    memo_ = new TSkinMemo(&window_);
    memo_->SetUIStyle(TSkinUIStyle::MacOS);
    memo_->SetWordWrap(false);
    memo_->setGeometry(10, 10, 137, 83);
    memo_->show();
  }

  TSkinScrollBar* NewBar() { return new TSkinScrollBar(&window_); }

  void AttachBoth() {
    vertical_ = NewBar();
    horizontal_ = NewBar();
    memo_->SetVScrollBar(vertical_);
    memo_->SetHScrollBar(horizontal_);
  }

  // The skinned bar shows the native one's range and position, and is live exactly when the
  // native bar has something to scroll.
  static void ExpectInStep(const TSkinScrollBar* bar, const QScrollBar* native, const char* after) {
    const bool live = native->maximum() > native->minimum();
    EXPECT_EQ(bar->isEnabled(), live) << after;
    EXPECT_EQ(bar->SliderVisible(), live) << after;
    EXPECT_TRUE(bar->isVisible()) << after << ": a bar with nothing to scroll stays shown";
    EXPECT_EQ(bar->Max(), native->maximum()) << after;
    EXPECT_EQ(bar->Position(), native->value()) << after;
  }

  void ExpectBothInStep(const char* after) {
    ExpectInStep(vertical_, memo_->verticalScrollBar(), after);
    ExpectInStep(horizontal_, memo_->horizontalScrollBar(), after);
  }

  TSkinMemo* memo_ = nullptr;
  TSkinScrollBar* vertical_ = nullptr;
  TSkinScrollBar* horizontal_ = nullptr;
};

TEST_F(MemoTest, NativeScrollBarsFollowTheAttachedOnes) {
  EXPECT_EQ(memo_->ScrollBars(), TSkinMemo::ssNone);
  TSkinScrollBar* vertical = NewBar();
  TSkinScrollBar* horizontal = NewBar();
  struct Step {
    TSkinScrollBar* v;
    TSkinScrollBar* h;
    TSkinMemo::TScrollStyle expected;
  };
  const Step steps[] = {
      {vertical, nullptr, TSkinMemo::ssVertical},
      {vertical, horizontal, TSkinMemo::ssBoth},
      {nullptr, horizontal, TSkinMemo::ssHorizontal},
      {nullptr, nullptr, TSkinMemo::ssNone},
  };
  for (const Step& step : steps) {
    memo_->SetVScrollBar(step.v);
    memo_->SetHScrollBar(step.h);
    EXPECT_EQ(memo_->ScrollBars(), step.expected);
    EXPECT_EQ(memo_->verticalScrollBarPolicy(),
              step.v != nullptr ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  }
  EXPECT_TRUE(vertical->isEnabled()) << "a released bar is enabled again";
  EXPECT_EQ(vertical->Max(), 100);
  EXPECT_EQ(vertical->LineButton(), 0);

  memo_->SetVScrollBar(vertical);
  delete vertical;
  EXPECT_EQ(memo_->VScrollBar(), nullptr);
  EXPECT_EQ(memo_->ScrollBars(), TSkinMemo::ssNone) << "a destroyed bar is forgotten";
}

TEST_F(MemoTest, BarsKeepInStepThroughTypingClipboardUndoAndSetText) {
  AttachBoth();
  ExpectBothInStep("attaching to an empty memo");
  EXPECT_FALSE(vertical_->isEnabled());

  memo_->setFocus();
  for (int line = 0; line < 12; ++line) {
    QTest::keyClicks(memo_, "a line with a long tail of words");
    QTest::keyClick(memo_, Qt::Key_Return);
  }
  ExpectBothInStep("typing");
  const QString typed = memo_->toPlainText();
  EXPECT_TRUE(vertical_->isEnabled());
  EXPECT_TRUE(horizontal_->isEnabled());
  EXPECT_GT(vertical_->Position(), 0) << "the caret at the end scrolled down";

  QTest::keySequence(memo_, QKeySequence::SelectAll);
  QTest::keySequence(memo_, QKeySequence::Cut);
  ExpectBothInStep("cutting");
  EXPECT_FALSE(vertical_->isEnabled());

  QTest::keySequence(memo_, QKeySequence::Paste);
  QTest::keySequence(memo_, QKeySequence::Paste);
  ExpectBothInStep("pasting");
  EXPECT_TRUE(vertical_->isEnabled());

  QTest::keySequence(memo_, QKeySequence::Undo);
  QTest::keySequence(memo_, QKeySequence::Undo);
  QTest::keySequence(memo_, QKeySequence::Undo);
  EXPECT_EQ(memo_->toPlainText(), typed) << "both pastes and the cut are undone";
  ExpectBothInStep("undoing");

  memo_->SetLines({"short"});
  ExpectBothInStep("setting the text");
  EXPECT_FALSE(vertical_->isEnabled());
}

TEST_F(MemoTest, WheelAndSkinnedBarsScrollTogether) {
  AttachBoth();
  QStringList lines;
  for (int i = 0; i < 40; ++i)
    lines.append(QStringLiteral("line %1, long enough to scroll sideways as well").arg(i));
  memo_->SetLines(lines);
  const QPoint inside(30, 30);
  QWheelEvent wheel(inside, memo_->viewport()->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(memo_->viewport(), &wheel);
  EXPECT_GT(memo_->verticalScrollBar()->value(), 0);
  ExpectBothInStep("the wheel");

  vertical_->SetPosition(10);
  EXPECT_EQ(memo_->verticalScrollBar()->value(), 10);
  EXPECT_EQ(memo_->cursorForPosition(QPoint(5, 5)).blockNumber(), 10)
      << "the text follows the skinned bar";
}

TEST_F(MemoTest, HorizontalArrowMovesThreeOfTheSkinnedBarsPages) {
  SkinManualClock clock;
  AttachBoth();
  memo_->SetLines({QString(200, u'x')});
  ASSERT_EQ(horizontal_->PageSize(), 2);
  EXPECT_EQ(horizontal_->SmallChange(), 6);
  QTest::mousePress(horizontal_->SecondButton(), Qt::LeftButton, {}, QPoint(5, 5));
  clock.Advance(100);
  QTest::mouseRelease(horizontal_->SecondButton(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(memo_->horizontalScrollBar()->value(), 6);
  EXPECT_EQ(vertical_->SmallChange(), 1) << "the vertical step is left alone";
}

TEST_F(MemoTest, BarsLieOverTheMemosEdgesAndHideWhenItIsTooSmall) {
  AttachBoth();
  const int vw = vertical_->width();
  const int hh = horizontal_->height();
  EXPECT_EQ(vertical_->geometry(), QRect(10 + 137 - vw - 2, 11, vw, 83 - hh - 2));
  EXPECT_EQ(horizontal_->geometry(), QRect(11, 10 + 83 - hh - 2, 137 - vw - 1, hh));

  memo_->resize(137, hh - 1);
  EXPECT_TRUE(horizontal_->isHidden()) << "a memo lower than the bar";
  memo_->hide();
  EXPECT_TRUE(vertical_->isHidden());
  memo_->resize(137, 83);
  memo_->show();
  EXPECT_TRUE(horizontal_->isVisible());
  EXPECT_TRUE(vertical_->isVisible());
}

// What the clipboard offers goes in as plain text; an offer without any format (an empty X
// clipboard) inserts nothing and must not bring the memo down.
TEST_F(MemoTest, PastingTakesTheClipboardsTextOrNothing) {
  struct Case {
    const char* what;
    std::function<void(QMimeData&)> offer;
    QString pasted;
  };
  const Case cases[] = {
      {"no format at all", [](QMimeData&) {}, QString()},
      {"plain text", [](QMimeData& data) { data.setText(QStringLiteral("one\ntwo")); },
       QStringLiteral("one\ntwo")},
      {"HTML only", [](QMimeData& data) { data.setHtml(QStringLiteral("<b>bold</b> words")); },
       QStringLiteral("bold words")},
      {"a picture only",
       [](QMimeData& data) { data.setImageData(QImage(2, 2, QImage::Format_RGB32)); }, QString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    memo_->clear();
    auto* data = new QMimeData;
    c.offer(*data);
    QGuiApplication::clipboard()->setMimeData(data);
    QTest::keySequence(memo_, QKeySequence::Paste);
    EXPECT_EQ(memo_->toPlainText(), c.pasted);
  }
}

}  // namespace
