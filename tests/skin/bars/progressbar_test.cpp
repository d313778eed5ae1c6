// The progress bar: percentage caption, the filled share in pixels, stepping, the upright bar
// and the look's picture and colours.
#include "skin/bars/progressbar.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <limits>
#include <vector>

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kYellow = 0x00FFFF;

QRgb Rgb(TColor color) { return ToQColor(color).rgb(); }

QImage Flat(int w, int h, TColor color) {
  QImage picture(w, h, QImage::Format_RGB32);
  picture.fill(ToQColor(color));
  return picture;
}

QImage Grab(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A bar in flat colours: red picture, green empty part, blue frame, caption hidden unless asked.
struct FlatBar {
  explicit FlatBar(int w = 142, int h = 17) {
    bar.resize(w, h);
    bar.SetPicture(Flat(1, 10, kRed));
    bar.SetColor(kGreen);
    bar.SetBorderColor(kBlue);
    bar.SetShowCaption(false);
  }
  TSkinProgressBar bar;
};

bool HasPixel(const QImage& image, const QRect& area, QRgb color) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) == color) return true;
    }
  }
  return false;
}

TEST(ProgressBar, StartsHalfFullAt150By12) {
  TSkinProgressBar bar;
  EXPECT_EQ(bar.size(), QSize(150, 12));
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.Position(), 50);
  EXPECT_EQ(bar.Text(), "50%");
  EXPECT_TRUE(bar.ShowCaption());
  EXPECT_FALSE(bar.SmartShowCaption());
  EXPECT_EQ(bar.Orientation(), skinHorizontal);
  EXPECT_EQ(bar.UIStyle(), TSkinUIStyle::DeepBlue);
}

struct PercentCase {
  int min, max, position;
  const char* caption;
};

TEST(ProgressBar, CaptionIsTheTruncatedUnclampedPercentage) {
  constexpr int kBig = std::numeric_limits<int>::max();
  constexpr int kSmall = std::numeric_limits<int>::min();
  const PercentCase cases[] = {
      {0, 100, 57, "57%"},
      {0, 100, 0, "0%"},
      {0, 100, 100, "100%"},
      {0, 100, 101, "101%"},
      {0, 100, -5, "-5%"},
      {10, 20, 15, "50%"},
      {0, 3, 1, "33%"},
      {0, 3, -1, "-33%"},
      {0, 3, 2, "66%"},
      {5, 5, 7, "0%"},
      {100, 0, 50, "50%"},
      {100, 0, 150, "-50%"},
      {kSmall, kBig, kBig, "100%"},
      {0, 1, kBig, "214748364700%"},
  };
  for (const PercentCase& c : cases) {
    TSkinProgressBar bar;
    bar.SetMin(c.min);
    bar.SetMax(c.max);
    bar.SetPosition(c.position);
    EXPECT_EQ(bar.Text(), c.caption) << c.min << ".." << c.max << " at " << c.position;
  }
}

TEST(ProgressBar, RangeIsStoredUnchecked) {
  TSkinProgressBar bar;
  bar.SetMax(-10);
  bar.SetPosition(500);
  EXPECT_EQ(bar.Max(), -10);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Position(), 500);
}

struct FillCase {
  int min, max, position;
  int fill;  // first column of the empty part; the picture covers columns 1 .. fill - 1
};

TEST(ProgressBar, PictureFillsTheShareOfTheInnerWidth) {
  // 142 wide: the share is taken of 141 columns.
  const FillCase cases[] = {
      {0, 100, 57, 80},   {0, 100, 0, 1}, {0, 100, -20, 1}, {0, 100, 1, 1},  {0, 100, 100, 141},
      {0, 100, 250, 141}, {5, 5, 5, 1},   {5, 5, 9, 1},     {100, 0, 50, 1}, {0, 200, 199, 140},
  };
  for (const FillCase& c : cases) {
    FlatBar flat;
    flat.bar.SetMin(c.min);
    flat.bar.SetMax(c.max);
    flat.bar.SetPosition(c.position);
    const QImage face = Grab(flat.bar);
    SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " at " << c.position);
    for (int x = 1; x <= 140; ++x) {
      const QRgb expected = x < c.fill ? Rgb(kRed) : Rgb(kGreen);
      ASSERT_EQ(face.pixel(x, 1), expected) << "column " << x;
      ASSERT_EQ(face.pixel(x, 15), expected) << "column " << x;
    }
  }
}

