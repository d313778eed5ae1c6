// The skinned scroll bar: its size and parts in every look, the thumb's length rules and
// picture, holding the arrow buttons (real presses on a manual clock), and hiding at size 0.
#include "skin/bars/scrollbar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <set>

#include "skin/bars/scrolltrackbar.h"
#include "skin/base/timer_p.h"
#include "skin/buttons/imagebutton.h"
#include "skin/containers/imagepanel.h"
#include "skin/look/builtinlooks.h"
#include "skin/paint/turns_p.h"

namespace {

QImage LookPicture(TSkinUIStyle style, SkinEntry entry, int count, int frame) {
  QImage picture;
  GetInsideThemeBitmap(style, static_cast<int>(entry), &picture, count, frame);
  return picture.convertToFormat(QImage::Format_RGB32);
}

TSkinImagePanel* Thumb(const TSkinScrollBar& bar) {
  return bar.Track()->findChild<TSkinImagePanel*>(QString(), Qt::FindDirectChildrenOnly);
}

int ThumbLength(const TSkinScrollBar& bar) {
  return bar.Orientation() == skinVertical ? Thumb(bar)->height() : Thumb(bar)->width();
}

class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.resize(400, 300);
    host_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));
  }

  // A MacOS bar with a track of trackLength pixels between its 22-pixel buttons.
  TSkinScrollBar* MacOSBar(TSkinProgressBarOrientation orientation, int trackLength) {
    auto* bar = new TSkinScrollBar(&host_);
    bar->SetUIStyle(TSkinUIStyle::MacOS);
    bar->SetOrientation(orientation);
    if (orientation == skinHorizontal) {
      bar->setGeometry(10, 10, trackLength + 44, 16);
    } else {
      bar->setGeometry(10, 10, 16, trackLength + 45);
    }
    bar->show();
    return bar;
  }

  SkinManualClock clock_;
  QWidget host_;
};

TEST_F(ScrollBarTest, ArrowFramesSizeTheBarInEveryLook) {
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP, TSkinUIStyle::DeepBlue,
                             TSkinUIStyle::Protein, TSkinUIStyle::BlueGlass}) {
    const QImage first = LookPicture(style, SkinEntry::ScrollBarButtonImage, 6, 1);
    const int thumbThickness = LookPicture(style, SkinEntry::ScrollBarSliderImage, 3, 1).height();
    TSkinScrollBar bar(&host_);
    bar.SetUIStyle(style);
    bar.SetOrientation(skinVertical);
    bar.show();
    bar.resize(50, 200);
    EXPECT_EQ(bar.size(), QSize(first.width(), 200)) << int(style);
    EXPECT_EQ(bar.FirstButton()->size(), first.size());
    EXPECT_EQ(bar.SecondButton()->pos(), QPoint(0, 200 - first.height()));
    EXPECT_EQ(bar.Track()->geometry(),
              QRect(0, first.height(), thumbThickness, 200 - 2 * first.height() - 1))
        << "the upright track stops one pixel short of the second button";

    bar.SetOrientation(skinHorizontal);
    bar.resize(200, 50);
    EXPECT_EQ(bar.size(), QSize(200, first.width())) << int(style);
    EXPECT_EQ(bar.FirstButton()->size(), first.size().transposed());
    EXPECT_EQ(bar.Track()->geometry(),
              QRect(first.height(), 0, 200 - 2 * first.height(), thumbThickness));
  }
}

TEST_F(ScrollBarTest, MacOSLyingBarIsSixteenHighFromTurnedFrames) {
  TSkinScrollBar* bar = MacOSBar(skinHorizontal, 100);
  EXPECT_EQ(bar->height(), 16);
  EXPECT_EQ(bar->FirstButton()->size(), QSize(22, 16));
  for (int frame = 1; frame <= 6; ++frame) {
    QImage turned = LookPicture(TSkinUIStyle::MacOS, SkinEntry::ScrollBarButtonImage, 6, frame);
    RoundPicture(turned);
    TSkinImageButton* button = frame <= 3 ? bar->FirstButton() : bar->SecondButton();
    const QImage pictures[] = {button->PicNormal(), button->PicMouseOn(), button->PicMouseDown()};
    EXPECT_EQ(pictures[(frame - 1) % 3].convertToFormat(QImage::Format_RGB32), turned)
        << "frame " << frame;
  }
}

