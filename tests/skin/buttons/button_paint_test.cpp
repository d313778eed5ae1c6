// What TSkinButton and TSkinArrowButton look like: the stretched state frame and what shows
// through it, the focus marks, the disabled and pressed captions, the glyph layouts.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

#include "skin/buttons/arrowbutton.h"
#include "skin/buttons/button.h"
#include "tests/skin/support/control_picture_fixture.h"

namespace {

const TSkinUIStyle kLooks[] = {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP, TSkinUIStyle::DeepBlue,
                               TSkinUIStyle::Protein, TSkinUIStyle::BlueGlass};

bool LookIsTransparent(TSkinUIStyle style) {
  return style == TSkinUIStyle::MacOS || style == TSkinUIStyle::BlueGlass;
}

class ButtonPaintTest : public ControlPictureTest {
 protected:
  TSkinButton* NewButton(TSkinUIStyle style, QSize size, const QString& caption = "") {
    auto* button = Place(new TSkinButton(&form), size);
    button->SetUIStyle(style);
    button->SetCaption2(caption);
    return button;
  }

  // Checks the parts of a face that the frame's corner quarters and its side edges make, pixel
  // for pixel: corners unscaled (at most half the face each, trimmed on the side away from
  // their corner), the left and right edges the frame's middle rows stretched down. Magenta
  // shows what lies behind: always for the edges, for the corners only when they are keyed.
  static void ExpectStretchedFrame(const QImage& face, const QImage& frame, QRgb behind,
                                   bool cornersKeyed, const std::string& what) {
    ASSERT_FALSE(frame.isNull()) << what;
    const int W = frame.width(), H = frame.height(), DW = face.width(), DH = face.height();
    ASSERT_EQ(H % 2, 1) << "an odd frame height gives the edges one middle row";
    const int hw = W / 2, hh = H / 2, dw = DW / 2, dh = DH / 2;
    const int w1 = std::min(hw, dw), h1 = std::min(hh, dh);
    const int h2 = std::min(hh - 1, dh - 1);
    const int w4 = std::min(hw - 1, dw - 1), h4 = std::min(hh, dh);
    const int h5 = std::min(hh - 1, dh - 1);
    int mismatches = 0;
    auto expect = [&](int x, int y, int fx, int fy, bool keyed) {
      const QRgb source = frame.pixel(fx, fy);
      const QRgb wanted = keyed && source == kMagenta ? behind : source;
      if (face.pixel(x, y) != wanted && ++mismatches <= 5) {
        ADD_FAILURE() << what << ": face (" << x << ", " << y << ") is " << std::hex
                      << face.pixel(x, y) << ", frame (" << std::dec << fx << ", " << fy
                      << ") gives " << std::hex << wanted;
      }
    };
    for (int y = 0; y < DH; ++y) {
      for (int x = 0; x < DW; ++x) {
        const bool left = x < w1, right = x >= DW - w4;
        if (left && y < h1) expect(x, y, x, y, cornersKeyed);
        // The bottom edge is laid one column into the bottom-left corner.
        if (x < w1 - 1 && y >= DH - h2) expect(x, y, x, y - DH + H, cornersKeyed);
        if (right && y < h4) expect(x, y, x - DW + W, y, cornersKeyed);
        if (right && y >= DH - h5) expect(x, y, x - DW + W, y - DH + H, cornersKeyed);
        if (left && y >= h1 && y < DH - h2 - 1) expect(x, y, x, hh, true);
        if (right && y >= h4 && y < DH - h5) expect(x, y, x - DW + W, H - hh, true);
      }
    }
    EXPECT_EQ(mismatches, 0) << what;
  }
};

// 65 x 25 is the program's usual button: a MacOS frame of 84 x 23 keeps its 32 leftmost and 31
// rightmost columns and stretches its middle column over the 2 between them.
TEST_F(ButtonPaintTest, MacOSButtonOfTheProgramsSize) {
  TSkinButton* button = NewButton(TSkinUIStyle::MacOS, {65, 25});
  const QImage face = Render(button);
  const QImage frame = StripFrame(TSkinUIStyle::MacOS, 1);
  ASSERT_EQ(frame.size(), QSize(84, 23));
  auto shown = [&](int fx, int fy) {
    return frame.pixel(fx, fy) == kMagenta ? kFormColour : frame.pixel(fx, fy);
  };
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 32; ++x) EXPECT_EQ(face.pixel(x, y), shown(x, y)) << x << ", " << y;
    for (int x = 32; x < 34; ++x) EXPECT_EQ(face.pixel(x, y), shown(42, y)) << x << ", " << y;
    for (int x = 34; x < 65; ++x) EXPECT_EQ(face.pixel(x, y), shown(x + 19, y)) << x << ", " << y;
  }
  ExpectStretchedFrame(face, frame, kFormColour, true, "MacOS 65 x 25");
}