TEST(ProgressBar, OnePixelFrameInBorderColor) {
  FlatBar flat;
  flat.bar.SetPosition(57);
  const QImage face = Grab(flat.bar);
  for (int x = 0; x < 142; ++x) {
    EXPECT_EQ(face.pixel(x, 0), Rgb(kBlue));
    EXPECT_EQ(face.pixel(x, 16), Rgb(kBlue));
  }
  for (int y = 0; y < 17; ++y) {
    EXPECT_EQ(face.pixel(0, y), Rgb(kBlue));
    EXPECT_EQ(face.pixel(141, y), Rgb(kBlue));
  }
}

TEST(ProgressBar, StepItPastMaxKeepsCountingWhileTheBarStaysFull) {
  FlatBar flat;
  flat.bar.SetPosition(99);
  const char* captions[] = {"100%", "101%", "102%"};
  for (const char* caption : captions) {
    flat.bar.StepIt();
    EXPECT_EQ(flat.bar.Text(), caption);
    EXPECT_EQ(Grab(flat.bar).pixel(140, 8), Rgb(kRed));
  }
  EXPECT_EQ(flat.bar.Position(), 102);
  flat.bar.StepBy(-52);
  EXPECT_EQ(flat.bar.Text(), "50%");
}

TEST(ProgressBar, SteppingStopsAtTheEndsOfTheIntegerRange) {
  TSkinProgressBar bar;
  bar.SetMin(std::numeric_limits<int>::min());
  bar.SetMax(std::numeric_limits<int>::max());
  bar.SetPosition(std::numeric_limits<int>::max());
  bar.StepIt();
  EXPECT_EQ(bar.Position(), std::numeric_limits<int>::max());
  EXPECT_EQ(bar.Text(), "100%");
  bar.SetPosition(std::numeric_limits<int>::min() + 1);
  bar.StepBy(-5);
  EXPECT_EQ(bar.Position(), std::numeric_limits<int>::min());
  EXPECT_EQ(bar.Text(), "0%");
}

// Where the caption's pixels are: the pixels in the caption colour.
std::vector<QPoint> CaptionPixels(TSkinProgressBar& bar) {
  const QImage face = Grab(bar);
  std::vector<QPoint> points;
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) {
      if (face.pixel(x, y) == Rgb(kYellow)) points.emplace_back(x, y);
    }
  }
  return points;
}

TEST(ProgressBar, CaptionIsCentredInCaptionColorAndIgnoresTheWidgetFont) {
  FlatBar flat(142, 40);
  flat.bar.SetShowCaption(true);
  flat.bar.SetCaptionColor(kYellow);
  flat.bar.SetPosition(57);
  const std::vector<QPoint> caption = CaptionPixels(flat.bar);
  ASSERT_FALSE(caption.empty());

  // Written at ((W - text width) / 2, (H - text height) / 2) in the application's font.
  const QFontMetrics metrics{QFont()};
  const QRect cell((142 - metrics.horizontalAdvance("57%")) / 2, (40 - metrics.height()) / 2,
                   metrics.horizontalAdvance("57%"), metrics.height());
  for (const QPoint& p : caption)
    EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(p)) << p.x() << "," << p.y();

  QFont huge;
  huge.setPixelSize(30);
  flat.bar.setFont(huge);
  EXPECT_EQ(CaptionPixels(flat.bar), caption);
}

TEST(ProgressBar, SmartCaptionHidesOnlyAtMin) {
  FlatBar flat(142, 40);
  flat.bar.SetShowCaption(true);
  flat.bar.SetCaptionColor(kYellow);
  flat.bar.SetMin(10);
  flat.bar.SetPosition(10);
  EXPECT_EQ(flat.bar.Text(), "0%");
  EXPECT_FALSE(CaptionPixels(flat.bar).empty());
  flat.bar.SetSmartShowCaption(true);
  EXPECT_TRUE(CaptionPixels(flat.bar).empty());
  flat.bar.SetPosition(11);
  EXPECT_FALSE(CaptionPixels(flat.bar).empty());
  flat.bar.SetShowCaption(false);
  EXPECT_TRUE(CaptionPixels(flat.bar).empty());
}

struct UprightCase {
  int position;
  int fill;  // first row of the picture; the colour covers rows 1 .. fill - 1
};

