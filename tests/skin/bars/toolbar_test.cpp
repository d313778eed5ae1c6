// TSkinToolBar: colours and transparency by look, and how each button state is drawn.
#include "skin/bars/toolbar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "skin/bars/toolbutton.h"
#include "tests/skin/support/control_picture_fixture.h"

namespace {

constexpr QRgb kImageColour = 0xFF20C040;
constexpr QRgb kHotImageColour = 0xFFC04020;

class ToolBarTest : public ControlPictureTest {
 protected:
  TSkinToolBar* NewBar(TSkinUIStyle style = TSkinUIStyle::DeepBlue) {
    auto* bar = Place(new TSkinToolBar(&form), {200, 29});
    bar->SetUIStyle(style);
    return bar;
  }
  static TSkinToolButton* NewButton(
      TSkinToolBar* bar, TSkinToolButton::TToolButtonStyle style = TSkinToolButton::tbsButton) {
    auto* button = new TSkinToolButton(bar);
    button->SetStyle(style);
    button->show();
    return button;
  }
  static QRgb Rgb(TColor c) { return ToQColor(c).rgb(); }
  QImage RenderButton(const TSkinToolButton* button) {
    return form.grab(QRect(button->parentWidget()->mapTo(&form, button->pos()), button->size()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  // The face of a framed button: the border colour round the edge, the fill inside.
  void ExpectFramed(const TSkinToolButton* button, QRgb fill, QRgb border, const char* what) {
    const QImage face = RenderButton(button);
    const int w = face.width(), h = face.height();
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
        if (face.pixel(x, y) != (edge ? border : fill)) {
          ADD_FAILURE() << what << ": (" << x << ", " << y << ") is " << std::hex
                        << face.pixel(x, y);
          return;
        }
      }
    }
  }
  static void Unhover(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
  }
};

TEST_F(ToolBarTest, LookGivesButtonColoursAndTransparency) {
  const struct {
    TSkinUIStyle style;
    TColor border, button, down;
    bool transparent;
  } cases[] = {
      {TSkinUIStyle::MacOS, 0x474747, 0xEFEFEF, 0xD8D8D8, true},
      {TSkinUIStyle::WinXP, 0xC66931, 0xEFD3C6, 0xE1AC93, false},
      {TSkinUIStyle::DeepBlue, 0x474747, 0xEFEFEF, 0xD8D8D8, false},
      {TSkinUIStyle::Protein, 0x474747, 0xEFEFEF, 0xD8D8D8, true},
      {TSkinUIStyle::BlueGlass, 0x474747, 0xEFEFEF, 0xD8D8D8, false},
  };
  TSkinToolBar* bar = NewBar();
  EXPECT_TRUE(bar->Flat());
  for (const auto& c : cases) {
    bar->SetUIStyle(c.style);
    EXPECT_EQ(bar->ButtonBorderColor(), c.border);
    EXPECT_EQ(bar->ButtonColor(), c.button);
    EXPECT_EQ(bar->ButtonDownColor(), c.down);
    EXPECT_EQ(bar->Transparent(), c.transparent) << static_cast<int>(c.style);
  }
}

TEST_F(ToolBarTest, TransparentBarShowsItsParentBehindTheButtons) {
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::DeepBlue}) {
    TSkinToolBar* bar = NewBar(style);
    TSkinToolButton* button = NewButton(bar);
    const QRgb behind = bar->Transparent() ? kFormColour : kButtonColour;
    EXPECT_EQ(Render(bar).pixel(150, 10), behind) << static_cast<int>(style);
    EXPECT_EQ(RenderButton(button).pixel(10, 10), behind)
        << "a button at rest has no face of its own";
    delete bar;
  }
}

TEST_F(ToolBarTest, ButtonsSitSideBySide) {
  TSkinToolBar* bar = NewBar();
  TSkinToolButton* first = NewButton(bar);
  TSkinToolButton* separator = NewButton(bar, TSkinToolButton::tbsSeparator);
  TSkinToolButton* dropDown = NewButton(bar, TSkinToolButton::tbsDropDown);
  TSkinToolButton* last = NewButton(bar);
  EXPECT_EQ(first->geometry(), QRect(0, 0, 23, 22));
  EXPECT_EQ(separator->geometry(), QRect(23, 0, 8, 22));
  EXPECT_EQ(dropDown->geometry(), QRect(31, 0, 37, 22));
  EXPECT_EQ(last->geometry(), QRect(68, 0, 23, 22));
  delete separator;
  EXPECT_EQ(dropDown->pos(), QPoint(23, 0));
  bar->SetButtonWidth(30);
  EXPECT_EQ(last->geometry(), QRect(74, 0, 30, 22));
}

