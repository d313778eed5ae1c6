// The notice pop-up on the manual clock: where it appears, its slides, its stay (also across the
// wrap of the tick counter), the close box, clicks, Popup while shown and deletion mid-slide.
#include "skin/window/noticepopform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "skin/base/helpers.h"
#include "skin/base/timer_p.h"
#include "skin/look/builtinlooks.h"
#include "skin/window/frmnoticepopform.h"

namespace {

using Phase = TfrmNoticePopForm::Phase;

constexpr QSize kPictureSize(181, 116);

// A notice on a manual clock whose events are written to a log in the order they come.
class NoticeTest : public testing::Test {
 protected:
  explicit NoticeTest(long long clockStart = 0) : clock_(clockStart) { Log(notice_); }

  void Log(TSkinNoticePopForm& notice) {
    QObject::connect(&notice, &TSkinNoticePopForm::OnShow, [this] { events_.push_back("show"); });
    QObject::connect(&notice, &TSkinNoticePopForm::OnClick, [this] { events_.push_back("click"); });
    QObject::connect(&notice, &TSkinNoticePopForm::OnTitleClick,
                     [this] { events_.push_back("title"); });
    QObject::connect(&notice, &TSkinNoticePopForm::OnClose, [this] { events_.push_back("close"); });
  }

  TfrmNoticePopForm* Window() const { return notice_.NoticeWindow(); }
  Phase PhaseNow() const { return Window()->CurrentPhase(); }

  // Pops the notice up and lets it slide in completely.
  void PopupShown() {
    notice_.Popup();
    clock_.Advance(notice_.AnimateTime());
    ASSERT_EQ(PhaseNow(), Phase::Shown);
  }

  SkinManualClock clock_;
  TSkinNoticePopForm notice_;
  std::vector<std::string> events_;
};

TEST_F(NoticeTest, WithTheDefaultsItSlidesUpAtTheCornerStaysAndSlidesDown) {
  bool shownAtOnShow = true;
  QObject::connect(&notice_, &TSkinNoticePopForm::OnShow,
                   [&] { shownAtOnShow = Window()->isVisible(); });
  notice_.Popup();
  EXPECT_FALSE(shownAtOnShow) << "OnShow comes before the window shows";
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(Window()->geometry(),
            QRect(QPoint(area.right() + 1 - 18 - 181, area.bottom() + 1 - 116), kPictureSize));
  EXPECT_TRUE(Window()->isVisible());

  clock_.Advance(200);
  EXPECT_EQ(PhaseNow(), Phase::SlidingIn);
  EXPECT_EQ(Window()->mask(), QRegion(0, 58, 181, 58)) << "the lower half has risen into view";
  clock_.Advance(200);
  EXPECT_EQ(PhaseNow(), Phase::Shown);
  EXPECT_TRUE(Window()->mask().isEmpty());

  clock_.Advance(1999);
  EXPECT_EQ(PhaseNow(), Phase::Shown) << "the stay runs 2000 ms from the end of the slide-in";
  clock_.Advance(1);
  EXPECT_EQ(PhaseNow(), Phase::SlidingOut);
  clock_.Advance(300);
  EXPECT_EQ(Window()->mask(), QRegion(0, 87, 181, 29)) << "three quarters have gone down";
  EXPECT_EQ(events_, (std::vector<std::string>{"show"}));
  clock_.Advance(100);
  EXPECT_EQ(PhaseNow(), Phase::Hidden);
  EXPECT_FALSE(Window()->isVisible());
  EXPECT_FALSE(Window()->TimerRunning());
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "close"}));
}

TEST_F(NoticeTest, IsABorderlessToolWindowAboveTheOthersThatTakesNoFocus) {
  const Qt::WindowFlags flags = Window()->windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool) << "no task-bar button";
  EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(Window()->testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST_F(NoticeTest, ShowsItsPictureWithTheTextsInTheirFonts) {
  notice_.SetTitle(QStringLiteral("Graphitine"));
  notice_.SetMessageText(QStringLiteral("转换完成"));
  SkinFont big{QFont(QStringLiteral("DejaVu Sans"), 14), 0x0000FF};
  notice_.SetMessageFont(big);
  PopupShown();
  EXPECT_EQ(Window()->lbl_title()->text(), QStringLiteral("Graphitine"));
  EXPECT_EQ(Window()->lbl_title()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80))
      << "navy";
  EXPECT_EQ(Window()->lbl_text()->text(), QStringLiteral("转换完成"));
  EXPECT_EQ(Window()->lbl_text()->font().pointSize(), 14);
  EXPECT_EQ(Window()->lbl_text()->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
  EXPECT_EQ(Window()->lbl_title()->geometry(), QRect(10, 5, 151, 18));
  EXPECT_EQ(Window()->lbl_text()->geometry(), QRect(10, 40, 161, 66));

  big.color = 0x00FF00;
  notice_.SetMessageFont(big);
  EXPECT_EQ(Window()->lbl_text()->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0))
      << "a font reaches the window at the next Popup";

  const QImage shown = Window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage picture = LoadSkinResource(QStringLiteral("NOTICEPOPFORM"));
  const QRect closeBox = TfrmNoticePopForm::kCloseBox.adjusted(-2, -2, 2, 2);
  EXPECT_EQ(shown.copy(closeBox), picture.copy(closeBox)) << "the close box shows as drawn";
}