TEST_F(ButtonPaintTest, EveryLookStretchesItsFrameOverAnySize) {
  const QSize sizes[] = {{65, 25}, {66, 25}, {75, 25}, {61, 25}, {160, 60}, {40, 10}, {9, 7}};
  for (TSkinUIStyle style : kLooks) {
    for (QSize size : sizes) {
      TSkinButton* button = NewButton(style, size);
      const bool transparent = LookIsTransparent(style);
      ExpectStretchedFrame(Render(button), StripFrame(style, 1),
                           transparent ? kFormColour : kButtonColour, transparent,
                           "look " + std::to_string(static_cast<int>(style)) + " at " +
                               std::to_string(size.width()) + " x " +
                               std::to_string(size.height()));
      delete button;
    }
  }
}

// The look decides: WinXP paints its background even on a button set transparent before.
TEST_F(ButtonPaintTest, OpaqueLookFillsTheBackgroundWithTheButtonColour) {
  TSkinButton* button = NewButton(TSkinUIStyle::MacOS, {65, 25});
  button->SetTransparent(true);
  button->SetUIStyle(TSkinUIStyle::WinXP);
  ExpectStretchedFrame(Render(button), StripFrame(TSkinUIStyle::WinXP, 1), kButtonColour, false,
                       "WinXP");
}

TEST_F(ButtonPaintTest, EachStateShowsItsFrame) {
  const struct {
    const char* state;
    std::function<void(TSkinButton*)> enter;
    int frame;
  } cases[] = {
      {"normal", [](TSkinButton*) {}, 1},
      {"hover", [](TSkinButton* b) { Hover(b); }, 2},
      {"pressed", [](TSkinButton* b) { QTest::mousePress(b, Qt::LeftButton); }, 3},
      {"pressed by key",
       [](TSkinButton* b) {
         b->setFocus();
         QTest::keyPress(b, Qt::Key_Space);
       },
       3},
      {"disabled", [](TSkinButton* b) { b->setEnabled(false); }, 1},
      {"disabled under the mouse",
       [](TSkinButton* b) {
         Hover(b);
         b->setEnabled(false);
       },
       1},
      {"dragged off",
       [](TSkinButton* b) {
         Hover(b);
         QTest::mousePress(b, Qt::LeftButton);
         QTest::mouseMove(b, QPoint(-5, 5));
       },
       1},
  };
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::DeepBlue}) {
    for (const auto& c : cases) {
      TSkinButton* button = NewButton(style, {65, 25});
      button->SetTabStop(false);  // no focus mark over the frame
      c.enter(button);
      const bool transparent = LookIsTransparent(style);
      ExpectStretchedFrame(Render(button), StripFrame(style, c.frame),
                           transparent ? kFormColour : kButtonColour, transparent, c.state);
      delete button;
    }
  }
}

// The focus mark of MacOS and BlueGlass is the bold caption and nothing else.
TEST_F(ButtonPaintTest, BoldCaptionMarksTheFocusInMacOSAndBlueGlass) {
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::BlueGlass}) {
    TSkinButton* button = NewButton(style, {65, 25}, "&Open");
    const QImage unfocused = Render(button);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = Render(button);
    button->clearFocus();
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    EXPECT_TRUE(SameImage(focused, Render(button))) << static_cast<int>(style);
    EXPECT_NE(focused, unfocused) << static_cast<int>(style);
    delete button;
  }
}