TEST_F(ToolBarTest, EachStateHasItsFace) {
  TSkinToolBar* bar = NewBar();
  const QRgb border = Rgb(bar->ButtonBorderColor()), hot = Rgb(bar->ButtonColor()),
             down = Rgb(bar->ButtonDownColor());
  TSkinToolButton* button = NewButton(bar, TSkinToolButton::tbsCheck);
  QSignalSpy clicks(button, &TSkinToolButton::OnClick);

  Hover(button);
  ExpectFramed(button, hot, border, "hot");
  QTest::mousePress(button, Qt::LeftButton);
  ExpectFramed(button, down, border, "hot and held");
  QTest::mouseMove(button, QPoint(40, 5));
  EXPECT_FALSE(button->IsSelected());
  QTest::mouseMove(button, QPoint(5, 5));
  ExpectFramed(button, down, border, "held, back over it");
  QTest::mouseRelease(button, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_TRUE(button->Down());
  ExpectFramed(button, hot, border, "hot and checked");
  Unhover(button);
  ExpectFramed(button, hot, border, "checked, at rest");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(button->Down());
  Unhover(button);
  EXPECT_EQ(RenderButton(button).pixel(0, 0), kButtonColour) << "unchecked, at rest";
}

TEST_F(ToolBarTest, ReleaseOffTheButtonDoesNotClick) {
  TSkinToolBar* bar = NewBar();
  TSkinToolButton* button = NewButton(bar, TSkinToolButton::tbsCheck);
  QSignalSpy clicks(button, &TSkinToolButton::OnClick);
  QTest::mousePress(button, Qt::LeftButton);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(button->Down());
}

TEST_F(ToolBarTest, OnlyAnEnabledButtonOfAFlatBarTurnsHot) {
  TSkinToolBar* bar = NewBar();
  TSkinToolButton* button = NewButton(bar);
  button->setEnabled(false);
  Hover(button);
  EXPECT_FALSE(button->IsHot());
  button->setEnabled(true);
  bar->SetFlat(false);
  Hover(button);
  EXPECT_FALSE(button->IsHot());
}

TEST_F(ToolBarTest, ImagesSitAtTheirPlaceAndHotImagesReplaceThem) {
  for (bool list : {false, true}) {
    TSkinToolBar* bar = NewBar();
    bar->SetList(list);
    // The bottom-left pixel is the mask colour: the rest of each picture shows.
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kImageColour));
    image.setPixel(0, 15, kMagenta);
    QImage hotImage = image;
    hotImage.fill(QColor::fromRgb(kHotImageColour));
    hotImage.setPixel(0, 15, kMagenta);
    bar->SetImages({image});
    TSkinToolButton* button = NewButton(bar);
    button->SetImageIndex(0);
    const QRect expected(list ? QPoint(5, 3) : QPoint((23 - 16) / 2, 3), QSize(16, 16));
    EXPECT_EQ(Bounds(PixelsOf(RenderButton(button), kImageColour)), expected) << "list " << list;
    Hover(button);
    EXPECT_EQ(Bounds(PixelsOf(RenderButton(button), kImageColour)), expected)
        << "no hot images: the same";
    bar->SetHotImages({hotImage});
    EXPECT_EQ(Bounds(PixelsOf(RenderButton(button), kHotImageColour)), expected);
    Unhover(button);
    EXPECT_TRUE(PixelsOf(RenderButton(button), kHotImageColour).isEmpty());
    button->SetImageIndex(3);  // not in the list: no image
    EXPECT_TRUE(PixelsOf(RenderButton(button), kImageColour).isEmpty());
    delete bar;
  }
}

// The images' mask colour never shows: no white box behind an icon in any state.
TEST_F(ToolBarTest, ImagesAreDrawnThroughTheirMaskInEveryState) {
  TSkinToolBar* bar = NewBar();
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 4; y < 12; ++y) {
    for (int x = 4; x < 12; ++x) image.setPixel(x, y, kImageColour);
  }
  bar->SetImages({image});
  bar->SetHotImages({image});
  TSkinToolButton* button = NewButton(bar);
  button->SetImageIndex(0);
  const QRect icon(QPoint((23 - 16) / 2 + 4, 7), QSize(8, 8));
  const auto expectMasked = [&](const char* state) {
    const QImage face = RenderButton(button);
    EXPECT_TRUE(PixelsOf(face, 0xFFFFFFFF).isEmpty()) << state;
    EXPECT_EQ(Bounds(PixelsOf(face, kImageColour)), icon) << state;
  };
  expectMasked("at rest");
  Hover(button);
  expectMasked("hot");
  QTest::mousePress(button, Qt::LeftButton);
  expectMasked("held");
  QTest::mouseRelease(button, Qt::LeftButton);
  Unhover(button);
  button->SetStyle(TSkinToolButton::tbsCheck);
  button->SetDown(true);
  expectMasked("checked");
}

