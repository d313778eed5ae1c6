// The caption-bar panel: its look, the fold animation, the fold button under the mouse, and
// the unfolded height it keeps while folded.
#include "skin/containers/panel.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "sketch/errors.h"
#include "skin/bars/trackbar.h"
#include "skin/look/themefilewriter.h"
#include "skin/paint/slicing_p.h"
#include "tests/skin/support/themefilebytes.h"
#include "tests/skin/support/themepicture.h"

namespace {

// Records every height the panel passes through.
class HeightLog : public QObject {
 public:
  explicit HeightLog(QWidget* watched) { watched->installEventFilter(this); }
  std::vector<int> heights;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize)
      heights.push_back(static_cast<QWidget*>(watched)->height());
    return false;
  }
};

QImage FoldButtonFrame(int k) {
  QImage frame;
  SpitBitmap(LoadSkinResource("PANEL_BUTTON"), frame, 4, k);
  return frame.convertToFormat(QImage::Format_RGB32);
}

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.resize(300, 200);
    panel_ = new TSkinPanel(&host_);
    panel_->SetUIStyle(TSkinUIStyle::MacOS);
    panel_->move(20, 20);
    host_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));
  }

  QImage Shown() { return panel_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // Whether the fold button's picture at (83, 4) is frame k of PANEL_BUTTON.
  bool ShowsFrame(int k) {
    const QImage frame = FoldButtonFrame(k);
    return Shown().copy(QRect(QPoint(83, 4), frame.size())) == frame;
  }

  QPoint At(int x, int y) { return panel_->mapTo(&host_, QPoint(x, y)); }
  void MoveTo(int x, int y) { QTest::mouseMove(host_.windowHandle(), At(x, y)); }
  void ClickAt(int x, int y) {
    QTest::mouseClick(host_.windowHandle(), Qt::LeftButton, {}, At(x, y));
  }

  QWidget host_;
  TSkinPanel* panel_ = nullptr;
};

TEST_F(PanelTest, LookSetsTheColoursAndTheCaptionBar) {
  struct Case {
    TSkinUIStyle style;
    TColor border, captionFont;
    int barHeight;
  } const cases[] = {
      {TSkinUIStyle::MacOS, 0x7F7F7F, 0x000000, 21},
      {TSkinUIStyle::WinXP, 0x686868, 0x000000, 21},
      {TSkinUIStyle::DeepBlue, 0x000000, 0xFFFFFF, 20},
      {TSkinUIStyle::Protein, 0x000000, 0xFFFFFF, 21},
      {TSkinUIStyle::BlueGlass, 0x000000, 0xFFFFFF, 21},
  };
  for (const Case& c : cases) {
    TSkinPanel panel(&host_);
    panel.SetColor(0x123456);
    panel.SetUIStyle(c.style);
    EXPECT_EQ(panel.size(), QSize(100, 100));
    EXPECT_EQ(panel.Color(), 0xFFFFFFu) << int(c.style);
    EXPECT_EQ(panel.BorderColor(), c.border) << int(c.style);
    EXPECT_EQ(panel.CaptionFontColor(), c.captionFont) << int(c.style);
    EXPECT_EQ(panel.contentsRect(), QRect(3, c.barHeight + 3, 94, 100 - c.barHeight - 6))
        << "children sit below the caption bar, 3 pixels in";
  }
}

