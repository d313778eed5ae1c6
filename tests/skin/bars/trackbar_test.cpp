// The track bar with real mouse and key events: clicks, holding, dragging, keys, ticks and the
// rules for OnChange, on horizontal and vertical bars.
#include "skin/bars/trackbar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <set>
#include <vector>

#include "skin/bars/scrolltrackbar.h"
#include "skin/bars/trackbarmath_p.h"
#include "skin/base/timer_p.h"
#include "skin/containers/imagepanel.h"
#include "skin/look/themefilewriter.h"
#include "tests/skin/support/themefilebytes.h"
#include "tests/skin/support/themepicture.h"

namespace {

using ::testing::ElementsAreArray;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// The repeat timer exists only while the left button is held on the bar.
SkinTimer* RepeatTimer(TSkinTrackBar& bar) {
  return bar.findChild<SkinTimer*>(QString(), Qt::FindDirectChildrenOnly);
}

TSkinImagePanel* SliderOf(TSkinTrackBar& bar) {
  return bar.findChild<TSkinImagePanel*>(QString(), Qt::FindDirectChildrenOnly);
}

// The bar's own face, without the slider window on top.
QImage Face(TSkinTrackBar& bar) {
  QImage face(bar.size(), QImage::Format_RGB32);
  face.fill(Qt::red);
  bar.render(&face, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  return face;
}

class TrackBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.resize(300, 200);
    host_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));
  }

  // The precision slider of the main window: MacOS, 120 wide, 0..200 at 170.
  void SetUpPrecision(TSkinTrackBar& bar,
                      TSkinProgressBarOrientation orientation = skinHorizontal) {
    bar.SetUIStyle(TSkinUIStyle::MacOS);
    bar.SetOrientation(orientation);
    if (orientation == skinHorizontal) {
      bar.setGeometry(10, 10, 120, 20);
    } else {
      bar.setGeometry(10, 10, 20, 120);
    }
    bar.SetMax(200);
    bar.SetPosition(170);
    bar.show();
  }

  // A MacOS bar on a plain white face, to read its bar picture and ticks.
  void SetUpPlain(TSkinTrackBar& bar, TSkinProgressBarOrientation orientation, int length) {
    bar.SetUIStyle(TSkinUIStyle::MacOS);
    bar.SetOrientation(orientation);
    bar.SetTransparent(false);
    bar.SetColor(0xFFFFFF);
    if (orientation == skinHorizontal) {
      bar.resize(length, bar.height());
    } else {
      bar.resize(bar.width(), length);
    }
    bar.show();
  }

  QPoint InWindow(QWidget& widget, int x, int y) { return widget.mapTo(&host_, QPoint(x, y)); }

  SkinManualClock clock_;  // repeat timers tick only when the test advances it
  QWidget host_;
};

TEST_F(TrackBarTest, StartsAsAnEmptyTenStepBarInTheOwnersLook) {
  TSkinTrackBar bar(&host_);
  EXPECT_EQ(bar.UIStyle(), TSkinUIStyle::DeepBlue);  // the host has no skinned form
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 10);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.PageSize(), 2);
  EXPECT_EQ(bar.LineSize(), 1);
  EXPECT_EQ(bar.Frequency(), 1);
  EXPECT_EQ(bar.Orientation(), skinHorizontal);
  EXPECT_TRUE(bar.ShowTick());
  EXPECT_TRUE(bar.TabStop());
  EXPECT_TRUE(bar.ParentColor());
  EXPECT_FALSE(bar.Transparent());
  EXPECT_EQ(RepeatTimer(bar), nullptr);
}

TEST_F(TrackBarTest, MacOSPutsTheSliderEdgeAt92ForPosition170) {
  TSkinTrackBar bar(&host_);
  SetUpPrecision(bar);
  EXPECT_EQ(bar.height(), 20);
  EXPECT_EQ(SliderOf(bar)->size(), QSize(11, 20));
  EXPECT_EQ(SliderOf(bar)->pos(), QPoint(92, 0));
  EXPECT_TRUE(SliderOf(bar)->Transparent());
}