// The second screen's area starts at (800, 120) and is 640 × 480.
TEST_F(NoticeTest, TakesTheCornerOfTheMainFormsWorkAreaWhereverItLies) {
  QWidget mainForm;
  mainForm.move(900, 200);
  SetSkinMainForm(&mainForm);
  ASSERT_EQ(GetWorkAreaRect(), QRect(800, 120, 640, 480));
  const QPoint corner(800 + 640 - 18 - 181, 120 + 480 - 116);

  TSkinNoticePopForm created;
  EXPECT_EQ(created.NoticeWindow()->pos(), corner) << "placed there when created";

  mainForm.move(100, 100);  // back on the primary screen: Popup reads the area anew
  notice_.Popup();
  EXPECT_EQ(Window()->pos(), QPoint(800 - 18 - 181, 600 - 116));
  mainForm.move(900, 200);
  notice_.Popup();
  EXPECT_EQ(Window()->pos(), corner);

  notice_.SetAutoPosition(false);
  notice_.SetPositionX(100);
  notice_.SetPositionY(50);
  notice_.Popup();
  EXPECT_EQ(Window()->pos(), QPoint(100, 50));
}

TEST_F(NoticeTest, AZeroStayEndsAtTheFirstTickAfterTheSlideIn) {
  notice_.SetAnimateTime(450);
  notice_.SetStayTime(0);
  notice_.Popup();
  clock_.Advance(450);
  EXPECT_EQ(PhaseNow(), Phase::Shown) << "ticks during the slide-in do not count";
  clock_.Advance(49);
  EXPECT_EQ(PhaseNow(), Phase::Shown);
  clock_.Advance(1);
  EXPECT_EQ(PhaseNow(), Phase::SlidingOut);
}

TEST_F(NoticeTest, WithoutAnimateTimeItAppearsAndGoesAtOnce) {
  notice_.SetAnimateTime(0);
  notice_.SetStayTime(150);
  notice_.Popup();
  EXPECT_EQ(PhaseNow(), Phase::Shown);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_TRUE(Window()->mask().isEmpty());
  clock_.Advance(199);
  EXPECT_EQ(PhaseNow(), Phase::Shown);
  clock_.Advance(1);
  EXPECT_EQ(PhaseNow(), Phase::Hidden);
  EXPECT_FALSE(Window()->isVisible());
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "close"}));
}

// The tick counter wraps at 2^32; read as signed, it also passes 2^31. Neither may end the stay
// early or make it last for good.
class NoticeAcrossTheWrapTest : public NoticeTest, public testing::WithParamInterface<long long> {
 protected:
  NoticeAcrossTheWrapTest() : NoticeTest(GetParam()) {}
};

TEST_P(NoticeAcrossTheWrapTest, StaysItsFullTime) {
  PopupShown();
  clock_.Advance(1999);
  EXPECT_EQ(PhaseNow(), Phase::Shown);
  clock_.Advance(1);
  EXPECT_EQ(PhaseNow(), Phase::SlidingOut);
}

INSTANTIATE_TEST_SUITE_P(TickCounter, NoticeAcrossTheWrapTest,
                         testing::Values(0x100000000LL - 1000, 0x80000000LL - 1000,
                                         0x100000000LL - 400));

struct Press {
  QPoint at;
  Qt::MouseButton button;
  bool closes;
};

TEST_F(NoticeTest, TheCloseBoxHidesAtOnceAndOnlyThere) {
  const Press presses[] = {
      {{162, 6}, Qt::LeftButton, true},   {{175, 19}, Qt::LeftButton, true},
      {{168, 12}, Qt::LeftButton, true},  {{176, 6}, Qt::LeftButton, false},
      {{162, 20}, Qt::LeftButton, false}, {{161, 12}, Qt::LeftButton, false},
      {{168, 5}, Qt::LeftButton, false},  {{162, 6}, Qt::RightButton, false},
  };
  for (const Press& press : presses) {
    SCOPED_TRACE(testing::Message()
                 << press.at.x() << "," << press.at.y() << " button " << press.button);
    events_.clear();
    PopupShown();
    QTest::mousePress(Window(), press.button, {}, press.at);
    EXPECT_EQ(PhaseNow(), press.closes ? Phase::Hidden : Phase::Shown);
    EXPECT_EQ(Window()->isVisible(), !press.closes) << "no slide-out";
    EXPECT_EQ(Window()->TimerRunning(), !press.closes);
    const std::vector<std::string> expected =
        press.closes ? std::vector<std::string>{"show", "close"} : std::vector<std::string>{"show"};
    EXPECT_EQ(events_, expected);
    QTest::mouseRelease(Window(), press.button, {}, press.at);
    notice_.Close();  // the next case starts hidden
    clock_.Advance(1000);
  }
}

