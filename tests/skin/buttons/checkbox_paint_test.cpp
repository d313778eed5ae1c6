// What check boxes and radio buttons paint: the state frame, where frame, caption and focus
// rectangle go left to right and right to left, and the background.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <memory>

#include "skin/buttons/checkbox.h"
#include "skin/buttons/radiobutton.h"

namespace {

constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;
const QRgb kGreenRgb = qRgb(0, 255, 0);
const QRgb kInvertedGreen = qRgb(255, 0, 255);
const QRgb kBlueRgb = qRgb(0, 0, 255);
const QRgb kCaptionRgb = qRgb(255, 0, 0);

QImage Grab(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Frame(TSkinUIStyle style, bool radio, int number) {
  QImage frame;
  GetInsideThemeBitmap(style, radio ? 4 : 3, &frame, 4, number);
  return frame.convertToFormat(QImage::Format_RGB32);
}

// A shown, active window holding one control of fixed size on a flat green background with a
// red caption.
class CheckPaintTest : public testing::Test {
 protected:
  void SetUp() override {
    host.resize(300, 100);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  }
  TSkinCheckBox* Make(bool radio, TSkinUIStyle style, const QString& caption = "H") {
    control.reset(radio ? new TSkinRadioButton(&host) : new TSkinCheckBox(&host));
    control->SetUIStyle(style);
    control->SetAutoSize2(false);
    control->setGeometry(10, 10, 120, 30);
    control->SetColor(kGreen);
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    control->setFont(font);
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, QColor(kCaptionRgb));
    control->setPalette(palette);
    control->SetCaption(caption);
    control->show();
    return control.get();
  }
  int TextHeight() const { return QFontMetrics(control->font()).height(); }
  int TextTop() const { return (control->height() - TextHeight()) / 2; }

  QWidget host;
  std::unique_ptr<TSkinCheckBox> control;
};

// The frame drawn at origin: opaque for a check box; a radio button leaves out the colour of
// the frame's bottom-left pixel, which shows the background.
void ExpectFrameAt(const QImage& face, const QImage& frame, QPoint origin, bool radio) {
  const QRgb key = frame.pixel(0, frame.height() - 1);
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      const QRgb expected = radio && frame.pixel(x, y) == key ? kGreenRgb : frame.pixel(x, y);
      ASSERT_EQ(face.pixel(origin.x() + x, origin.y() + y), expected) << x << "," << y;
    }
  }
}

// The columns that hold caption pixels (pixels in the caption colour).
std::pair<int, int> CaptionColumns(const QImage& face) {
  int first = face.width();
  int last = -1;
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) {
      if (face.pixel(x, y) == kCaptionRgb) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

struct FrameCase {
  bool checked;
  bool enabled;
  int frame;
};

TEST_F(CheckPaintTest, EachStateShowsItsFrameAndTheCaptionInTheFontColour) {
  const FrameCase cases[] = {
      {true, true, 1}, {false, true, 2}, {true, false, 3}, {false, false, 4}};
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP}) {
    for (bool radio : {false, true}) {
      ASSERT_NE(Frame(style, radio, 1), Frame(style, radio, 2)) << "the look's frames must differ";
      for (const FrameCase& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(style) << (radio ? " radio" : " check")
                                        << " frame " << c.frame);
        TSkinCheckBox* box = Make(radio, style);
        box->SetChecked(c.checked);
        box->setEnabled(c.enabled);
        const QImage face = Grab(*box);
        const QImage frame = Frame(style, radio, c.frame);
        ExpectFrameAt(face, frame, {1, (30 - frame.height()) / 2}, radio);
        EXPECT_EQ(face.pixel(0, 15), kGreenRgb);
        EXPECT_GE(CaptionColumns(face).second, 0) << "no caption pixel in the font colour";
      }
    }
  }
}

// The first and last columns the font inks in the caption colour for text written from x = 0.
std::pair<int, int> InkColumns(const QFont& font, const QString& text) {
  QImage sample(200, 60, QImage::Format_RGB32);
  sample.fill(kGreenRgb);
  QPainter painter(&sample);
  painter.setFont(font);
  painter.setPen(QColor(kCaptionRgb));
  painter.drawText(QRect(50, 0, 150, 60), Qt::AlignLeft | Qt::AlignTop, text);
  painter.end();
  const auto [first, last] = CaptionColumns(sample);
  return {first - 50, last - 50};
}

TEST_F(CheckPaintTest, LeftToRightFrameAtTheLeftCaptionBesideIt) {
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP}) {
    TSkinCheckBox* box = Make(false, style);
    const int fw = Frame(style, false, 2).width();
    const QImage face = Grab(*box);
    // The caption is written from x = frame width + 4.
    const int inkFirst = InkColumns(box->font(), "H").first;
    EXPECT_EQ(CaptionColumns(face).first, fw + 4 + inkFirst) << static_cast<int>(style);
    for (int x = fw + 1; x < fw + 4; ++x) EXPECT_EQ(face.pixel(x, 15), kGreenRgb) << x;
  }
}

