// TSkinStatusBar: which text it shows, its colour by look, and the size grip of a sizeable window.
#include "skin/bars/statusbar.h"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/skin/support/control_picture_fixture.h"

namespace {

class StatusBarTest : public ControlPictureTest {
 protected:
  // The main window's bar: 19 high along the bottom of a sizeable window.
  TSkinStatusBar* NewBar(QWidget* parent = nullptr) {
    auto* bar = Place(new TSkinStatusBar(parent != nullptr ? parent : &form), {260, 19}, {10, 150});
    bar->SetUIStyle(TSkinUIStyle::MacOS);
    return bar;
  }
  static QRgb Rgb(TColor c) { return ToQColor(c).rgb(); }
  static QRgb GripColour() { return ToQColor(clInactiveCaption).rgb(); }
  // The pixels of the four grip lines of a W x H bar.
  static QSet<QPoint> GripLines(int w, int h) {
    QSet<QPoint> points;
    for (int k = 0; k < 4; ++k) {
      for (int i = 0; i <= 13 - 4 * k; ++i) points.insert({w - 15 + 4 * k + i, h - 1 - i});
    }
    return points;
  }
};

TEST_F(StatusBarTest, TextShownByPanelsAndSimplePanel) {
  const struct {
    bool panels;
    bool simplePanel;
    bool showsSimpleText;
  } cases[] = {
      // The program's bar: no panels, SimplePanel off; it shows its simple text.
      {false, false, true},
      {false, true, true},
      {true, true, true},
      {true, false, false},
  };
  for (const auto& c : cases) {
    TSkinStatusBar* bar = NewBar();
    bar->SetSimplePanel(c.simplePanel);
    if (c.panels) bar->SetPanels({{"", 80}, {"", 80}});
    const QImage empty = Render(bar);
    bar->SetSimpleText("Automatic conversion");
    const QImage withSimpleText = Render(bar);
    EXPECT_EQ(Differences(empty, withSimpleText).isEmpty(), !c.showsSimpleText)
        << "panels " << c.panels << " simple panel " << c.simplePanel;
    if (c.panels) {
      bar->SetPanelText(1, "Panel two");
      EXPECT_EQ(Differences(withSimpleText, Render(bar)).isEmpty(), c.showsSimpleText);
    }
    delete bar;
  }
}

TEST_F(StatusBarTest, SimpleTextRunsFromTheLeftInTheFontColour) {
  TSkinStatusBar* bar = NewBar();
  bar->SetSimpleText("Hold the Ctrl key");
  const QRect text = Bounds(PixelsOf(Render(bar), kTextColour));
  ASSERT_FALSE(text.isEmpty());
  EXPECT_GE(text.left(), 4);
  EXPECT_LT(text.left(), 10);
  EXPECT_GE(text.top(), 0);
  EXPECT_LT(text.bottom(), 19);
}

TEST_F(StatusBarTest, PanelsSitSideBySideAndTheLastTakesTheRest) {
  TSkinStatusBar* bar = NewBar();
  bar->SetPanels({{"ab", 60}, {"cd", 70}, {"ef", 10}});
  const QImage face = Render(bar);
  const QSet<QPoint> text = PixelsOf(face, kTextColour);
  int inFirst = 0, inSecond = 0, inLast = 0;
  for (const QPoint& p : text) {
    (p.x() < 60 ? inFirst : p.x() < 130 ? inSecond : inLast)++;
  }
  EXPECT_GT(inFirst, 0);
  EXPECT_GT(inSecond, 0);
  EXPECT_GT(inLast, 0);
  EXPECT_GE(Bounds(text).left(), 4);
  bar->SetPanelText(7, "no such panel");  // ignored
  EXPECT_TRUE(SameImage(Render(bar), face));
}

TEST_F(StatusBarTest, LookGivesTheFormColour) {
  const struct {
    TSkinUIStyle style;
    TColor colour;
  } cases[] = {
      {TSkinUIStyle::MacOS, 0xE7E7E7},     {TSkinUIStyle::WinXP, 0xDEEBEF},
      {TSkinUIStyle::DeepBlue, 0xE8E8E8},  {TSkinUIStyle::Protein, 0xFBFBFB},
      {TSkinUIStyle::BlueGlass, 0xE7E7E7},
  };
  TSkinStatusBar* bar = NewBar();
  for (const auto& c : cases) {
    bar->SetUIStyle(c.style);
    EXPECT_EQ(bar->Color(), c.colour);
    EXPECT_EQ(bar->PanelColor(), c.colour);
    EXPECT_EQ(Render(bar).pixel(100, 9), Rgb(c.colour));
  }
  bar->SetPanelColor(0x0000FF);
  EXPECT_EQ(bar->Color(), 0x0000FFu);
  EXPECT_EQ(Render(bar).pixel(100, 9), 0xFFFF0000);
}

TEST_F(StatusBarTest, SizeableWindowShowsTheFourGripLines) {
  TSkinStatusBar* bar = NewBar();
  ASSERT_NE(GripColour(), Rgb(bar->Color()));
  const QImage face = Render(bar);
  const QSet<QPoint> lines = GripLines(260, 19);
  for (int y = 3; y < 18; ++y) {
    for (int x = 244; x < 259; ++x) {
      const QRgb wanted = lines.contains({x, y}) ? GripColour() : Rgb(bar->Color());
      EXPECT_EQ(face.pixel(x, y), wanted) << x << ", " << y;
    }
  }
  EXPECT_EQ(PixelsOf(face, GripColour()), lines);
}

TEST_F(StatusBarTest, GripSquareIsPlainOnAMaximizedWindowOrWithoutSizeGrip) {
  for (bool maximized : {true, false}) {
    TSkinStatusBar* bar = NewBar();
    if (maximized) {
      form.showMaximized();
    } else {
      bar->SetSizeGrip(false);
    }
    EXPECT_FALSE(bar->GripResizes());
    EXPECT_TRUE(PixelsOf(Render(bar), GripColour()).isEmpty()) << "maximized " << maximized;
    form.showNormal();
    delete bar;
  }
}

TEST_F(StatusBarTest, FixedSizeWindowKeepsItsTextUpToTheEdge) {
  TSkinStatusBar* bar = NewBar();
  bar->SetSimpleText(QString(60, 'M'));
  const QSet<QPoint> sizeable = PixelsOf(Render(bar), kTextColour);
  form.setFixedSize(form.size());
  const QImage fixed = Render(bar);
  EXPECT_TRUE(PixelsOf(fixed, GripColour()).isEmpty());
  EXPECT_FALSE(bar->GripResizes());
  // On the sizeable window the grip column is kept clear of text.
  bool textInGripColumn = false;
  for (const QPoint& p : PixelsOf(fixed, kTextColour))
    textInGripColumn |= p.x() >= 244 && p.x() < 259 && p.y() >= 3;
  EXPECT_TRUE(textInGripColumn);
  for (const QPoint& p : sizeable)
    EXPECT_FALSE(p.x() >= 244 && p.x() < 259 && p.y() >= 3) << p.x() << ", " << p.y();
}

TEST_F(StatusBarTest, DraggingTheGripResizesTheWindowUnlessMaximized) {
  TSkinStatusBar* bar = NewBar();
  const QSize before = form.size();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(252, 12));
  QTest::mouseMove(bar, QPoint(272, 22));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(272, 22));
  EXPECT_EQ(form.size(), before + QSize(20, 10));

  const QSize resized = form.size();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(100, 12));  // not on the grip
  QTest::mouseMove(bar, QPoint(150, 30));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(150, 30));
  EXPECT_EQ(form.size(), resized);
}

TEST_F(StatusBarTest, GripOfAMaximizedWindowDoesNotResize) {
  TSkinStatusBar* bar = NewBar();
  form.showMaximized();
  const QSize maximized = form.size();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(252, 12));
  QTest::mouseMove(bar, QPoint(200, 0));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(200, 0));
  EXPECT_EQ(form.size(), maximized);
  form.showNormal();
}

TEST_F(StatusBarTest, RemovingTheFileThemeGivesTheFallbackColour) {
  TSkinStatusBar* bar = NewBar();
  auto* theme = new TSkinFileTheme;
  bar->SetFileTheme(theme);
  delete theme;
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(bar->Color(), 0xE8E8E8u);
}

}  // namespace
