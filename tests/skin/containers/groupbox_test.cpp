// The group box: its frame with the caption's gap drawn pixel for pixel, the caption's colour,
// where its children go, and its look.
#include "skin/containers/groupbox.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "skin/buttons/checkbox.h"
#include "tests/skin/support/control_picture_fixture.h"

namespace {

constexpr QRgb kBorder = 0xFF7F7F7F;

class GroupBoxTest : public ControlPictureTest {
 protected:
  void SetUp() override {
    ControlPictureTest::SetUp();
    form.resize(420, 200);
    box_ = new TSkinGroupBox(&form);
    box_->SetUIStyle(TSkinUIStyle::MacOS);
    QFont font = box_->font();
    font.setPixelSize(11);  // the mail dialog's font height, -11
    font.setStyleStrategy(QFont::NoAntialias);
    box_->setFont(font);
    box_->SetTransparent(true);  // the form shows wherever the box draws nothing
    box_->setGeometry(20, 20, 369, 49);
    box_->show();
  }

  int CaptionWidth() { return QFontMetrics(box_->font()).horizontalAdvance(box_->Caption()); }

  TSkinGroupBox* box_ = nullptr;
};

TEST_F(GroupBoxTest, FrameRunsAtHalfTheFontHeightWithAGapForTheCaption) {
  box_->SetCaption(QString::fromUtf8("-连同附件内容一起-"));
  const int gapEnd = 6 + CaptionWidth();
  const QImage shown = Render(box_);
  const QRgb caption = ToQColor(0x000000).rgb();
  for (int y = 0; y < 49; ++y) {
    for (int x = 0; x < 369; ++x) {
      const bool top = y == 6 && (x <= 2 || x > gapEnd);
      const bool sides = y >= 6 && (x == 0 || x == 368);
      const bool bottom = y == 48;
      const QRgb pixel = shown.pixel(x, y);
      if (pixel == caption && !(top || sides || bottom)) continue;
      if (top || sides || bottom) {
        ASSERT_EQ(pixel, kBorder) << x << "," << y;
      } else if (y == 6 && x >= 3) {
        ASSERT_NE(pixel, kBorder) << "the gap " << x;
      } else if (y > 6 || x > gapEnd) {
        ASSERT_EQ(pixel, kFormColour) << x << "," << y;
      }
    }
  }
  const QRect text = Bounds(PixelsOf(shown, caption));
  EXPECT_GE(text.left(), 5);
  EXPECT_LE(text.right(), gapEnd);
  EXPECT_EQ(box_->contentsRect(), QRect(QPoint(3, 16), QPoint(365, 45)))
      << "children from |-11| + 5 = 16";
}

TEST_F(GroupBoxTest, WithoutCaptionTheTopLineIsWhole) {
  const QImage shown = Render(box_);
  for (int x = 0; x < 369; ++x) ASSERT_EQ(shown.pixel(x, 6), kBorder) << x;
}

TEST_F(GroupBoxTest, RightToLeftTheCaptionSitsAtTheRight) {
  box_->SetCaption("Attachment");
  box_->setLayoutDirection(Qt::RightToLeft);
  const int gapStart = 369 - CaptionWidth() - 7;
  const QImage shown = Render(box_);
  for (int x = 1; x < 369; ++x) {
    const bool drawn = x < gapStart || x >= 366;
    ASSERT_EQ(shown.pixel(x, 6) == kBorder, drawn) << x;
  }
  EXPECT_EQ(shown.pixel(0, 20), kFormColour) << "the left line stands one pixel in";
  EXPECT_EQ(shown.pixel(1, 20), kBorder);
  EXPECT_GE(Bounds(PixelsOf(shown, 0xFF000000)).left(), 369 - CaptionWidth() - 6);
}

TEST_F(GroupBoxTest, DisabledCaptionIsGreyAndTheFrameKeepsItsColour) {
  box_->SetCaption("Attachment");
  box_->setEnabled(false);
  const QImage shown = Render(box_);
  EXPECT_FALSE(PixelsOf(shown, 0xFF808080).isEmpty());
  EXPECT_TRUE(PixelsOf(shown, 0xFF000000).isEmpty());
  EXPECT_EQ(shown.pixel(0, 20), kBorder);
}

TEST_F(GroupBoxTest, LookGivesBorderAndCaptionColoursToTheBoxAndItsChildren) {
  auto* check = new TSkinCheckBox(box_);
  struct Case {
    TSkinUIStyle style;
    TColor border, font;
  } const cases[] = {
      {TSkinUIStyle::MacOS, 0x7F7F7F, 0x000000},     {TSkinUIStyle::WinXP, 0x686868, 0xCF4602},
      {TSkinUIStyle::DeepBlue, 0x000000, 0x000000},  {TSkinUIStyle::Protein, 0x000000, 0x000000},
      {TSkinUIStyle::BlueGlass, 0x000000, 0x000000},
  };
  for (const Case& c : cases) {
    box_->SetUIStyle(c.style);
    EXPECT_EQ(box_->BorderColor(), c.border) << int(c.style);
    EXPECT_EQ(check->UIStyle(), c.style) << "the look is handed down";
    EXPECT_EQ(check->palette().color(QPalette::WindowText), ToQColor(c.font)) << int(c.style);
  }
}

TEST_F(GroupBoxTest, OwnColourFillsTheBoxUnlessTransparent) {
  box_->SetTransparent(false);
  box_->SetColor(0x00FF00);
  EXPECT_EQ(Render(box_).pixel(100, 30), 0xFF00FF00);
  box_->SetParentColor(true);
  EXPECT_EQ(Render(box_).pixel(100, 30), kFormColour) << "the parent's colour";
}

}  // namespace