TEST_F(TrackBarTest, ThicknessComesFromTheLooksPictures) {
  struct Case {
    TSkinUIStyle style;
    int height;  // horizontal: max(bar height, slider height)
    int width;   // vertical: max(bar height, vertical slider width)
  } const cases[] = {
      {TSkinUIStyle::MacOS, 20, 19},     {TSkinUIStyle::WinXP, 21, 22},
      {TSkinUIStyle::DeepBlue, 20, 18},  {TSkinUIStyle::Protein, 20, 18},
      {TSkinUIStyle::BlueGlass, 20, 18},
  };
  for (const Case& c : cases) {
    TSkinTrackBar bar(&host_);
    bar.SetUIStyle(c.style);
    bar.resize(100, 50);
    bar.show();
    EXPECT_EQ(bar.size(), QSize(100, c.height)) << int(c.style);
    bar.SetOrientation(skinVertical);
    bar.resize(50, 100);
    EXPECT_EQ(bar.size(), QSize(c.width, 100)) << int(c.style);
    EXPECT_FALSE(SliderOf(bar)->Transparent()) << "the vertical slider is drawn opaque";
  }
}

TEST_F(TrackBarTest, MacOSTurnsTransparentOnAndOtherLooksLeaveIt) {
  TSkinTrackBar bar(&host_);
  EXPECT_FALSE(bar.Transparent());
  bar.SetUIStyle(TSkinUIStyle::WinXP);
  EXPECT_FALSE(bar.Transparent());
  bar.SetUIStyle(TSkinUIStyle::MacOS);
  EXPECT_TRUE(bar.Transparent());
  bar.SetUIStyle(TSkinUIStyle::DeepBlue);
  EXPECT_TRUE(bar.Transparent());
}

TEST_F(TrackBarTest, NewFileThemeReappliesTheStyle) {
  TSkinTrackBar bar(&host_);
  bar.SetUIStyle(TSkinUIStyle::MacOS);
  bar.SetTransparent(false);
  auto* theme = new TSkinFileTheme;
  bar.SetFileTheme(theme);
  EXPECT_TRUE(bar.Transparent()) << "the MacOS style is chosen again";
  EXPECT_EQ(bar.FileTheme(), theme);
  bar.SetUIStyle(TSkinUIStyle::FromThemeFile);
  delete theme;
  EXPECT_EQ(bar.FileTheme(), nullptr);
  EXPECT_EQ(bar.UIStyle(), TSkinUIStyle::DeepBlue) << "a bar whose theme goes falls back";
}

TEST_F(TrackBarTest, FileThemeGivesTheBarAndSliderPictures) {
  ScratchFolder folder;
  const QString path = folder.Path(QStringLiteral("bar.skin"));
  {
    QImage bar(30, 6, QImage::Format_RGB32);
    bar.fill(Qt::darkBlue);
    QImage slider(9, 13, QImage::Format_RGB32);
    slider.fill(Qt::darkRed);
    QImage upright(15, 7, QImage::Format_RGB32);
    upright.fill(Qt::darkRed);
    TSkinThemeFileWriter writer(path);
    writer.AddFileData(SkinEntryName(28), BmpBytes(bar));
    writer.AddFileData(SkinEntryName(29), BmpBytes(slider));
    writer.AddFileData(SkinEntryName(30), BmpBytes(upright));
    writer.Save();
  }
  TSkinFileTheme theme;
  theme.SetThemeFile(path);
  TSkinTrackBar bar(&host_);
  bar.SetFileTheme(&theme);
  bar.SetUIStyle(TSkinUIStyle::FromThemeFile);
  bar.resize(100, 40);
  bar.show();
  EXPECT_EQ(bar.BarImage().size(), QSize(30, 6));
  EXPECT_EQ(SliderOf(bar)->size(), QSize(9, 13));
  EXPECT_EQ(bar.height(), 13);
  bar.SetOrientation(skinVertical);
  EXPECT_EQ(SliderOf(bar)->size(), QSize(15, 7));
  EXPECT_EQ(bar.width(), 15);
}