TEST_F(NoticeTest, TheCloseBoxCutsASlideShort) {
  notice_.Popup();
  clock_.Advance(390);
  QTest::mousePress(Window(), Qt::LeftButton, {}, QPoint(170, 10));
  EXPECT_EQ(PhaseNow(), Phase::Hidden);
  EXPECT_FALSE(Window()->isVisible());

  PopupShown();
  notice_.Close();
  clock_.Advance(100);
  QTest::mousePress(Window(), Qt::LeftButton, {}, QPoint(170, 10));
  EXPECT_FALSE(Window()->isVisible());
  EXPECT_TRUE(Window()->mask().isEmpty());
  clock_.Advance(1000);
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "close", "show", "close"}))
      << "one OnClose each";
}

TEST_F(NoticeTest, ClicksReportTheirPartAndHideOnlyWithClickHide) {
  PopupShown();
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(50, 60));   // message
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(50, 10));   // title line
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(100, 30));  // body
  QTest::mousePress(Window(), Qt::LeftButton, {}, QPoint(50, 10));
  QTest::mouseRelease(Window(), Qt::LeftButton, {},
                      QPoint(50, 60));  // moved off the title: no click
  QTest::mouseClick(Window(), Qt::RightButton, {}, QPoint(50, 60));
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "click", "title", "click"}));
  EXPECT_EQ(PhaseNow(), Phase::Shown) << "clicks do not hide without ClickHide";

  notice_.SetClickHide(true);
  notice_.Popup();
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(50, 10));
  EXPECT_EQ(PhaseNow(), Phase::Shown) << "the title line does not hide";
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(50, 60));
  EXPECT_EQ(PhaseNow(), Phase::SlidingOut);
  clock_.Advance(400);
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "click", "title", "click", "show", "title",
                                               "click", "close"}));
}

TEST_F(NoticeTest, CloseSlidesOutAndDoesNothingWhenHidden) {
  notice_.Close();
  EXPECT_TRUE(events_.empty());
  PopupShown();
  notice_.Close();
  EXPECT_EQ(PhaseNow(), Phase::SlidingOut);
  EXPECT_FALSE(Window()->TimerRunning());
  notice_.Close();
  clock_.Advance(400);
  EXPECT_EQ(PhaseNow(), Phase::Hidden);
  notice_.Close();
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "close"}));
}

TEST_F(NoticeTest, PopupWhileShownRestartsTheStayWithoutSlidingAgain) {
  PopupShown();
  clock_.Advance(1500);
  notice_.SetTitle(QStringLiteral("again"));
  notice_.Popup();
  EXPECT_EQ(PhaseNow(), Phase::Shown);
  EXPECT_TRUE(Window()->mask().isEmpty()) << "stays in full view";
  EXPECT_EQ(Window()->lbl_title()->text(), QStringLiteral("again"));
  clock_.Advance(1999);
  EXPECT_EQ(PhaseNow(), Phase::Shown) << "the stay started again at the second Popup";
  clock_.Advance(1);
  EXPECT_EQ(PhaseNow(), Phase::SlidingOut);
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "show"}));
}

TEST_F(NoticeTest, PopupEndsARunningSlideFirst) {
  notice_.Popup();
  clock_.Advance(100);
  notice_.Popup();  // during the slide-in: it ends, and the stay starts now
  EXPECT_EQ(PhaseNow(), Phase::Shown);
  clock_.Advance(2000);
  ASSERT_EQ(PhaseNow(), Phase::SlidingOut);
  clock_.Advance(100);
  notice_.Popup();  // during the slide-out: the window goes, then comes up again
  EXPECT_EQ(PhaseNow(), Phase::SlidingIn);
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "show", "close", "show"}));
  clock_.Advance(400);
  EXPECT_EQ(PhaseNow(), Phase::Shown);
}

TEST(NoticeDeletion, MidSlideOrFromItsOwnOnCloseLeavesNothingBehind) {
  SkinManualClock clock;
  int closes = 0;
  for (int slideMs : {100, 2500}) {  // sliding in, then sliding out
    auto notice = std::make_unique<TSkinNoticePopForm>();
    QObject::connect(notice.get(), &TSkinNoticePopForm::OnClose, [&] { ++closes; });
    notice->Popup();
    clock.Advance(slideMs);
    notice.reset();
    clock.Advance(5000);
  }
  EXPECT_EQ(closes, 0);

  auto* notice = new TSkinNoticePopForm;
  QObject::connect(notice, &TSkinNoticePopForm::OnClose, [&] {
    ++closes;
    delete notice;
  });
  notice->Popup();
  clock.Advance(2800);  // slide in, stay, slide out
  EXPECT_EQ(closes, 1);
  clock.Advance(1000);
}

}  // namespace