// The other looks draw the dotted focus rectangle FocusedRectMargin inside the edge: every
// other pixel of its ring inverted; the caption stays regular.
TEST_F(ButtonPaintTest, DottedRectangleMarksTheFocusInTheOtherLooks) {
  for (TSkinUIStyle style : {TSkinUIStyle::WinXP, TSkinUIStyle::DeepBlue, TSkinUIStyle::Protein}) {
    for (int margin : {2, 0, 3}) {
      TSkinButton* button = NewButton(style, {65, 25}, "&Open");
      button->SetFocusedRectMargin(margin);
      QImage expected = Render(button);
      const QRect ring(QPoint(margin, margin), QPoint(64 - margin, 24 - margin));
      for (int y = ring.top(); y <= ring.bottom(); ++y) {
        for (int x = ring.left(); x <= ring.right(); ++x) {
          const bool onRing =
              x == ring.left() || x == ring.right() || y == ring.top() || y == ring.bottom();
          if (onRing && (x + y) % 2 == 0)
            expected.setPixel(x, y, expected.pixel(x, y) ^ 0x00FFFFFF);
        }
      }
      button->setFocus();
      EXPECT_TRUE(SameImage(Render(button), expected))
          << static_cast<int>(style) << " margin " << margin;
      delete button;
    }
  }
}

TEST_F(ButtonPaintTest, ButtonOutOfTheTabOrderShowsNoFocusMark) {
  TSkinButton* button = NewButton(TSkinUIStyle::DeepBlue, {65, 25}, "&Open");
  const QImage unfocused = Render(button);
  button->SetTabStop(false);
  button->setFocus();
  ASSERT_TRUE(button->hasFocus());
  EXPECT_TRUE(SameImage(Render(button), unfocused));
}

// A disabled caption is grey with a white copy one pixel right and down under it.
TEST_F(ButtonPaintTest, DisabledCaptionIsEmbossed) {
  QImage glyph(8, 8, QImage::Format_RGB32);
  glyph.fill(QColor(200, 0, 0));
  for (bool withGlyph : {false, true}) {
    TSkinButton* button = NewButton(TSkinUIStyle::DeepBlue, {90, 40}, "&Disabled");
    if (withGlyph) button->SetGlyph(glyph);
    // Above the caption the glyph keeps its place when the caption goes.
    button->SetLayout(TSkinButton::blGlyphTop);
    button->setEnabled(false);
    const QImage face = Render(button);
    button->SetCaption2("");
    const QImage bare = Render(button);
    QSet<QPoint> grey, white;
    for (const QPoint& p : Differences(face, bare)) {
      const QRgb c = face.pixel(p);
      if (c == 0xFF808080) {
        grey.insert(p);
      } else if (c == 0xFFFFFFFF) {
        white.insert(p);
      } else {
        ADD_FAILURE() << "caption pixel " << std::hex << c << " at " << std::dec << p.x() << ", "
                      << p.y();
      }
    }
    ASSERT_FALSE(grey.isEmpty());
    ASSERT_FALSE(white.isEmpty());
    for (const QPoint& p : white)
      EXPECT_TRUE(grey.contains(p - QPoint(1, 1))) << p.x() << ", " << p.y();
    for (const QPoint& p : grey) {
      const QPoint under = p + QPoint(1, 1);
      EXPECT_TRUE(grey.contains(under) || face.pixel(under) == 0xFFFFFFFF)
          << p.x() << ", " << p.y();
    }
    delete button;
  }
}

