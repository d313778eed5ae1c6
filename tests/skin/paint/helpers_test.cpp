// Quarter turns, window shapes and the small geometry, property and focus helpers.
#include "skin/base/helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "skin/paint/slicing_p.h"
#include "skin/paint/turns_p.h"

namespace {

// 3 × 2, every pixel different:   a b c
//                                 d e f
QImage Asymmetric() {
  QImage image(3, 2, QImage::Format_RGB32);
  const QRgb pixels[2][3] = {{0xFF000001, 0xFF000002, 0xFF000003},
                             {0xFF000004, 0xFF000005, 0xFF000006}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) image.setPixel(x, y, pixels[y][x]);
  return image;
}

std::vector<std::vector<QRgb>> Rows(const QImage& image) {
  std::vector<std::vector<QRgb>> rows(image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) rows[y].push_back(image.pixel(x, y) & 0xFF);
  return rows;
}

TEST(RoundPicture, TurnsPixelExactly) {
  using Grid = std::vector<std::vector<QRgb>>;
  struct Case {
    const char* name;
    void (*turn)(QImage&);
    Grid expected;
  } cases[] = {
      {"anticlockwise", RoundPicture, Grid{{3, 6}, {2, 5}, {1, 4}}},
      {"half", RoundPicture2, Grid{{6, 5, 4}, {3, 2, 1}}},
      {"clockwise", RoundPicture3, Grid{{4, 1}, {5, 2}, {6, 3}}},
  };
  for (const Case& c : cases) {
    QImage image = Asymmetric();
    c.turn(image);
    EXPECT_EQ(Rows(image), c.expected) << c.name;
  }
  QImage image = Asymmetric();
  RoundPicture(image);
  RoundPicture3(image);
  EXPECT_EQ(image, Asymmetric()) << "anticlockwise then clockwise gives the picture back";
}

TEST(BitmapRegion, TakesNonKeyRunsAndNeverTheLastColumn) {
  const QRgb k = kSkinKeyColor, o = 0xFF123456;
  const QRgb rows[3][5] = {{o, o, k, o, o}, {k, k, k, k, o}, {o, k, o, o, k}};
  QImage bitmap(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) bitmap.setPixel(x, y, rows[y][x]);
  QRegion expected;
  expected += QRect(0, 0, 2, 1);
  expected += QRect(3, 0, 1, 1);  // (4, 0) is the last column
  expected += QRect(0, 2, 1, 1);
  expected += QRect(2, 2, 2, 1);
  EXPECT_EQ(BitmapRegion(bitmap, kSkinKeyColor), expected);

  QWidget window;
  window.resize(5, 3);
  SetBitmapWindow(&window, bitmap, kSkinKeyColor);
  EXPECT_EQ(window.mask(), expected);
}

TEST(InRect, CountsAllFourEdgesAsInside) {
  struct Case {
    int x, y;
    bool inside;
  } cases[] = {{10, 20, true}, {30, 40, true},  {30, 20, true},  {10, 40, true}, {20, 30, true},
               {9, 30, false}, {31, 30, false}, {20, 19, false}, {20, 41, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(InRect(c.x, c.y, 10, 20, 30, 40), c.inside) << c.x << "," << c.y;
    EXPECT_EQ(InRect(QPoint(c.x, c.y), 10, 20, 30, 40), c.inside) << c.x << "," << c.y;
  }
}

TEST(PlaceControl, MovesAndSizesByRectangle) {
  QWidget parent;
  QWidget control(&parent);
  PlaceControl(&control, QPoint(7, 9));
  EXPECT_EQ(control.pos(), QPoint(7, 9));
  PlaceControl(&control, 3, 4, 53, 24);
  EXPECT_EQ(control.geometry(), QRect(3, 4, 50, 20));
}

TEST(DrawControlBorder, FramesAndRings) {
  QImage canvas(5, 4, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  DrawControlBorder(painter, canvas.size(), Qt::red, Qt::blue, true);
  painter.end();
  const char* expected[] = {"rrrrr", "rbbbr", "rbbbr", "rrrrr"};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      const QRgb want = expected[y][x] == 'r' ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
      EXPECT_EQ(canvas.pixel(x, y), want) << x << "," << y;
    }
  }
}

TEST(IsHasProperty, LooksUpTheClassProperties) {
  QWidget widget;
  widget.setProperty("Dynamic", 1);
  EXPECT_TRUE(IsHasProperty(&widget, "enabled"));
  EXPECT_FALSE(IsHasProperty(&widget, "Dynamic")) << "a dynamic property is not the class's";
  EXPECT_FALSE(IsHasProperty(&widget, "UIStyle"));
  EXPECT_FALSE(IsHasProperty(nullptr, "enabled"));
}

TEST(PCharToStr, EmptyForNull) {
  EXPECT_EQ(PCharToStr(nullptr), QString());
  EXPECT_EQ(PCharToStr("abc"), QStringLiteral("abc"));
}

class MainFormTest : public ::testing::Test {
 protected:
  void TearDown() override { SetSkinMainForm(nullptr); }
};

TEST_F(MainFormTest, WorkAreaIsThatOfTheMainFormsScreen) {
  EXPECT_EQ(GetWorkAreaRect(), QGuiApplication::primaryScreen()->availableGeometry());
  QWidget form;
  SetSkinMainForm(&form);
  EXPECT_EQ(GetWorkAreaRect(), form.screen()->availableGeometry());
}

TEST_F(MainFormTest, FocusFollowsTheActiveWindowAndTheMainFormAlwaysHasIt) {
  QWidget mainForm, other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_TRUE(FormHasFocus(&other)) << "no main form: the form's own activity";
  EXPECT_FALSE(FormHasFocus(&mainForm));
  EXPECT_FALSE(FormHasFocus(nullptr));

  SetSkinMainForm(&mainForm);
  EXPECT_TRUE(FormHasFocus(&mainForm)) << "the main form, while the application is active";
  EXPECT_TRUE(FormHasFocus(nullptr));
  EXPECT_TRUE(FormHasFocus(&other));
  QWidget inactive;
  EXPECT_FALSE(FormHasFocus(&inactive));
}

}  // namespace
