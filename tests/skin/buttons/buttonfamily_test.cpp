// The other buttons: pictures per state (TSkinImageButton), frames of any look entry
// (TSkinControlButton) and the flat glyph button beside a menu bar (TSkinToolBarSpeedButton).
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "skin/base/timer_p.h"
#include "skin/buttons/controlbutton.h"
#include "skin/buttons/imagebutton.h"
#include "skin/buttons/toolbarspeedbutton.h"
#include "tests/skin/support/control_picture_fixture.h"

namespace {

constexpr QRgb kKey = 0xFFFFFFFF;

// A solid picture whose top-left pixel is the see-through key.
QImage Picture(QSize size, QRgb colour) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(QColor::fromRgb(colour));
  picture.setPixel(0, 0, kKey);
  return picture;
}

class ImageButtonTest : public ControlPictureTest {
 protected:
  TSkinImageButton* NewButton(QSize size = {10, 10}) {
    auto* button = Place(new TSkinImageButton(&form), size);
    button->SetTabStop(false);
    return button;
  }
  // The colour the button shows at (5, 5).
  QRgb Shown(TSkinImageButton* button) { return Render(button).pixel(5, 5); }
};

constexpr QRgb kNormal = 0xFF00A000, kOn = 0xFF0000A0, kDown = 0xFFA00000, kDisabled = 0xFF707000;

TEST_F(ImageButtonTest, EachStateShowsItsPictureOrElseTheNormalOne) {
  const struct {
    const char* state;
    std::function<void(TSkinImageButton*)> enter;
    QRgb own;
  } states[] = {
      {"normal", [](TSkinImageButton*) {}, kNormal},
      {"hover", [](TSkinImageButton* b) { Hover(b); }, kOn},
      {"pressed", [](TSkinImageButton* b) { QTest::mousePress(b, Qt::LeftButton); }, kDown},
      {"disabled", [](TSkinImageButton* b) { b->setEnabled(false); }, kDisabled},
  };
  for (bool allPictures : {true, false}) {
    for (const auto& s : states) {
      TSkinImageButton* button = NewButton();
      button->SetPicNormal(Picture({10, 10}, kNormal));
      if (allPictures) {
        button->SetPicMouseOn(Picture({10, 10}, kOn));
        button->SetPicMouseDown(Picture({10, 10}, kDown));
        button->SetPicDisabled(Picture({10, 10}, kDisabled));
      }
      s.enter(button);
      EXPECT_EQ(Shown(button), allPictures ? s.own : kNormal) << s.state;
      delete button;
    }
  }
}

TEST_F(ImageButtonTest, WithoutPicturesOnlyTheBackgroundShows) {
  TSkinImageButton* button = NewButton();
  Hover(button);
  EXPECT_EQ(Shown(button), kButtonColour);
}

TEST_F(ImageButtonTest, TopLeftColourIsSeeThroughAndStretchFillsTheButton) {
  for (bool stretch : {false, true}) {
    TSkinImageButton* button = NewButton({40, 20});
    button->SetStretch(stretch);
    button->SetPicNormal(Picture({10, 10}, kNormal));
    const QImage face = Render(button);
    EXPECT_EQ(face.pixel(0, 0), kButtonColour) << "the key pixel";
    EXPECT_EQ(face.pixel(5, 5), kNormal);
    EXPECT_EQ(face.pixel(35, 15), stretch ? kNormal : kButtonColour) << stretch;
    delete button;
  }
}

TEST_F(ImageButtonTest, HasNoLookAndStaysOpaque) {
  TSkinImageButton* button = NewButton();
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::BlueGlass}) {
    button->SetUIStyle(style);
    EXPECT_EQ(button->UIStyle(), TSkinUIStyle::FromThemeFile);
    EXPECT_EQ(button->property("UIStyle").value<TSkinUIStyle>(), TSkinUIStyle::FromThemeFile);
    EXPECT_FALSE(button->Transparent());
  }
}

TEST_F(ImageButtonTest, AutoSizeTakesTheNormalPictureSize) {
  TSkinImageButton* button = NewButton({40, 20});
  button->SetAutoSize2(true);
  EXPECT_EQ(button->size(), QSize(40, 20)) << "no picture yet";
  button->SetPicNormal(Picture({16, 12}, kNormal));
  EXPECT_EQ(button->size(), QSize(16, 12));
  button->SetPicMouseOn(Picture({30, 30}, kOn));
  EXPECT_EQ(button->size(), QSize(16, 12));
  TSkinImageButton orphan;
  orphan.resize(40, 20);
  orphan.SetAutoSize2(true);
  orphan.SetPicNormal(Picture({16, 12}, kNormal));
  EXPECT_EQ(orphan.size(), QSize(40, 20)) << "a button without a parent keeps its size";
}

TEST_F(ImageButtonTest, FocusRectangleOnlyWhenAskedFor) {
  TSkinImageButton* button = NewButton({30, 20});
  button->SetTabStop(true);
  button->SetPicNormal(Picture({30, 20}, kNormal));
  const QImage unfocused = Render(button);
  button->setFocus();
  EXPECT_TRUE(SameImage(Render(button), unfocused));
  button->SetDrawFocused(true);
  const QImage focused = Render(button);
  EXPECT_EQ(focused.pixel(2, 2), kNormal ^ 0x00FFFFFF);
  EXPECT_EQ(focused.pixel(3, 2), kNormal);
}