TEST_F(TrackBarTest, ClickOnTheBarMovesOnePageThenHoldingWalksSixATickToThePointer) {
  TSkinTrackBar bar(&host_);
  SetUpPrecision(bar);
  std::vector<int> reported;
  QObject::connect(&bar, &TSkinTrackBar::OnChange, [&] { reported.push_back(bar.Position()); });
  QCursor::setPos(bar.mapToGlobal(QPoint(60, 10)));

  QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(60, 10));  // targets 101
  EXPECT_EQ(bar.Position(), 168);
  SkinTimer* timer = RepeatTimer(bar);
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->IsActive());
  EXPECT_EQ(timer->Interval(), 100);

  clock_.Advance(99);
  EXPECT_EQ(bar.Position(), 168) << "the first step comes one interval after the press";
  clock_.Advance(251);
  EXPECT_EQ(bar.Position(), 150) << "350 ms held: three steps of 6";
  clock_.Advance(2000);
  // At 108 the slider's edge (58) has passed the pointer, so the last step lands on 101.
  EXPECT_THAT(reported,
              ElementsAreArray({168, 162, 156, 150, 144, 138, 132, 126, 120, 114, 108, 101}));

  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(60, 10));
  EXPECT_EQ(RepeatTimer(bar), nullptr);
  EXPECT_EQ(SliderOf(bar)->x(), 55);
}

TEST_F(TrackBarTest, ClickStepsOnePageButNeverPastThePointer) {
  struct Case {
    int position, pageSize, x, expected;
  } const cases[] = {
      {100, 2, 110, 102},  // right of the slider (edge 54): one page up
      {100, 2, 30, 98},    // left of it: one page down
      {170, 20, 91, 158},  // the page would pass the pixel's position (158): stop there
      {170, 20, 119, 190}, {3, 5, 0, 0},  // clamped to the range
  };
  for (const Case& c : cases) {
    TSkinTrackBar bar(&host_);
    SetUpPrecision(bar);
    bar.SetPageSize(c.pageSize);
    bar.SetPosition(c.position);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(c.x, 10));
    EXPECT_EQ(bar.Position(), c.expected) << "from " << c.position << " clicking at " << c.x;
  }
}

TEST_F(TrackBarTest, OtherButtonsOnTheBarOnlyReportTheMouseDown) {
  TSkinTrackBar bar(&host_);
  SetUpPrecision(bar);
  QSignalSpy downs(&bar, &TSkinTrackBar::OnMouseDown);
  QTest::mousePress(&bar, Qt::RightButton, {}, QPoint(20, 10));
  EXPECT_EQ(downs.count(), 1);
  EXPECT_EQ(bar.Position(), 170);
  EXPECT_EQ(RepeatTimer(bar), nullptr);
  QTest::mouseRelease(&bar, Qt::RightButton, {}, QPoint(20, 10));
}

TEST_F(TrackBarTest, LeavingTheBarWhileHoldingStopsTheRepeat) {
  TSkinTrackBar bar(&host_);
  SetUpPrecision(bar);
  QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(60, 10));
  QTest::mouseMove(&bar, QPoint(120, 20));  // the far edges still count as inside
  EXPECT_NE(RepeatTimer(bar), nullptr);
  QTest::mouseMove(&bar, QPoint(121, 10));
  EXPECT_EQ(RepeatTimer(bar), nullptr);
  clock_.Advance(500);
  EXPECT_EQ(bar.Position(), 168);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(121, 10));
}