TEST_F(ScrollBarTest, ThumbLengthFollowsLineButtonOrPageShare) {
  struct Case {
    int pageSize;
    int lineButton;
    int length;  // on a 200-pixel track
  } const cases[] = {
      {2, 0, 20},  // below 10 percent counts as 10
      {9, 0, 20},    {10, 0, 20},    {50, 0, 100},
      {100, 0, 200}, {101, 0, 20},  // and so does more than 100
      {150, 0, 20},  {50, 5, 18},   // a short LineButton is raised to 18
      {50, 40, 40},  {50, 200, 200},
  };
  for (const Case& c : cases) {
    TSkinScrollBar* bar = MacOSBar(skinHorizontal, 200);
    bar->SetMax(200);  // the track takes no page larger than its range
    bar->SetPageSize(c.pageSize);
    ASSERT_EQ(bar->PageSize(), c.pageSize);
    bar->SetLineButton(c.lineButton);
    EXPECT_EQ(ThumbLength(*bar), c.length) << c.pageSize << " " << c.lineButton;
    EXPECT_EQ(bar->LineButton(), c.lineButton == 5 ? 18 : c.lineButton);
    delete bar;
  }
}

TEST_F(ScrollBarTest, LineButtonLongerThanTheRoomIsRefused) {
  TSkinScrollBar* bar = MacOSBar(skinVertical, 100);  // 100 + 1 pixels between the buttons
  bar->SetLineButton(30);
  bar->SetLineButton(102);
  EXPECT_EQ(bar->LineButton(), 30);
  EXPECT_EQ(ThumbLength(*bar), 30);
  bar->SetLineButton(101);
  EXPECT_EQ(bar->LineButton(), 101);
}

TEST_F(ScrollBarTest, ThumbKeepsItsCapsAndStretchesTheMiddle) {
  for (TSkinProgressBarOrientation orientation : {skinHorizontal, skinVertical}) {
    TSkinScrollBar* bar = MacOSBar(orientation, 150);
    bar->SetLineButton(40);
    QImage caps[3];
    for (int i = 0; i < 3; ++i) {
      caps[i] = LookPicture(TSkinUIStyle::MacOS, SkinEntry::ScrollBarSliderImage, 3, i + 1);
      if (orientation == skinVertical) RoundPicture3(caps[i]);
    }
    const QImage thumb = Thumb(*bar)->Picture().convertToFormat(QImage::Format_RGB32);
    const bool upright = orientation == skinVertical;
    ASSERT_EQ(thumb.size(), upright ? QSize(16, 40) : QSize(40, 16));
    const QSize cap = caps[0].size();
    EXPECT_EQ(thumb.copy(QRect(QPoint(0, 0), cap)), caps[0]);
    const QPoint endAt = upright ? QPoint(0, 40 - cap.height()) : QPoint(40 - cap.width(), 0);
    EXPECT_EQ(thumb.copy(QRect(endAt, caps[2].size())), caps[2]);
    // Every line across the middle is a line of the middle piece.
    std::set<std::vector<QRgb>> middleLines;
    const auto line = [upright](const QImage& image, int i) {
      std::vector<QRgb> pixels;
      const int across = upright ? image.width() : image.height();
      for (int j = 0; j < across; ++j)
        pixels.push_back(upright ? image.pixel(j, i) : image.pixel(i, j));
      return pixels;
    };
    const int pieceLength = upright ? caps[1].height() : caps[1].width();
    for (int i = 0; i < pieceLength; ++i) middleLines.insert(line(caps[1], i));
    for (int i = 11; i < 29; ++i) EXPECT_TRUE(middleLines.count(line(thumb, i))) << "line " << i;
    delete bar;
  }
}