TEST_F(PanelTest, PaintsBorderCaptionBarAndFace) {
  panel_->SetShowButton(false);
  const QImage bar = LoadSkinResource("MACOS_SIDECHENNEL_BAR");
  ASSERT_EQ(bar.size(), QSize(1, 21));
  const QImage shown = Shown();
  const QRgb border = 0xFF7F7F7F;
  for (int y = 0; y < 100; ++y) {
    EXPECT_EQ(shown.pixel(0, y), border) << y;
    EXPECT_EQ(shown.pixel(99, y), border) << y;
    for (int x = 1; x < 99; ++x) {
      const QRgb expected = y < 21 ? bar.pixel(0, y) : y == 99 ? border : 0xFFFFFFFF;
      ASSERT_EQ(shown.pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(PanelTest, FoldingStepsByFifteenAndKeepsTheFullHeight) {
  HeightLog log(panel_);
  QSignalSpy pushes(panel_, &TSkinPanel::OnPush);
  QSignalSpy pops(panel_, &TSkinPanel::OnPop);

  panel_->Push();
  EXPECT_EQ(log.heights, (std::vector<int>{85, 70, 55, 40, 25, 21}));
  EXPECT_TRUE(panel_->Pushed());
  EXPECT_EQ(panel_->Height(), 100);
  EXPECT_EQ(pushes.count(), 1);

  log.heights.clear();
  panel_->Pop();
  EXPECT_EQ(log.heights, (std::vector<int>{36, 51, 66, 81, 96, 100}));
  EXPECT_FALSE(panel_->Pushed());
  EXPECT_EQ(pops.count(), 1);
}

// The animation lets the event loop run between steps; what runs there must not break it.
TEST_F(PanelTest, UnfoldingAskedForDuringTheFoldWaitsItsTurn) {
  QSignalSpy pops(panel_, &TSkinPanel::OnPop);
  QMetaObject::invokeMethod(
      panel_, [this] { panel_->Pop(); }, Qt::QueuedConnection);
  panel_->Push();
  EXPECT_TRUE(panel_->Pushed());
  EXPECT_EQ(panel_->height(), 21);
  EXPECT_EQ(panel_->Height(), 100) << "the unfolded height survives";
  EXPECT_EQ(pops.count(), 0);
  panel_->Pop();
  EXPECT_EQ(panel_->height(), 100);
}

TEST_F(PanelTest, PanelDeletedDuringTheFoldEndsTheAnimation) {
  QPointer<TSkinPanel> panel = panel_;
  QMetaObject::invokeMethod(
      &host_, [this] { delete panel_; }, Qt::QueuedConnection);
  panel_->Push();
  EXPECT_TRUE(panel.isNull());
}

TEST_F(PanelTest, HeightSetWhileFoldedWaitsForTheUnfolding) {
  panel_->resize(100, 120);
  EXPECT_EQ(panel_->Height(), 120) << "the unfolded height follows resizing";
  panel_->Push();
  panel_->SetHeight2(150);
  EXPECT_EQ(panel_->height(), 21);
  EXPECT_EQ(panel_->Height(), 150);
  panel_->Pop();
  EXPECT_EQ(panel_->height(), 150);
}

TEST_F(PanelTest, PanelsDockedToTheClientAreaOrASideRefuseToFold) {
  for (TAlign align : {alClient, alLeft, alRight}) {
    panel_->SetAlign(align);
    try {
      panel_->Push();
      ADD_FAILURE() << "folded with Align " << int(align);
    } catch (const graphitine::Error& error) {
      EXPECT_STREQ(error.what(), "Can't push when Align is alClient, alLeft or alRight.");
    }
    EXPECT_FALSE(panel_->Pushed());
    EXPECT_EQ(panel_->height(), 100);
  }
  panel_->SetAlign(alTop);
  panel_->Push();
  EXPECT_TRUE(panel_->Pushed());
}

TEST_F(PanelTest, FoldButtonLightsUnderThePointerAndFoldsOnClick) {
  EXPECT_TRUE(ShowsFrame(1));
  MoveTo(88, 10);
  EXPECT_TRUE(ShowsFrame(2));

  ClickAt(88, 10);
  EXPECT_TRUE(panel_->Pushed());
  EXPECT_EQ(panel_->height(), 21);
  EXPECT_TRUE(ShowsFrame(4));
  MoveTo(50, 10);
  EXPECT_TRUE(ShowsFrame(3));

  ClickAt(82, 4);  // the hit rectangle's edges count
  EXPECT_FALSE(panel_->Pushed());
  EXPECT_EQ(panel_->height(), 100);

  for (QPoint outside : {QPoint(81, 10), QPoint(96, 10), QPoint(88, 3), QPoint(88, 17)}) {
    ClickAt(outside.x(), outside.y());
    EXPECT_FALSE(panel_->Pushed()) << outside.x() << "," << outside.y();
  }
}

TEST_F(PanelTest, NoFoldButtonWhenHiddenOrDockedSideways) {
  const QImage bar = LoadSkinResource("MACOS_SIDECHENNEL_BAR");
  struct Case {
    bool showButton;
    TAlign align;
  } const cases[] = {{false, alNone}, {true, alLeft}, {true, alClient}};
  for (const Case& c : cases) {
    panel_->SetShowButton(c.showButton);
    panel_->SetAlign(c.align);
    EXPECT_EQ(Shown().pixel(88, 10), bar.pixel(0, 10)) << "only the bar shows there";
    ClickAt(88, 10);
    EXPECT_FALSE(panel_->Pushed());
  }
}

// A theme file with a 7-pixel caption bar, a border colour and a control text colour.
std::unique_ptr<TSkinFileTheme> LoadTheme(const ScratchFolder& folder, TColor controlFont) {
  const QString path = folder.Path(QStringLiteral("panel.skin"));
  {
    QImage bar(1, 7, QImage::Format_RGB32);
    bar.fill(Qt::darkGreen);
    TSkinThemeFileWriter writer(path);
    writer.AddFileData(SkinEntryName(42), BmpBytes(bar));
    writer.AddInteger(SkinEntryName(25), 0x112233);
    writer.AddInteger(SkinEntryName(27), static_cast<std::int32_t>(controlFont));
    writer.Save();
  }
  auto theme = std::make_unique<TSkinFileTheme>();
  theme->SetThemeFile(path);
  return theme;
}

TEST_F(PanelTest, FileThemeRestylesOnlyAPanelThatTakesItsLookFromThemeFiles) {
  ScratchFolder folder;
  std::unique_ptr<TSkinFileTheme> theme = LoadTheme(folder, 0x7A5316);
  ASSERT_TRUE(theme->CanUse());

  panel_->SetFileTheme(theme.get());
  EXPECT_EQ(panel_->BorderColor(), 0x7F7F7Fu) << "a MacOS panel keeps its look";
  EXPECT_EQ(panel_->contentsRect().top(), 24);

  panel_->SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(panel_->BorderColor(), 0x112233u);
  EXPECT_EQ(panel_->CaptionFontColor(), 0x000000u);
  EXPECT_EQ(panel_->contentsRect().top(), 10) << "children sit below the theme's 7-pixel bar";
  panel_->Push();
  EXPECT_EQ(panel_->height(), 7);
}

TEST_F(PanelTest, ThemeCaptionTextIsBlackOnlyForTheDarkControlColours) {
  struct Case {
    TColor controlFont, captionFont;
  } const cases[] = {
      {0x20000, 0x000000},  {0x30000, 0x000000},  {0x40000, 0x000000},  {0x50000, 0x000000},
      {0x7A5316, 0x000000}, {0x22630F, 0x000000}, {0x000000, 0xFFFFFF}, {0xCF4602, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    std::unique_ptr<TSkinFileTheme> theme = LoadTheme(folder, c.controlFont);
    TSkinPanel panel(&host_);
    panel.SetUIStyle(TSkinUIStyle::FromThemeFile);
    panel.SetFileTheme(theme.get());
    EXPECT_EQ(panel.CaptionFontColor(), c.captionFont) << std::hex << c.controlFont;
  }
}

TEST_F(PanelTest, LosingTheFileThemeTurnsThePanelAndItsChildrenToDeepBlue) {
  ScratchFolder folder;
  std::unique_ptr<TSkinFileTheme> theme = LoadTheme(folder, 0x000000);
  auto* child = new TSkinTrackBar(panel_);
  child->SetUIStyle(TSkinUIStyle::MacOS);
  panel_->SetUIStyle(TSkinUIStyle::FromThemeFile);
  panel_->SetFileTheme(theme.get());
  theme.reset();
  EXPECT_EQ(panel_->FileTheme(), nullptr);
  EXPECT_EQ(panel_->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(panel_->BorderColor(), 0x000000u);
  EXPECT_EQ(panel_->contentsRect().top(), 23) << "DeepBlue's bar is 20 high";
  EXPECT_EQ(child->UIStyle(), TSkinUIStyle::DeepBlue);
}

}  // namespace