TEST_F(TrackBarTest, HidingDisablingOrDeletingEndsTheRepeat) {
  const std::function<void(TSkinTrackBar*)> endings[] = {
      [](TSkinTrackBar* b) { b->hide(); },
      [](TSkinTrackBar* b) { b->setEnabled(false); },
      [](TSkinTrackBar* b) { delete b; },
  };
  for (const auto& end : endings) {
    auto* bar = new TSkinTrackBar(&host_);
    SetUpPrecision(*bar);
    int changes = 0;
    QObject::connect(bar, &TSkinTrackBar::OnChange, [&] { ++changes; });
    QCursor::setPos(bar->mapToGlobal(QPoint(60, 10)));
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(60, 10));
    clock_.Advance(100);
    ASSERT_EQ(changes, 2);  // the press and one tick
    end(bar);
    clock_.Advance(500);
    EXPECT_EQ(changes, 2);
    if (TSkinTrackBar* left = host_.findChild<TSkinTrackBar*>()) {
      EXPECT_EQ(RepeatTimer(*left), nullptr);
      delete left;
    }
  }
}

TEST_F(TrackBarTest, VerticalBarRepeatsOnePageATick) {
  TSkinTrackBar bar(&host_);
  SetUpPrecision(bar, skinVertical);
  EXPECT_EQ(bar.width(), 19);
  EXPECT_EQ(SliderOf(bar)->pos(), QPoint(0, 92));
  QCursor::setPos(bar.mapToGlobal(QPoint(10, 60)));
  QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(10, 60));
  EXPECT_EQ(bar.Position(), 168);
  clock_.Advance(100);
  EXPECT_EQ(bar.Position(), 166);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(10, 60));
}

TEST_F(TrackBarTest, DraggingTheSliderFollowsThePointerEvenOutsideTheBar) {
  TSkinTrackBar bar(&host_);
  SetUpPrecision(bar);
  QWindow* window = host_.windowHandle();
  QSignalSpy changes(&bar, &TSkinTrackBar::OnChange);
  QSignalSpy downs(&bar, &TSkinTrackBar::OnMouseDown);

  QTest::mousePress(window, Qt::LeftButton, {}, InWindow(bar, 95, 10));  // on the slider
  EXPECT_EQ(bar.Position(), 170);
  ASSERT_EQ(downs.count(), 1);
  EXPECT_EQ(downs[0][2].toInt(), 95) << "reported in the bar's coordinates";
  EXPECT_EQ(downs[0][3].toInt(), 10);
  EXPECT_EQ(QWidget::mouseGrabber(), &bar);
  EXPECT_EQ(RepeatTimer(bar), nullptr);

  std::vector<int> seen;
  for (QPoint to : {QPoint(70, 10), QPoint(70, 15), QPoint(200, 60), QPoint(-8, 60)}) {
    QTest::mouseMove(window, InWindow(bar, to.x(), to.y()));
    seen.push_back(bar.Position());
  }
  EXPECT_THAT(seen, ElementsAreArray({119, 119, 200, 0}));
  EXPECT_EQ(changes.count(), 3);
  EXPECT_EQ(SliderOf(bar)->pos(), QPoint(0, 0));

  QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(bar, -8, 60));
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  QTest::mouseMove(window, InWindow(bar, 60, 10));
  EXPECT_EQ(bar.Position(), 0) << "the drag ends with the release";
}

TEST_F(TrackBarTest, ClicksAndDragsTakeTheFocus) {
  host_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host_));
  TSkinTrackBar first(&host_);
  SetUpPrecision(first);
  TSkinTrackBar second(&host_);
  SetUpPrecision(second);
  second.move(10, 50);
  QTest::mouseClick(&first, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_TRUE(first.hasFocus());
  QWindow* window = host_.windowHandle();
  QTest::mousePress(window, Qt::LeftButton, {}, InWindow(second, 95, 10));
  EXPECT_TRUE(second.hasFocus());
  QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(second, 95, 10));
}

