// What the frame's components make of a theme file's control text colour when the theme leaves
// out a colour of theirs: the title bar's caption, the menu bar's colour and its text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <memory>

#include "skin/look/filetheme.h"
#include "skin/look/themefilewriter.h"
#include "skin/window/mainmenu.h"
#include "skin/window/menubar.h"
#include "skin/window/menubarbutton.h"
#include "skinformfixture.h"
#include "tests/skin/support/themefilebytes.h"

namespace {

constexpr TColor kBody = 0x00FF00;
constexpr TColor kMenuText = 0x0000FF;  // red

class ThemeMarkerTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    menu = new TSkinMainMenu(&window);
    menu->addMenu("&File")->addAction("&Open");
    skin->SetMenu(menu);
  }

  // A theme whose ControlFontColor is controlFont; own colours only when given.
  void UseTheme(TColor controlFont, TColor titleFont = kNone, TColor menuBar = kNone) {
    const QString path = scratch.Path(QStringLiteral("marked.skin"));
    {
      TSkinThemeFileWriter writer(path);
      writer.AddInteger("FormBackgroundColor", kBody);
      writer.AddInteger("MenuFontColor", kMenuText);
      writer.AddInteger("ControlFontColor", static_cast<std::int32_t>(controlFont));
      if (titleFont != kNone) writer.AddInteger("TitleBarFontColor", titleFont);
      if (menuBar != kNone) writer.AddInteger("MenuMenuBarColor", menuBar);
      writer.Save();
    }
    theme = std::make_unique<TSkinFileTheme>();
    theme->SetThemeFile(path);
    ASSERT_TRUE(theme->CanUse());
    skin->SetLook(TSkinUIStyle::FromThemeFile, theme.get());
  }

  // Whether the first menu bar button's caption shows in the colour, the pointer away from it.
  bool CaptionIn(QRgb colour) const {
    TSkinMenuBarButton* button = skin->MenuBar()->Buttons()[0];
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        if (shown.pixel(x, y) == colour) return true;
      }
    }
    return false;
  }

  static constexpr TColor kNone = 0xFFFFFFFF;
  TSkinMainMenu* menu = nullptr;
  ScratchFolder scratch;
  std::unique_ptr<TSkinFileTheme> theme;
};

TEST_F(ThemeMarkerTest, ControlTextColourDecidesWhatTheThemeLeavesOut) {
  struct Case {
    TColor controlFont;
    TColor titleCaption;
    TColor menuBarColor;
    bool whiteMenuText;
  } const cases[] = {
      {0x010000, clBlack, kBody, false},   {0x020000, clWhite, 0xAC5B3B, false},
      {0x030000, clBlack, 0x996733, true}, {0x040000, clBlack, kBody, false},
      {0x050000, clBlack, kBody, false},   {0x7A5316, clWhite, kBody, false},
      {0x000000, clWhite, kBody, false},   {0x060000, clWhite, kBody, false},
  };
  for (const Case& c : cases) {
    UseTheme(c.controlFont);
    EXPECT_EQ(Bar()->FontColor(), c.titleCaption) << std::hex << c.controlFont;
    EXPECT_EQ(skin->MenuBarColor(), c.menuBarColor) << std::hex << c.controlFont;
    EXPECT_EQ(CaptionIn(0xFFFFFFFF), c.whiteMenuText) << std::hex << c.controlFont;
    EXPECT_EQ(CaptionIn(0xFFFF0000), !c.whiteMenuText) << std::hex << c.controlFont;
  }
}

TEST_F(ThemeMarkerTest, ColoursTheThemeGivesWinOverTheMarker) {
  UseTheme(0x030000, 0x00FFFF, 0x123456);
  EXPECT_EQ(Bar()->FontColor(), 0x00FFFFu);
  EXPECT_EQ(skin->MenuBarColor(), 0x123456u);
  EXPECT_TRUE(CaptionIn(0xFFFFFFFF)) << "the menu bar has no text colour of its own in a theme";
}

}  // namespace
