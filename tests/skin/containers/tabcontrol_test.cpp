// The tab control: its strip drawn pixel for pixel (tabs, line, cut tab, scroll buttons, tabs
// at the bottom), its body and colours, choosing tabs with the mouse and by code, and the
// events that tell about it.
#include "skin/containers/tabcontrol.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "skin/buttons/checkbox.h"
#include "skin/paint/keyedpicture_p.h"
#include "skin/paint/slicing_p.h"
#include "skin/paint/turns_p.h"
#include "tests/skin/support/control_picture_fixture.h"

namespace {

constexpr QRgb kMacBorder = 0xFF7F7F7F;
constexpr int kStripHeight = 34;  // MacOS: 27-pixel tabs over a 7-pixel line

QImage Entry(TSkinUIStyle style, int entry, int frameCount = 0, int frame = 0) {
  QImage picture;
  GetInsideThemeBitmap(style, entry, &picture, frameCount, frame);
  return picture;
}

struct ExpectedTab {
  int left, right;
  bool active;
};

// The MacOS strip as it should look over the form: line, side lines, tabs; tabs at the bottom
// use the pictures turned half round, mirrored top to bottom.
QImage ExpectedStrip(int width, const std::vector<ExpectedTab>& tabs, bool bottom = false) {
  QImage strip(width, kStripHeight, QImage::Format_RGB32);
  strip.fill(kFormColour);
  QImage line = Entry(TSkinUIStyle::MacOS, 40);
  QImage active = Entry(TSkinUIStyle::MacOS, 39, 2, 1);
  QImage inactive = Entry(TSkinUIStyle::MacOS, 39, 2, 2);
  if (bottom) {
    for (QImage* picture : {&line, &active, &inactive}) RoundPicture2(*picture);
  }
  QPainter canvas(&strip);
  const int lineTop = bottom ? 0 : 27;
  canvas.drawImage(1, lineTop,
                   line.scaled(width - 2, 7, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  canvas.fillRect(0, lineTop, 1, 7, QColor::fromRgb(kMacBorder));
  canvas.fillRect(width - 1, lineTop, 1, 7, QColor::fromRgb(kMacBorder));
  for (const ExpectedTab& tab : tabs) {
    const int top = bottom ? (tab.active ? 6 : 7) : (tab.active ? 1 : 0);
    SpitDrawHorizontal(tab.active ? active : inactive, canvas,
                       QRect(tab.left, top, tab.right - tab.left, 27), false, false);
  }
  return strip;
}

// Every pixel but the captions' matches.
testing::AssertionResult SameButCaptions(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size()) return testing::AssertionFailure() << "sizes differ";
  int differences = 0;
  QPoint first;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.pixel(x, y) == kTextColour || actual.pixel(x, y) == expected.pixel(x, y)) continue;
      if (differences++ == 0) first = {x, y};
    }
  }
  if (differences == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << differences << " pixels differ, the first at (" << first.x()
                                     << ", " << first.y() << ")";
}

class TabControlTest : public ControlPictureTest {
 protected:
  void SetUp() override {
    ControlPictureTest::SetUp();
    form.resize(340, 220);
    tabs_ = Place(new TSkinTabControl(&form), {288, 157});
    tabs_->SetUIStyle(TSkinUIStyle::MacOS);
    strip_ = tabs_->findChild<TSkinTabControlTopPanel*>();
    ASSERT_NE(strip_, nullptr);
  }

  QImage Strip() { return Render(tabs_).copy(0, 0, tabs_->width(), kStripHeight); }
  int TabWidth(const QString& caption) {
    return QFontMetrics(tabs_->Font()).horizontalAdvance(caption) + 20;
  }
  QPoint OnForm(int x, int y) { return strip_->mapTo(&form, QPoint(x, y)); }
  void ClickStrip(int x, int y) {
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, OnForm(x, y));
  }
  void MoveOverStrip(int x, int y) { QTest::mouseMove(form.windowHandle(), OnForm(x, y)); }

  TSkinTabControl* tabs_ = nullptr;
  TSkinTabControlTopPanel* strip_ = nullptr;
};