TEST_F(TrackBarTest, KeysMoveWithinTheRange) {
  struct Case {
    Qt::Key key;
    int from, expected;
  } const cases[] = {
      {Qt::Key_PageUp, 5, 3},    {Qt::Key_PageDown, 5, 7}, {Qt::Key_End, 5, 10},
      {Qt::Key_Home, 5, 0},      {Qt::Key_Left, 5, 4},     {Qt::Key_Up, 5, 4},
      {Qt::Key_Right, 5, 6},     {Qt::Key_Down, 5, 6},     {Qt::Key_PageUp, 1, 0},
      {Qt::Key_PageDown, 9, 10}, {Qt::Key_Left, 0, 0},     {Qt::Key_Down, 10, 10},
      {Qt::Key_A, 5, 5},
  };
  TSkinTrackBar bar(&host_);
  for (const Case& c : cases) {
    bar.SetPosition(c.from);
    QTest::keyClick(&bar, c.key);
    EXPECT_EQ(bar.Position(), c.expected) << "key " << c.key << " from " << c.from;
  }
  bar.SetOrientation(skinVertical);
  bar.SetPosition(5);
  QTest::keyClick(&bar, Qt::Key_Down);
  EXPECT_EQ(bar.Position(), 6) << "Down increases on a vertical bar too";
}

TEST_F(TrackBarTest, RangeChangesPullThePositionInAndReportIt) {
  struct Case {
    const char* change;
    void (*apply)(TSkinTrackBar&);
    int min, max, position, changes;
  } const cases[] = {
      {"same position", [](TSkinTrackBar& b) { b.SetPosition(5); }, 0, 10, 5, 0},
      {"new position", [](TSkinTrackBar& b) { b.SetPosition(7); }, 0, 10, 7, 1},
      {"position past Max", [](TSkinTrackBar& b) { b.SetPosition(99); }, 0, 10, 10, 1},
      {"position below Min", [](TSkinTrackBar& b) { b.SetPosition(-3); }, 0, 10, 0, 1},
      {"Max below Position", [](TSkinTrackBar& b) { b.SetMax(3); }, 0, 3, 3, 1},
      {"Max below Min", [](TSkinTrackBar& b) { b.SetMax(-5); }, 0, 0, 0, 1},
      {"Min above Position", [](TSkinTrackBar& b) { b.SetMin(8); }, 8, 10, 8, 1},
      {"Min above Max", [](TSkinTrackBar& b) { b.SetMin(20); }, 10, 10, 10, 1},
      {"Max above Position", [](TSkinTrackBar& b) { b.SetMax(20); }, 0, 20, 5, 0},
  };
  for (const Case& c : cases) {
    TSkinTrackBar bar(&host_);
    bar.SetPosition(5);
    std::vector<int> reported;
    QObject::connect(&bar, &TSkinTrackBar::OnChange, [&] { reported.push_back(bar.Position()); });
    c.apply(bar);
    EXPECT_EQ(bar.Min(), c.min) << c.change;
    EXPECT_EQ(bar.Max(), c.max) << c.change;
    EXPECT_EQ(bar.Position(), c.position) << c.change;
    EXPECT_EQ(int(reported.size()), c.changes) << c.change;
    if (!reported.empty()) {
      EXPECT_EQ(reported.back(), c.position) << c.change;
    }
  }
}

TEST_F(TrackBarTest, PageAndLineSizesMustLieWithinZeroToMax) {
  struct Case {
    int value;
    bool accepted;
  } const cases[] = {{0, true}, {7, true}, {10, true}, {11, false}, {-1, false}};
  for (const Case& c : cases) {
    TSkinTrackBar bar(&host_);
    bar.SetMax(10);
    bar.SetMin(5);  // the limit is Max itself, not the width of the range
    bar.SetPageSize(c.value);
    bar.SetLineSize(c.value);
    EXPECT_EQ(bar.PageSize(), c.accepted ? c.value : 2) << c.value;
    EXPECT_EQ(bar.LineSize(), c.accepted ? c.value : 1) << c.value;
  }
}