// A disabled button shows its image greyed, still through the mask, and its own colours again
// once enabled.
TEST_F(ToolBarTest, DisabledButtonShowsItsImageGreyed) {
  TSkinToolBar* bar = NewBar();
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 4; y < 12; ++y) {
    for (int x = 4; x < 12; ++x) image.setPixel(x, y, kImageColour);
  }
  bar->SetImages({image});
  TSkinToolButton* button = NewButton(bar);
  button->SetImageIndex(0);
  const QRect icon(QPoint((23 - 16) / 2 + 4, 7), QSize(8, 8));
  const int light = 128 + qGray(kImageColour) / 2;
  button->setEnabled(false);
  const QImage face = RenderButton(button);
  EXPECT_TRUE(PixelsOf(face, kImageColour).isEmpty());
  EXPECT_EQ(Bounds(PixelsOf(face, qRgb(light, light, light))), icon);
  button->setEnabled(true);
  EXPECT_EQ(Bounds(PixelsOf(RenderButton(button), kImageColour)), icon);
}

TEST_F(ToolBarTest, CaptionsBelowTheImageOrBesideItInListMode) {
  for (bool list : {false, true}) {
    TSkinToolBar* bar = NewBar();
    bar->SetButtonWidth(60);
    bar->SetButtonHeight(40);
    bar->SetShowCaptions(true);
    bar->SetList(list);
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kImageColour));
    image.setPixel(0, 15, kMagenta);  // the mask colour
    bar->SetImages({image});
    TSkinToolButton* button = NewButton(bar);
    button->SetImageIndex(0);
    button->SetCaption("&Go");
    Hover(button);
    const QImage face = RenderButton(button);
    const QRect picture = Bounds(PixelsOf(face, kImageColour));
    const QRect text = Bounds(PixelsOf(face, kTextColour));
    ASSERT_FALSE(text.isEmpty());
    if (list) {
      EXPECT_EQ(picture.topLeft(), QPoint(5, 3));
      EXPECT_GE(text.left(), 16 + 7);  // from the image's width plus 7
      EXPECT_GE(text.top(), 4);
    } else {
      EXPECT_GT(text.top(), picture.bottom() + 3);
      // Centred by its width without the '&'.
      const int width = QFontMetrics(button->font()).horizontalAdvance("Go");
      EXPECT_GE(text.left(), (60 - width) / 2);
      EXPECT_LE(text.right(), (60 - width) / 2 + width);
    }
    delete bar;
  }
}

TEST_F(ToolBarTest, HotDropDownButtonShowsItsArrowZone) {
  TSkinToolBar* bar = NewBar();
  TSkinToolButton* button = NewButton(bar, TSkinToolButton::tbsDropDown);
  Hover(button);
  const QImage face = RenderButton(button);
  const int r = button->width();  // 37
  const int m = button->height() / 2;
  for (int y = 1; y < button->height() - 1; ++y) EXPECT_EQ(face.pixel(r - 14, y), 0xFF000000) << y;
  EXPECT_EQ(face.pixel(r - 7, m + 1), 0xFF000000);
  EXPECT_EQ(face.pixel(r - 7, m), 0xFF000000);
  EXPECT_EQ(face.pixel(r - 7, m + 4), Rgb(bar->ButtonColor()));
  EXPECT_EQ(face.pixel(r - 10, m), Rgb(bar->ButtonColor()));
}

TEST_F(ToolBarTest, ButtonWithoutABarIsHarmless) {
  TSkinToolButton button(nullptr);
  button.SetStyle(TSkinToolButton::tbsDropDown);
  button.SetCaption("&Alone");
  button.resize(30, 22);
  Hover(&button);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_FALSE(button.grab().isNull());
}

TEST_F(ToolBarTest, RemovingTheFileThemeGivesTheFallbackLook) {
  TSkinToolBar* bar = NewBar(TSkinUIStyle::MacOS);
  auto* theme = new TSkinFileTheme;
  bar->SetFileTheme(theme);
  delete theme;
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_FALSE(bar->Transparent());
}

}  // namespace