TEST_F(ScrollBarTest, ThumbMovesAlongTheTrackWithPosition) {
  TSkinScrollBar* bar = MacOSBar(skinHorizontal, 200);
  bar->SetLineButton(40);
  bar->SetPosition(100);
  EXPECT_EQ(Thumb(*bar)->x(), 160);
  bar->SetLineButton(60);
  EXPECT_EQ(Thumb(*bar)->x(), 140) << "a longer thumb still ends at the track's end";
  bar->SetPosition(0);
  EXPECT_EQ(Thumb(*bar)->x(), 0);
}

TEST_F(ScrollBarTest, HoldingAnArrowStepsEveryHundredMillisecondsAfterTheFirstInterval) {
  TSkinScrollBar* bar = MacOSBar(skinHorizontal, 200);
  bar->SetSmallChange(7);
  bar->SetPosition(50);
  QSignalSpy changes(bar, &TSkinScrollBar::OnChange);

  QTest::mousePress(bar->SecondButton(), Qt::LeftButton, {}, QPoint(5, 5));
  clock_.Advance(99);
  EXPECT_EQ(bar->Position(), 50);
  clock_.Advance(1);
  EXPECT_EQ(bar->Position(), 57);
  clock_.Advance(200);
  EXPECT_EQ(bar->Position(), 71);
  QTest::mouseRelease(bar->SecondButton(), Qt::LeftButton, {}, QPoint(5, 5));
  clock_.Advance(500);
  EXPECT_EQ(bar->Position(), 71);
  EXPECT_EQ(changes.count(), 3);

  QTest::mousePress(bar->FirstButton(), Qt::LeftButton, {}, QPoint(5, 5));
  clock_.Advance(99);
  QTest::mouseRelease(bar->FirstButton(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(bar->Position(), 71) << "a click shorter than one interval moves nothing";

  QTest::mousePress(bar->FirstButton(), Qt::LeftButton, {}, QPoint(5, 5));
  clock_.Advance(2000);
  QTest::mouseRelease(bar->FirstButton(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(bar->Position(), 0) << "held down to Min and no further";
  EXPECT_FALSE(bar->FirstButton()->hasFocus()) << "the arrows leave the focus where it was";
}

TEST_F(ScrollBarTest, PositionMinAndMaxAreTheTracks) {
  TSkinScrollBar* bar = MacOSBar(skinVertical, 100);
  EXPECT_EQ(bar->Max(), 100);
  EXPECT_EQ(bar->PageSize(), 2);
  EXPECT_EQ(bar->SmallChange(), 1);
  QSignalSpy changes(bar, &TSkinScrollBar::OnChange);
  bar->SetMax(70000);
  bar->SetPosition(69000);
  bar->SetPosition(69000);
  EXPECT_EQ(bar->Track()->Position(), 69000);
  EXPECT_EQ(changes.count(), 1);
  bar->SetMax(500);
  EXPECT_EQ(bar->Position(), 500);
  bar->SetLargeChange(40);
  EXPECT_EQ(bar->PageSize(), 40);
  EXPECT_EQ(ThumbLength(*bar), 10) << "LargeChange leaves the thumb as it was";
}

TEST_F(ScrollBarTest, TrackShowsTheLooksScrollBarColour) {
  TSkinScrollBar* bar = MacOSBar(skinHorizontal, 200);
  bar->SetPosition(0);
  const QImage track = bar->Track()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(track.pixel(150, 8), ToQColor(GetInsideThemeColor(TSkinUIStyle::MacOS, 31)).rgb());
  EXPECT_FALSE(bar->Track()->Transparent());
}

TEST_F(ScrollBarTest, ZeroWidthOrHeightHidesTheBar) {
  TSkinScrollBar* bar = MacOSBar(skinVertical, 100);
  bar->resize(16, 0);
  EXPECT_TRUE(bar->isHidden());
}

TEST_F(ScrollBarTest, HiddenThumbComesBack) {
  TSkinScrollBar* bar = MacOSBar(skinHorizontal, 100);
  bar->SetSliderVisible(false);
  EXPECT_FALSE(bar->SliderVisible());
  EXPECT_TRUE(Thumb(*bar)->isHidden());
  bar->SetSliderVisible(true);
  EXPECT_TRUE(Thumb(*bar)->isVisible());
}

}  // namespace