TEST_F(CheckPaintTest, RightToLeftFrameAtTheRightCaptionRightAlignedBesideIt) {
  for (bool radio : {false, true}) {
    TSkinCheckBox* box = Make(radio, TSkinUIStyle::MacOS);
    box->setLayoutDirection(Qt::RightToLeft);
    const QImage face = Grab(*box);
    const QImage frame = Frame(TSkinUIStyle::MacOS, radio, 2);
    const int fw = frame.width();
    ExpectFrameAt(face, frame, {120 - fw - 1, (30 - frame.height()) / 2}, radio);
    EXPECT_EQ(face.pixel(119, 15), kGreenRgb);
    // The caption ends where the box (0, T, 120 - fw - 4, H) ends; right alignment places the
    // text by its fractional width, within a column of the whole-pixel estimate.
    const int textStart = 120 - fw - 4 - QFontMetrics(box->font()).horizontalAdvance("H");
    EXPECT_NEAR(CaptionColumns(face).second, textStart + InkColumns(box->font(), "H").second, 1)
        << (radio ? "radio" : "check");
  }
}

// The focus rectangle's edge pixels: every other one inverted, in a checker fixed to the face.
void ExpectDottedColumn(const QImage& face, int x, int top, int bottom) {
  for (int y = top; y <= bottom; ++y) {
    EXPECT_EQ(face.pixel(x, y), ((x + y) & 1) == 0 ? kInvertedGreen : kGreenRgb) << x << "," << y;
  }
}

void ExpectDottedRow(const QImage& face, int y, int left, int right) {
  for (int x = left; x <= right; ++x) {
    EXPECT_EQ(face.pixel(x, y), ((x + y) & 1) == 0 ? kInvertedGreen : kGreenRgb) << x << "," << y;
  }
}

bool HasPixel(const QImage& face, QRgb color) {
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) {
      if (face.pixel(x, y) == color) return true;
    }
  }
  return false;
}

TEST_F(CheckPaintTest, FocusRectangleAroundTheCaption) {
  TSkinCheckBox* box = Make(false, TSkinUIStyle::MacOS);
  EXPECT_FALSE(HasPixel(Grab(*box), kInvertedGreen));
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());
  const QImage face = Grab(*box);
  const int top = TextTop();
  const int bottom = top + TextHeight() + 1;
  ExpectDottedColumn(face, 15 + 3, top, bottom);
  ExpectDottedColumn(face, 119, top, bottom);
  ExpectDottedRow(face, bottom, 15 + 3, 119);
  EXPECT_EQ(face.pixel(15 + 2, top), kGreenRgb);
}

TEST_F(CheckPaintTest, RightToLeftFocusRectangleEndsBesideTheFrame) {
  TSkinCheckBox* box = Make(true, TSkinUIStyle::MacOS);
  box->setLayoutDirection(Qt::RightToLeft);
  box->setFocus();
  const QImage face = Grab(*box);
  const int top = TextTop();
  const int bottom = top + TextHeight() + 1;
  const int right = 120 - 16 - 3;
  ExpectDottedColumn(face, 0, top, bottom);
  ExpectDottedColumn(face, right, top, bottom);
  ExpectDottedRow(face, bottom, 0, right);
  EXPECT_EQ(face.pixel(right + 1, bottom), kGreenRgb);
}

TEST_F(CheckPaintTest, NoFocusRectangleWithoutTabStop) {
  TSkinCheckBox* box = Make(false, TSkinUIStyle::MacOS);
  box->SetTabStop(false);
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());
  EXPECT_FALSE(HasPixel(Grab(*box), kInvertedGreen));
}

TEST_F(CheckPaintTest, BackgroundIsColorParentColorOrTheParentItself) {
  host.setAutoFillBackground(true);
  QPalette palette = host.palette();
  palette.setColor(QPalette::Window, QColor(kBlueRgb));
  host.setPalette(palette);

  TSkinCheckBox* box = Make(false, TSkinUIStyle::MacOS);
  EXPECT_EQ(Grab(*box).pixel(0, 0), kGreenRgb);

  box->SetParentColor(true);
  EXPECT_EQ(Grab(*box).pixel(0, 0), kBlueRgb);
  EXPECT_EQ(box->Color(), kBlue);

  palette.setColor(QPalette::Window, QColor(kCaptionRgb));
  host.setPalette(palette);
  box->SetColor(kGreen);
  box->SetTransparent(true);
  const QImage seen = host.grab(box->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(seen.pixel(0, 0), kCaptionRgb);
}

}  // namespace