TEST_F(ImageButtonTest, RepeatsWhileHeldLikeEveryButton) {
  SkinManualClock clock;
  TSkinImageButton* button = NewButton();
  QSignalSpy repeats(button, &TSkinImageButton::OnMouseContinuouslyDown);
  QTest::mousePress(button, Qt::LeftButton);
  clock.Advance(350);
  EXPECT_EQ(repeats.count(), 3);
  EXPECT_FALSE(button->hasFocus()) << "a button out of the tab order is not focused by the press";
}

class ControlButtonTest : public ControlPictureTest {
 protected:
  TSkinControlButton* NewButton(int themeId, int count, int index) {
    auto* button = Place(new TSkinControlButton(&form), {80, 27});
    // The entry last: until then the button has no picture to take its size from.
    button->SetPicCount(count);
    button->SetPicIndex(index);
    button->SetThemeID(themeId);
    return button;
  }
};

TEST_F(ControlButtonTest, StartsOutOfTheTabOrderInTheFallbackLook) {
  TSkinControlButton* button = NewButton(0, 0, 0);
  EXPECT_FALSE(button->TabStop());
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(button->FileTheme(), nullptr);
}

TEST_F(ControlButtonTest, ShowsItsFrameAndTheNextOneUnderTheMouse) {
  TSkinControlButton* button = NewButton(1, 3, 1);
  const QImage normal = StripFrame(TSkinUIStyle::DeepBlue, 1);
  const QImage over = StripFrame(TSkinUIStyle::DeepBlue, 2);
  EXPECT_EQ(button->size(), normal.size());
  const QPoint probe(normal.width() / 2, normal.height() / 2);
  EXPECT_EQ(Render(button).pixel(probe), normal.pixel(probe));
  Hover(button);
  EXPECT_EQ(Render(button).pixel(probe), over.pixel(probe));
  QTest::mousePress(button, Qt::LeftButton);
  EXPECT_EQ(Render(button).pixel(probe), normal.pixel(probe));
}

TEST_F(ControlButtonTest, CountZeroTakesTheWholePicture) {
  TSkinControlButton* button = NewButton(1, 0, 0);
  QImage strip;
  GetInsideThemeBitmap(TSkinUIStyle::DeepBlue, 1, &strip);
  EXPECT_EQ(button->size(), strip.size());
}

TEST_F(ControlButtonTest, FramesThatDoNotExistShowNothing) {
  const struct {
    int themeId, count, index;
  } cases[] = {{0, 3, 1}, {49, 3, 1}, {-1, 3, 1}, {2, 3, 1}, {1, 3, 0}, {1, 3, 4}, {1, -2, 1}};
  for (const auto& c : cases) {
    TSkinControlButton* button = NewButton(c.themeId, c.count, c.index);
    EXPECT_EQ(button->size(), QSize(80, 27)) << c.themeId << " " << c.count << " " << c.index;
    EXPECT_EQ(Render(button).pixel(40, 13), kButtonColour);
    delete button;
  }
  // The last frame has no frame after it for the mouse-over look.
  TSkinControlButton* last = NewButton(1, 3, 3);
  Hover(last);
  EXPECT_EQ(Render(last).pixel(37, 10), kButtonColour);
}

class SpeedButtonTest : public ControlPictureTest {};

TEST_F(SpeedButtonTest, GlyphOnItsColourWithAFrameUnderTheMouse) {
  auto* button = new TSkinToolBarSpeedButton(&form);
  EXPECT_EQ(button->size(), QSize(18, 18));
  button->move(20, 20);
  button->show();
  button->SetColor(0x00302010);  // TColor: blue in the third byte
  QImage glyph(16, 16, QImage::Format_RGB32);
  glyph.fill(QColor(0, 200, 0));
  glyph.setPixel(0, 15, 0xFFFF0000);  // bottom left: the see-through key
  glyph.setPixel(5, 5, 0xFFFF0000);
  button->SetGlyph(glyph);
  const QRgb colour = 0xFF102030;

  QImage face = Render(button);
  EXPECT_EQ(face.pixel(0, 0), colour);
  EXPECT_EQ(face.pixel(17, 17), colour);
  EXPECT_EQ(face.pixel(1, 1), 0xFF00C800);
  EXPECT_EQ(face.pixel(6, 6), colour) << "key-coloured glyph pixels show the colour";
  EXPECT_EQ(face.pixel(1, 16), colour);

  Hover(button);
  ASSERT_TRUE(button->IsHot());
  face = Render(button);
  for (int i = 0; i < 18; ++i) {
    for (QPoint p : {QPoint(i, 0), QPoint(i, 17), QPoint(0, i), QPoint(17, i)}) {
      EXPECT_EQ(face.pixel(p), 0xFF000000) << p.x() << ", " << p.y();
    }
  }
  EXPECT_EQ(face.pixel(1, 1), 0xFF00C800);

  button->SetGlyph(QImage());
  EXPECT_EQ(Render(button).pixel(0, 0), colour) << "no glyph, no frame";
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_FALSE(button->IsHot());
}

TEST_F(SpeedButtonTest, ClicksOnAReleaseOverIt) {
  TSkinToolBarSpeedButton button(&form);
  button.show();
  QSignalSpy clicks(&button, &TSkinToolBarSpeedButton::OnClick);
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 3));
  QTest::mouseClick(&button, Qt::RightButton);
  EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