TEST_F(TabControlTest, ShortTabsStandFromTheLeftMarginTheActiveOneLower) {
  tabs_->SetTabs({"", "Sketch"});
  tabs_->SetTabIndex(0);
  const int second = 90 + TabWidth("Sketch");
  const QImage strip = Strip();
  EXPECT_TRUE(SameButCaptions(strip, ExpectedStrip(288, {{10, 90, true}, {90, second, false}})))
      << "an empty caption makes an 80-pixel tab; no scroll buttons";
  const QRect caption = Bounds(PixelsOf(strip, kTextColour));
  EXPECT_GT(caption.left(), 90);
  EXPECT_LT(caption.right(), second);
  EXPECT_LE(std::abs((caption.left() - 90) - (second - 1 - caption.right())), 2) << "centred";

  tabs_->SetTabIndex(1);
  EXPECT_TRUE(SameButCaptions(Strip(), ExpectedStrip(288, {{10, 90, false}, {90, second, true}})));
}

TEST_F(TabControlTest, ChildrenGetTheBodyLessThreePixels) {
  EXPECT_EQ(strip_->geometry(), QRect(0, 0, 288, kStripHeight));
  EXPECT_EQ(tabs_->contentsRect(), QRect(QPoint(3, 37), QPoint(284, 153))) << "(3, 37, 285, 154)";
  tabs_->SetTabPosition(skinBottom);
  EXPECT_EQ(strip_->geometry(), QRect(0, 157 - kStripHeight, 288, kStripHeight));
  EXPECT_EQ(tabs_->contentsRect(), QRect(QPoint(3, 3), QPoint(284, 119)));
  tabs_->resize(300, 200);
  EXPECT_EQ(strip_->geometry(), QRect(0, 200 - kStripHeight, 300, kStripHeight))
      << "the strip follows the edge";
}

TEST_F(TabControlTest, TabsAtTheBottomAreTurnedAndChosenThere) {
  tabs_->SetTabs({"", ""});
  tabs_->SetTabIndex(0);
  tabs_->SetTabPosition(skinBottom);
  EXPECT_TRUE(SameButCaptions(Render(tabs_).copy(0, 157 - kStripHeight, 288, kStripHeight),
                              ExpectedStrip(288, {{10, 90, true}, {90, 170, false}}, true)));
  ClickStrip(120, 3);
  EXPECT_EQ(tabs_->TabIndex(), 0) << "the line is no tab";
  ClickStrip(120, 30);
  EXPECT_EQ(tabs_->TabIndex(), 1);
}

TEST_F(TabControlTest, BodyIsFramedOnThreeSidesInEveryLook) {
  struct Case {
    TSkinUIStyle style;
    TColor border, body, strip;
  } const cases[] = {
      {TSkinUIStyle::MacOS, 0x7F7F7F, 0xE7E7E7, 0xE7E7E7},
      {TSkinUIStyle::WinXP, 0x686868, 0xFFFFFF, 0xDEEBEF},
      {TSkinUIStyle::DeepBlue, 0x000000, 0xE8E8E8, 0xE8E8E8},
      {TSkinUIStyle::Protein, 0x000000, 0xFBFBFB, 0xFBFBFB},
      {TSkinUIStyle::BlueGlass, 0x000000, 0xE7E7E7, 0xE7E7E7},
  };
  auto* child = new TSkinCheckBox(tabs_);
  child->hide();  // kept out of the picture
  for (const Case& c : cases) {
    tabs_->SetUIStyle(c.style);
    EXPECT_EQ(tabs_->BorderColor(), c.border) << int(c.style);
    EXPECT_EQ(tabs_->Color(), c.body) << int(c.style);
    EXPECT_EQ(child->Color(), c.body) << "a child following its parent's colour shows the body's";
    EXPECT_EQ(strip_->Color(), c.strip) << int(c.style);
    const QImage shown = Render(tabs_);
    const int top = strip_->height();
    const QRgb border = ToQColor(c.border).rgb();
    const QRgb body = ToQColor(c.body).rgb();
    for (int y = top; y < 157; ++y) {
      ASSERT_EQ(shown.pixel(0, y), border) << y;
      ASSERT_EQ(shown.pixel(287, y), border) << y;
      for (int x = 1; x < 287; ++x)
        ASSERT_EQ(shown.pixel(x, y), y == 156 ? border : body) << x << "," << y;
    }
  }
}