TEST_F(TrackBarTest, EmptyRangeKeepsTheSliderAtTheStartWithoutTicks) {
  TSkinTrackBar bar(&host_);
  SetUpPlain(bar, skinHorizontal, 100);
  bar.SetMax(5);
  bar.SetMin(5);
  EXPECT_EQ(SliderOf(bar)->x(), 0);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(80, 10));
  EXPECT_EQ(bar.Position(), 5);
  bar.clearFocus();  // the click took the focus; its rectangle would cross the tick rows
  const QImage face = Face(bar);
  for (int x = 0; x < face.width(); ++x) EXPECT_EQ(face.pixel(x, face.height() - 1), kWhite) << x;
}

TEST_F(TrackBarTest, HorizontalTicksAreThreePixelsAtTheBottomEdge) {
  TSkinTrackBar bar(&host_);
  SetUpPlain(bar, skinHorizontal, 150);  // the brush-size bar: 1..62 every 5
  bar.SetMax(62);
  bar.SetMin(1);
  bar.SetFrequency(5);
  // Positions 1, 6, ..., 61 and 62 under the 11-pixel slider's centre: 139 * (i - 1) div 61 + 5.
  const std::set<int> tickColumns = {5, 16, 27, 39, 50, 61, 73, 84, 96, 107, 118, 130, 141, 144};
  const QImage face = Face(bar);
  const int h = face.height();
  for (int x = 0; x < face.width(); ++x) {
    const bool tick = tickColumns.count(x) > 0;
    for (int y = h - 3; y < h; ++y) {
      EXPECT_EQ(face.pixel(x, y) == kBlack, tick) << x << "," << y;
    }
    EXPECT_EQ(face.pixel(x, h - 4), kWhite) << x;
  }
}

TEST_F(TrackBarTest, VerticalTicksAreDrawnOnBothSides) {
  TSkinTrackBar bar(&host_);
  SetUpPlain(bar, skinVertical, 100);
  bar.SetFrequency(5);  // 0, 5 and 10
  const QImage face = Face(bar);
  const int w = face.width();
  const std::set<int> tickRows = {5, 49, 94};  // 89 * i div 10 + 5 for 0, 5 and 10
  for (int y = 0; y < face.height(); ++y) {
    const bool tick = tickRows.count(y) > 0;
    for (int x : {0, 1, 2, w - 3, w - 2, w - 1}) {
      EXPECT_EQ(face.pixel(x, y) == kBlack, tick) << x << "," << y;
    }
    EXPECT_EQ(face.pixel(3, y), kWhite) << y;
  }
}

TEST_F(TrackBarTest, NoTicksWhenShowTickIsOff) {
  TSkinTrackBar bar(&host_);
  SetUpPlain(bar, skinHorizontal, 100);
  bar.SetShowTick(false);
  const QImage face = Face(bar);
  for (int x = 0; x < face.width(); ++x) EXPECT_EQ(face.pixel(x, face.height() - 1), kWhite) << x;
}

// The bar's caps keep their size at both ends; its magenta shows the face colour.
QRgb Keyed(QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFF00FF ? kWhite : pixel | 0xFF000000; }

TEST_F(TrackBarTest, HorizontalBarKeepsItsCapsAndStretchesItsMiddle) {
  TSkinTrackBar bar(&host_);
  SetUpPlain(bar, skinHorizontal, 150);
  bar.SetShowTick(false);
  const QImage source = LoadSkinResource("MACOS_TRACKBAR_BAR");
  ASSERT_EQ(source.size(), QSize(45, 5));
  const QImage face = Face(bar);
  const int top = (face.height() - 5) / 2;
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 15; ++x) {
      EXPECT_EQ(face.pixel(x, top + y), Keyed(source.pixel(x, y))) << x << "," << y;
      EXPECT_EQ(face.pixel(135 + x, top + y), Keyed(source.pixel(30 + x, y))) << x << "," << y;
    }
    std::set<QRgb> middle;
    for (int x = 15; x < 30; ++x) middle.insert(Keyed(source.pixel(x, y)));
    for (int x = 15; x < 135; ++x) EXPECT_EQ(middle.count(face.pixel(x, top + y)), 1u) << x;
  }
  EXPECT_EQ(face.pixel(20, top - 1), kWhite);
  EXPECT_EQ(face.pixel(20, top + 5), kWhite);
}