TEST_F(ButtonPaintTest, PressedCaptionAndGlyphMoveOnePixelRightAndDown) {
  QImage glyph(8, 8, QImage::Format_RGB32);
  glyph.fill(QColor(200, 30, 40));
  glyph.setPixel(0, 0, 0xFFFFFFFF);
  for (bool withGlyph : {false, true}) {
    TSkinButton* button = NewButton(TSkinUIStyle::MacOS, {90, 30}, "&Press");
    button->SetTabStop(false);  // the press brings no bold focus caption
    if (withGlyph) button->SetGlyph(glyph);
    const QImage normal = Render(button);
    QTest::mousePress(button, Qt::LeftButton);
    const QImage pressed = Render(button);
    const QSet<QPoint> text = PixelsOf(normal, kTextColour);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(PixelsOf(pressed, kTextColour), Shifted(text, {1, 1})) << "with glyph " << withGlyph;
    if (withGlyph) {
      const QSet<QPoint> glyphPixels = PixelsOf(normal, 0xFFC81E28);
      EXPECT_EQ(glyphPixels.size(), 63);
      EXPECT_EQ(PixelsOf(pressed, 0xFFC81E28), Shifted(glyphPixels, {1, 1}));
    }
    delete button;
  }
}

TEST_F(ButtonPaintTest, GlyphLayoutsPlaceGlyphAndCaption) {
  const QString caption = "Go";
  for (TSkinButton::TButtonLayout layout : {TSkinButton::blGlyphLeft, TSkinButton::blGlyphRight,
                                            TSkinButton::blGlyphTop, TSkinButton::blGlyphBottom}) {
    for (int spacing : {4, 0, 9}) {
      // Odd sizes, so that every halving truncates.
      TSkinButton* button = NewButton(TSkinUIStyle::DeepBlue, {91, 57}, caption);
      QImage glyph(9, 7, QImage::Format_RGB32);
      glyph.fill(QColor(200, 30, 40));
      glyph.setPixel(0, 0, 0xFFFFFFFF);  // the key colour: left out
      button->SetGlyph(glyph);
      button->SetLayout(layout);
      button->SetSpacing(spacing);
      const QFontMetrics metrics(button->font());
      const int tw = metrics.horizontalAdvance(caption), th = metrics.height();
      const int W = 91, H = 57, gw = 9, gh = 7, S = spacing;
      QPoint at;
      switch (layout) {
        case TSkinButton::blGlyphLeft:
          at = {(W - tw - gw - S) / 2, (H - gh) / 2};
          break;
        case TSkinButton::blGlyphRight:
          at = {(W + tw + S - gw) / 2, (H - gh) / 2};
          break;
        case TSkinButton::blGlyphTop:
          at = {(W - gw) / 2, (H - th - gh - S) / 2};
          break;
        case TSkinButton::blGlyphBottom:
          at = {(W - gw) / 2, (H + th + S - gh) / 2};
          break;
      }
      const QImage face = Render(button);
      const QSet<QPoint> glyphPixels = PixelsOf(face, 0xFFC81E28);
      EXPECT_EQ(Bounds(glyphPixels), QRect(at, QSize(gw, gh))) << layout << " spacing " << spacing;
      EXPECT_FALSE(glyphPixels.contains(at)) << "the key pixel shows through";
      const QRect text = Bounds(PixelsOf(face, kTextColour));
      ASSERT_FALSE(text.isEmpty());
      switch (layout) {
        case TSkinButton::blGlyphLeft:
          EXPECT_GE(text.left(), at.x() + gw + S);
          break;
        case TSkinButton::blGlyphRight:
          EXPECT_LT(text.right(), at.x() - S);
          break;
        case TSkinButton::blGlyphTop:
          EXPECT_GE(text.top(), at.y() + gh + S);
          break;
        case TSkinButton::blGlyphBottom:
          EXPECT_LT(text.bottom(), at.y() - S);
          break;
      }
      delete button;
    }
  }
}

// A glyph twice as wide as high is two images: the left one enabled, the right one disabled.
TEST_F(ButtonPaintTest, DoubleGlyphShowsItsSecondImageWhenDisabled) {
  const QRgb enabledColour = 0xFFC81E28, disabledColour = 0xFF1E28C8;
  for (QSize size : {QSize(32, 16), QSize(16, 8)}) {
    QImage glyph(size, QImage::Format_RGB32);
    glyph.fill(QColor::fromRgb(enabledColour));
    glyph.setPixel(0, 0, 0xFFFFFFFF);  // the key colour of both images
    for (int y = 0; y < size.height(); ++y) {
      for (int x = size.height(); x < size.width(); ++x) glyph.setPixel(x, y, disabledColour);
    }
    TSkinButton* button = NewButton(TSkinUIStyle::DeepBlue, {90, 30}, "");
    button->SetGlyph(glyph);
    const QImage enabled = Render(button);
    EXPECT_EQ(Bounds(PixelsOf(enabled, enabledColour)).size(), QSize(size.height(), size.height()));
    EXPECT_TRUE(PixelsOf(enabled, disabledColour).isEmpty());
    button->setEnabled(false);
    const QImage disabled = Render(button);
    EXPECT_TRUE(PixelsOf(disabled, enabledColour).isEmpty());
    EXPECT_EQ(Bounds(PixelsOf(disabled, disabledColour)).size(),
              QSize(size.height(), size.height()));
    delete button;
  }
}