// Five 80-pixel tabs from x = 50: the third crosses 250, where the scroll buttons start.
class CutTabTest : public TabControlTest {
 protected:
  void SetUp() override {
    TabControlTest::SetUp();
    tabs_->SetLeftMargin(50);
    tabs_->SetTabs({"", "", "Cut caption", "", ""});
    tabs_->SetTabIndex(0);
  }

  QImage Button(int frame) {
    const QImage picture = Entry(TSkinUIStyle::MacOS, 38, 4, frame);
    QImage shown(picture.size(), QImage::Format_RGB32);
    shown.fill(kFormColour);
    QPainter(&shown).drawImage(0, 0, KeyedPicture(picture, SkinKeyPixel::BottomLeft));
    return shown;
  }
  bool ButtonsShow(int next, int previous) {
    const QImage strip = Strip();
    return strip.copy(268, 6, 18, 18) == Button(next) &&
           strip.copy(250, 6, 18, 18) == Button(previous);
  }
};

TEST_F(CutTabTest, CrossingTabIsCutAtTheScrollButtonsItsCaptionLeftAligned) {
  QImage expected = ExpectedStrip(288, {{50, 130, true}, {130, 210, false}, {210, 250, false}});
  const QImage strip = Strip();
  EXPECT_TRUE(
      SameButCaptions(strip.copy(0, 0, 250, kStripHeight), expected.copy(0, 0, 250, kStripHeight)));
  EXPECT_TRUE(ButtonsShow(1, 3));
  const QRect caption = Bounds(PixelsOf(strip, kTextColour));
  EXPECT_GE(caption.left(), 220);
  EXPECT_LE(caption.left(), 222) << "10 pixels in from the tab's left";
  EXPECT_LE(caption.right(), 245) << "stops 4 pixels before the cut";
}

TEST_F(CutTabTest, NextButtonScrollsOneTabAndLightsUnderThePointer) {
  MoveOverStrip(277, 14);
  EXPECT_TRUE(ButtonsShow(2, 3));
  MoveOverStrip(255, 14);
  EXPECT_TRUE(ButtonsShow(1, 4));

  ClickStrip(277, 14);
  EXPECT_EQ(tabs_->TabIndex(), 0) << "scrolling chooses nothing";
  ClickStrip(60, 14);
  EXPECT_EQ(tabs_->TabIndex(), 1) << "the second tab now stands first";
  ClickStrip(259, 14);
  ClickStrip(60, 14);
  EXPECT_EQ(tabs_->TabIndex(), 0) << "the previous button scrolls back";
}

TEST_F(CutTabTest, ChoosingATabBringsItIntoFullView) {
  tabs_->SetTabIndex(4);
  ClickStrip(140, 14);
  EXPECT_EQ(tabs_->TabIndex(), 4) << "the last tab stands second, after the fourth";
  tabs_->SetTabIndex(0);
  ClickStrip(60, 14);
  EXPECT_EQ(tabs_->TabIndex(), 0) << "a tab scrolled off to the left comes back";
  ClickStrip(230, 14);
  EXPECT_EQ(tabs_->TabIndex(), 2) << "the cut tab takes clicks";
  ClickStrip(140, 14);
  EXPECT_EQ(tabs_->TabIndex(), 2) << "it was scrolled into full view, from x = 130";
}