TEST_F(TrackBarTest, VerticalBarIsTheHorizontalOneTurnedAnticlockwise) {
  TSkinTrackBar bar(&host_);
  SetUpPlain(bar, skinVertical, 100);
  bar.SetShowTick(false);
  const QImage source = LoadSkinResource("MACOS_TRACKBAR_BAR");
  const QImage face = Face(bar);
  const int left = (face.width() - 5) / 2;
  const int h = face.height();
  // Turning anticlockwise puts the left cap at the bottom, read upward.
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 15; ++x) {
      EXPECT_EQ(face.pixel(left + y, h - 1 - x), Keyed(source.pixel(x, y))) << x << "," << y;
      EXPECT_EQ(face.pixel(left + y, 14 - x), Keyed(source.pixel(30 + x, y))) << x << "," << y;
    }
  }
  EXPECT_EQ(face.pixel(left - 1, 50), kWhite);
  EXPECT_EQ(face.pixel(left + 5, 50), kWhite);
}

TEST_F(TrackBarTest, FocusRectangleOnlyWithTabStop) {
  host_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host_));
  TSkinTrackBar bar(&host_);
  SetUpPlain(bar, skinHorizontal, 100);
  bar.SetShowTick(false);
  bar.setFocus();
  ASSERT_TRUE(bar.hasFocus());
  QImage face = Face(bar);
  EXPECT_EQ(face.pixel(0, 0), kBlack) << "every other outline pixel inverted";
  EXPECT_EQ(face.pixel(1, 0), kWhite);
  EXPECT_EQ(face.pixel(2, 0), kBlack);
  EXPECT_EQ(face.pixel(0, 2), kBlack);
  bar.SetTabStop(false);
  face = Face(bar);
  EXPECT_EQ(face.pixel(0, 0), kWhite);
  EXPECT_EQ(face.pixel(2, 0), kWhite);
}

TEST_F(TrackBarTest, ScrollTrackShowsItsUsersPicturesAndNeverTakesTheFocus) {
  host_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host_));
  auto* track = new TSkinScrollTrackBar(&host_);
  EXPECT_FALSE(track->TabStop());
  EXPECT_EQ(track->focusPolicy(), Qt::NoFocus);
  track->SetUIStyle(TSkinUIStyle::MacOS);
  EXPECT_TRUE(track->BarImage().isNull()) << "the look's pictures are never loaded";
  EXPECT_TRUE(track->SliderImage().isNull());

  QImage thumb(7, 9, QImage::Format_RGB32);
  thumb.fill(Qt::blue);
  track->SetSliderImage(thumb);
  track->UpdateSliderSize();
  track->setGeometry(10, 10, 120, 9);
  track->SetMax(100);
  track->show();
  EXPECT_EQ(SliderOf(*track)->size(), QSize(7, 9));
  EXPECT_FALSE(SliderOf(*track)->Transparent());

  QTest::mouseClick(track, Qt::LeftButton, {}, QPoint(100, 4));
  EXPECT_EQ(track->Position(), 2) << "clicks still step one page";
  EXPECT_FALSE(track->hasFocus());

  EXPECT_TRUE(track->SliderVisible());
  track->SetSliderVisible(false);
  EXPECT_FALSE(track->SliderVisible());
  EXPECT_TRUE(SliderOf(*track)->isHidden());
}

}  // namespace