TEST_F(ButtonPaintTest, SingleGlyphTurnsGreyWhenDisabled) {
  QImage glyph(10, 6, QImage::Format_RGB32);
  glyph.fill(QColor(200, 30, 40));
  glyph.setPixel(0, 0, 0xFFFFFFFF);
  TSkinButton* button = NewButton(TSkinUIStyle::DeepBlue, {90, 30}, "");
  button->SetGlyph(glyph);
  const QRect at = Bounds(PixelsOf(Render(button), 0xFFC81E28));
  ASSERT_EQ(at.size(), QSize(10, 6));
  button->setEnabled(false);
  const QImage face = Render(button);
  for (int y = at.top(); y <= at.bottom(); ++y) {
    for (int x = at.left(); x <= at.right(); ++x) {
      if (QPoint(x, y) == at.topLeft()) continue;
      const QColor c = face.pixelColor(x, y);
      EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << ", " << y;
    }
  }
}

class ArrowButtonPaintTest : public ButtonPaintTest {};

// The triangle is all that an arrow button adds to the plain button face, pressed or not.
TEST_F(ArrowButtonPaintTest, TriangleOverTheButtonFace) {
  const struct {
    TSkinArrowButton::TSkinArrowButtonType arrow;
    QSize size;
    QList<QRect> rows;  // the triangle's rows, top to bottom
  } cases[] = {
      {TSkinArrowButton::skinUp,
       {20, 20},
       {{10, 8, 1, 1}, {9, 9, 3, 1}, {8, 10, 5, 1}, {7, 11, 7, 1}}},
      {TSkinArrowButton::skinDown,
       {20, 20},
       {{7, 8, 7, 1}, {8, 9, 5, 1}, {9, 10, 3, 1}, {10, 11, 1, 1}}},
      // ax = (17 - 6) / 2 = 5, ay = (12 - 3) / 2 = 4
      {TSkinArrowButton::skinUp,
       {17, 12},
       {{8, 4, 1, 1}, {7, 5, 3, 1}, {6, 6, 5, 1}, {5, 7, 7, 1}}},
  };
  for (TSkinUIStyle style : kLooks) {
    for (const auto& c : cases) {
      for (bool pressed : {false, true}) {
        TSkinButton* plain = NewButton(style, c.size);
        auto* arrow = Place(new TSkinArrowButton(&form), c.size, {150, 20});
        arrow->SetUIStyle(style);
        arrow->SetArrow(c.arrow);
        arrow->SetCaption2("&Never shown");
        for (TSkinCustomButton* b :
             {static_cast<TSkinCustomButton*>(plain), static_cast<TSkinCustomButton*>(arrow)}) {
          b->SetTabStop(false);  // no focus mark from the press
        }
        EXPECT_EQ(arrow->Transparent(), LookIsTransparent(style));
        if (pressed) {
          QTest::mousePress(plain, Qt::LeftButton);
          QTest::mousePress(arrow, Qt::LeftButton);
        }
        QImage expected = Render(plain);
        for (const QRect& row : c.rows) {
          for (int x = row.left(); x <= row.right(); ++x)
            expected.setPixel(x, row.top(), 0xFF000000);
        }
        EXPECT_TRUE(SameImage(Render(arrow), expected))
            << static_cast<int>(style) << " arrow " << c.arrow << " pressed " << pressed;
        delete plain;
        delete arrow;
      }
    }
  }
}

}  // namespace