TEST(ProgressBar, UprightBarFillsFromTheBottom) {
  // 142 high: the share is taken of 141 rows and the fill line is 141 minus it. The picture's
  // upper half is red and its lower half yellow; drawn mirrored, the yellow half comes first.
  QImage picture = Flat(10, 2, kRed);
  for (int x = 0; x < 10; ++x) picture.setPixel(x, 1, Rgb(kYellow));
  const UprightCase cases[] = {{57, 61}, {0, 141}, {100, 1}, {130, 1}, {1, 140}};
  for (const UprightCase& c : cases) {
    FlatBar flat(17, 142);
    flat.bar.SetOrientation(skinVertical);
    flat.bar.SetPicture(picture);
    flat.bar.SetColor(kGreen);
    flat.bar.SetBorderColor(kBlue);
    flat.bar.SetPosition(c.position);
    const QImage face = Grab(flat.bar);
    SCOPED_TRACE(testing::Message() << "position " << c.position);
    const int middle = c.fill + (141 - c.fill) / 2;  // the first row of the picture's upper half
    for (int y = 1; y <= 140; ++y) {
      const bool twoHalves = 141 - c.fill >= 2;
      const QRgb expected = y < c.fill                ? Rgb(kGreen)
                            : twoHalves && y < middle ? Rgb(kYellow)
                            : twoHalves               ? Rgb(kRed)
                                        : face.pixel(1, y);  // one row: either half may show
      ASSERT_EQ(face.pixel(1, y), expected) << "row " << y;
      ASSERT_EQ(face.pixel(15, y), expected) << "row " << y;
      if (y >= c.fill) {
        ASSERT_NE(face.pixel(1, y), Rgb(kGreen)) << "row " << y;
      }
    }
    EXPECT_EQ(face.pixel(8, 0), Rgb(kBlue));
    EXPECT_EQ(face.pixel(8, 141), Rgb(kBlue));
  }
}

TEST(ProgressBar, UprightBarNeverShowsItsCaption) {
  FlatBar flat(40, 142);
  flat.bar.SetOrientation(skinVertical);
  flat.bar.SetPicture(Flat(10, 1, kRed));
  flat.bar.SetColor(kGreen);
  flat.bar.SetCaptionColor(kYellow);
  flat.bar.SetShowCaption(true);
  EXPECT_TRUE(CaptionPixels(flat.bar).empty());
  EXPECT_FALSE(flat.bar.ShowCaption());
  flat.bar.SetShowCaption(true);
  EXPECT_TRUE(CaptionPixels(flat.bar).empty());
}

TEST(ProgressBar, BarWithoutPictureShowsOnlyTheEmptyColour) {
  FlatBar flat;
  flat.bar.SetPicture(QImage());
  flat.bar.SetPosition(100);
  const QImage face = Grab(flat.bar);
  EXPECT_FALSE(HasPixel(face, QRect(1, 1, 140, 15), Rgb(kRed)));
}

TEST(ProgressBar, TheLookSetsPictureAndColoursOverWhatWasSetBefore) {
  TSkinProgressBar bar;
  bar.SetColor(kGreen);
  bar.SetBorderColor(kBlue);
  bar.SetPicture(Flat(3, 3, kRed));
  bar.SetUIStyle(TSkinUIStyle::MacOS);
  EXPECT_EQ(bar.Color(), 0xE7E7E7u);
  EXPECT_EQ(bar.BorderColor(), 0x7F7F7Fu);
  EXPECT_EQ(bar.Picture().size(), QSize(13, 10));
  bar.SetUIStyle(TSkinUIStyle::WinXP);
  EXPECT_EQ(bar.Color(), 0xDEEBEFu);
  EXPECT_EQ(bar.BorderColor(), 0x686868u);
  EXPECT_EQ(bar.Picture().size(), QSize(6, 10));
}

TEST(ProgressBar, UprightBarTurnsTheLooksPictureOnce) {
  TSkinProgressBar bar;
  bar.SetUIStyle(TSkinUIStyle::MacOS);
  const QImage flat = bar.Picture();
  bar.SetOrientation(skinVertical);
  ASSERT_EQ(bar.Picture().size(), QSize(10, 13));
  bar.SetOrientation(skinVertical);
  bar.SetUIStyle(TSkinUIStyle::MacOS);
  ASSERT_EQ(bar.Picture().size(), QSize(10, 13));
  // A quarter turn anticlockwise: the right column becomes the top row.
  for (int x = 0; x < 13; ++x) {
    for (int y = 0; y < 10; ++y) EXPECT_EQ(bar.Picture().pixel(y, 12 - x), flat.pixel(x, y));
  }
  bar.SetOrientation(skinHorizontal);
  EXPECT_EQ(bar.Picture(), flat);
}

TEST(ProgressBar, ClickRaisesOnClick) {
  TSkinProgressBar bar;
  QSignalSpy clicks(&bar, &TSkinProgressBar::OnClick);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(20, 5));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 5));
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