TEST_F(TabControlTest, ATabChosenBeforeTheControlHasItsWidthIsShownAsAtThatWidth) {
  auto* early = new TSkinTabControl(&form);
  early->SetUIStyle(TSkinUIStyle::MacOS);
  early->SetTabs({"", "", ""});
  early->SetTabIndex(1);  // cut at the first width, 185
  tabs_ = Place(early, {288, 157}, {20, 30});
  strip_ = early->findChild<TSkinTabControlTopPanel*>();
  ClickStrip(50, 14);
  EXPECT_EQ(early->TabIndex(), 0) << "the first tab still stands first";
}

TEST_F(TabControlTest, EveryOneOfManyTabsCanBeChosenWithTheMouse) {
  tabs_->SetTabs(QStringList(70, QString()));
  tabs_->SetTabIndex(66);
  for (int i = 0; i < 3; ++i) ClickStrip(277, 14);
  ClickStrip(200, 14);
  EXPECT_EQ(tabs_->TabIndex(), 69);
  ClickStrip(50, 14);
  EXPECT_EQ(tabs_->TabIndex(), 67);
}

// Records what the control reported, in order.
struct Reports {
  explicit Reports(TSkinTab* tabs) {
    QObject::connect(tabs, &TSkinTab::OnChanging, [this](bool& allow) {
      log.push_back("changing");
      allow = allow && !refuse;
    });
    QObject::connect(tabs, &TSkinTab::OnTabActive,
                     [this](int index) { log.push_back("active " + std::to_string(index)); });
    QObject::connect(tabs, &TSkinTab::OnChange, [this] { log.push_back("change"); });
  }
  std::vector<std::string> log;
  bool refuse = false;
};

TEST_F(TabControlTest, MouseChoiceAsksOnChangingFirst) {
  tabs_->SetTabs({"", ""});
  tabs_->SetTabIndex(0);
  Reports reports(tabs_);

  ClickStrip(50, 14);
  EXPECT_TRUE(reports.log.empty()) << "the active tab again raises nothing";

  reports.refuse = true;
  ClickStrip(130, 14);
  EXPECT_EQ(tabs_->TabIndex(), 0);
  EXPECT_EQ(reports.log, (std::vector<std::string>{"changing"}));

  reports.refuse = false;
  reports.log.clear();
  ClickStrip(130, 14);
  EXPECT_EQ(tabs_->TabIndex(), 1);
  EXPECT_EQ(reports.log, (std::vector<std::string>{"changing", "active 1", "change"}));

  reports.log.clear();
  tabs_->SetTabIndex(0);
  EXPECT_EQ(reports.log, (std::vector<std::string>{"active 0", "change"})) << "code never asks";
}

TEST_F(TabControlTest, TabIndexOutsideTheTabsIsIgnoredAndMinusOneLeavesNoTabActive) {
  tabs_->SetTabs({"", ""});
  tabs_->SetTabIndex(1);
  Reports reports(tabs_);
  for (int index : {2, -2}) {
    tabs_->SetTabIndex(index);
    EXPECT_EQ(tabs_->TabIndex(), 1);
  }
  EXPECT_TRUE(reports.log.empty());
  tabs_->SetTabIndex(-1);
  EXPECT_EQ(tabs_->TabIndex(), -1);
  EXPECT_TRUE(SameButCaptions(Strip(), ExpectedStrip(288, {{10, 90, false}, {90, 170, false}})));
  tabs_->SetTabs({});
  EXPECT_EQ(tabs_->TabIndex(), -1);
}

TEST_F(TabControlTest, ClicksOnTheStripAreTheControlsClicks) {
  QSignalSpy clicks(tabs_, &TSkinTab::OnClick);
  QSignalSpy doubleClicks(tabs_, &TSkinTab::OnDblClick);
  ClickStrip(200, 10);
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, tabs_->mapTo(&form, QPoint(100, 100)));
  EXPECT_EQ(clicks.count(), 2) << "and so are clicks on the body";
  QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, OnForm(200, 10));
  EXPECT_EQ(doubleClicks.count(), 1);
}

}  // namespace
