// The compiled-in pictures of the looks: every one exists with its exact size as a 24-bit BMP,
// the table's picture entries resolve to them, frames are cut as the controls cut them, and
// magenta sits where the controls let the background show through (and nowhere else where
// they draw opaque).
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <vector>

#include "skin/look/builtinlooks.h"
#include "skin/paint/slicing_p.h"

namespace {

constexpr TSkinUIStyle kLooks[] = {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP, TSkinUIStyle::DeepBlue,
                                   TSkinUIStyle::Protein, TSkinUIStyle::BlueGlass};
const char* const kPrefixes[] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};

// Whole sizes per look: MacOS, WinXP, DeepBlue, Protein, BlueGlass.
struct ElementSizes {
  const char* element;
  QSize size[5];
};

const ElementSizes kElementSizes[] = {
    {"BUTTON", {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}},
    {"CHECKBOX", {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {"RADIOBUTTON", {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {"TITLEBTN", {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}},
    {"TITLE_LEFT", {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
    {"TITLE_CLIENT", {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
    {"TITLE_RIGHT", {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
    {"PROGRESSBAR", {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
    {"TRACKBAR_BAR", {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
    {"TRACKBAR_SLIDER", {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
    {"TRACKBAR_SLIDER_V", {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
    {"SCROLLBAR_BUTTON", {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
    {"SCROLLBAR_TRACK", {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}},
    {"CHECKLIST", {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}},
    {"TAB", {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}},
    {"TAB_LINE", {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
    {"SIDECHENNEL_HANDLE", {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
    {"SIDECHENNEL_BAR", {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}},
};

struct NamedSize {
  QString name;
  QSize size;
};

std::vector<NamedSize> AllResources() {
  std::vector<NamedSize> all;
  for (const ElementSizes& element : kElementSizes) {
    for (int look = 0; look < 5; ++look) {
      all.push_back({QString("%1_%2").arg(kPrefixes[look], element.element), element.size[look]});
    }
  }
  all.push_back({"MACOS_SCROLLBUTTON", {72, 18}});
  all.push_back({"WINXP_SCROLLBUTTON", {72, 18}});
  all.push_back({"MORE_SCROLLBUTTON", {72, 17}});
  all.push_back({"MACOS_FORM_BACKGROUND", {8, 8}});
  all.push_back({"PROTEIN_FORM_BACKGROUND", {8, 8}});
  all.push_back({"MACOS_MENU_BAR", {1, 22}});
  all.push_back({"MACOS_MENU_SELECT", {1, 21}});
  all.push_back({"MACOS_COMBOBOX_BUTTON", {16, 17}});
  all.push_back({"WINXP_COMBOBOX_BUTTON", {16, 18}});
  all.push_back({"MENU_CHECKED", {16, 16}});
  all.push_back({"MDI_CONTROL_BUTTON", {48, 16}});
  all.push_back({"PANEL_BUTTON", {52, 12}});
  all.push_back({"NOTICEPOPFORM", {181, 116}});
  return all;
}

bool IsMagenta(QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFF00FF; }

int MagentaCount(const QImage& picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += IsMagenta(picture.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

std::vector<QImage> Frames(const QString& name, int count) {
  const QImage strip = LoadSkinResource(name);
  std::vector<QImage> frames;
  for (int k = 1; k <= count; ++k) {
    QImage frame;
    SpitBitmap(strip, frame, count, k);
    frames.push_back(frame);
  }
  return frames;
}

TEST(LooksResources, EveryPictureExistsWithItsSizeAs24BitBmp) {
  for (const NamedSize& resource : AllResources()) {
    SCOPED_TRACE(resource.name.toStdString());
    const QImage picture = LoadSkinResource(resource.name);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), resource.size);
    QFile file(":/looks/" + resource.name + ".bmp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(header[28]) | quint8(header[29]) << 8, 24);  // bits per pixel
    EXPECT_EQ(quint8(header[30]), 0);                             // not compressed
  }
}

TEST(LooksResources, UnknownNamesGiveNoPicture) {
  EXPECT_TRUE(LoadSkinResource("NO_SUCH_PICTURE").isNull());
  EXPECT_TRUE(LoadSkinResource("").isNull());
  EXPECT_TRUE(LoadSkinResource("../looks/MACOS_BUTTON").isNull());
}

// Every picture entry of the built-in table names a picture that exists; entry 38 of DeepBlue,
// Protein and BlueGlass is the shared MORE_SCROLLBUTTON.
TEST(LooksResources, TablePictureEntriesResolve) {
  for (TSkinUIStyle style : kLooks) {
    for (int entry = 1; entry <= kSkinThemeEntryCount; ++entry) {
      if (SkinEntryKind(entry) != skinItemBitmap || entry == 43 || entry == 45 || entry == 46) {
        continue;
      }
      QImage picture;
      GetInsideThemeBitmap(style, entry, &picture);
      EXPECT_FALSE(picture.isNull()) << "style " << int(style) << " entry " << entry;
    }
  }
  for (TSkinUIStyle style :
       {TSkinUIStyle::DeepBlue, TSkinUIStyle::Protein, TSkinUIStyle::BlueGlass}) {
    QImage picture;
    GetInsideThemeBitmap(style, 38, &picture);
    EXPECT_EQ(picture, LoadSkinResource("MORE_SCROLLBUTTON"));
  }
  QImage macos;
  GetInsideThemeBitmap(TSkinUIStyle::MacOS, 38, &macos);
  EXPECT_EQ(macos, LoadSkinResource("MACOS_SCROLLBUTTON"));
}

TEST(LooksResources, FramesAreCutFromTheStrip) {
  QImage close;
  GetInsideThemeBitmap(TSkinUIStyle::WinXP, 5, &close, 18, 16);
  EXPECT_EQ(close.size(), QSize(21, 21));
  const QImage strip = LoadSkinResource("WINXP_TITLEBTN");
  EXPECT_EQ(close, strip.copy(15 * 21, 0, 21, 21));

  QImage whole;
  GetInsideThemeBitmap(TSkinUIStyle::WinXP, 5, &whole, 0, 0);
  EXPECT_EQ(whole.size(), QSize(378, 21));

  QImage last;
  GetInsideThemeBitmap(TSkinUIStyle::MacOS, 5, &last, 18, 18);
  EXPECT_EQ(last, LoadSkinResource("MACOS_TITLEBTN").copy(289, 0, 17, 17));

  QImage pressed;
  GetInsideThemeBitmap(TSkinUIStyle::BlueGlass, 1, &pressed, 3, 3);
  EXPECT_EQ(pressed.size(), QSize(77, 27));
}

// Frames of one strip show one element in different states: they must differ from each
// other (a state drawn twice by mistake shows no change).
TEST(LooksResources, StatesOfAStripDiffer) {
  struct StripCase {
    const char* element;
    int frames;
  };
  const StripCase strips[] = {{"BUTTON", 3},    {"CHECKBOX", 4},         {"RADIOBUTTON", 4},
                              {"TITLEBTN", 18}, {"SCROLLBAR_BUTTON", 6}, {"TAB", 2}};
  for (const char* prefix : kPrefixes) {
    for (const StripCase& strip : strips) {
      const QString name = QString("%1_%2").arg(prefix, strip.element);
      const std::vector<QImage> frames = Frames(name, strip.frames);
      for (int a = 0; a < strip.frames; ++a) {
        for (int b = a + 1; b < strip.frames; ++b) {
          EXPECT_NE(frames[a], frames[b])
              << name.toStdString() << " frames " << a + 1 << ", " << b + 1;
        }
      }
    }
  }
}

enum class Key { TopLeft, BottomLeft, None };

struct KeyCase {
  const char* element;  // with the look's prefix, or a whole name when prefix is false
  int frames;
  Key key;
};

// Where each control lets its background through: keyed pictures carry magenta at the pixel
// the control keys on (its corner); pictures drawn opaque carry none, or it would show.
void ExpectKeying(const QString& name, int frames, Key key) {
  SCOPED_TRACE(name.toStdString());
  for (const QImage& frame : Frames(name, frames)) {
    switch (key) {
      case Key::TopLeft:
        EXPECT_TRUE(IsMagenta(frame.pixel(0, 0)));
        EXPECT_LT(MagentaCount(frame), frame.width() * frame.height() / 2);
        break;
      case Key::BottomLeft:
        EXPECT_TRUE(IsMagenta(frame.pixel(0, frame.height() - 1)));
        EXPECT_LE(MagentaCount(frame), frame.width() * frame.height() - 8);  // not left empty
        break;
      case Key::None:
        EXPECT_EQ(MagentaCount(frame), 0);
        break;
    }
  }
}

TEST(LooksResources, MagentaWhereTheBackgroundShowsThrough) {
  const KeyCase everyLook[] = {
      {"RADIOBUTTON", 4, Key::BottomLeft},      // the toolkit's automatic key
      {"TRACKBAR_SLIDER", 1, Key::BottomLeft},  // a transparent image panel
      {"SCROLLBAR_BUTTON", 6, Key::TopLeft},    // image buttons key on their top-left pixel
      {"TAB", 2, Key::TopLeft},                 // three-slice drawing keyed on magenta
      {"TRACKBAR_BAR", 1, Key::TopLeft},
      {"CHECKBOX", 4, Key::None},  // drawn opaque
      {"TRACKBAR_SLIDER_V", 1, Key::None},
      {"SCROLLBAR_TRACK", 3, Key::None},
      {"TITLE_LEFT", 1, Key::None},
      {"TITLE_CLIENT", 1, Key::None},
      {"TITLE_RIGHT", 1, Key::None},
      {"PROGRESSBAR", 1, Key::None},
      {"TAB_LINE", 1, Key::None},
      {"SIDECHENNEL_BAR", 1, Key::None},
  };
  for (int look = 0; look < 5; ++look) {
    for (const KeyCase& c : everyLook) {
      ExpectKeying(QString("%1_%2").arg(kPrefixes[look], c.element), c.frames, c.key);
    }
    // Buttons: corners keyed only in looks with transparent buttons; caption buttons keyed on
    // their bottom-left pixel only in looks with transparent caption buttons.
    const QString prefix = kPrefixes[look];
    ExpectKeying(prefix + "_BUTTON", 3,
                 GetInsideThemeBool(kLooks[look], 2) ? Key::TopLeft : Key::None);
    ExpectKeying(prefix + "_TITLEBTN", 18,
                 GetInsideThemeBool(kLooks[look], 6) ? Key::BottomLeft : Key::None);
  }
  ExpectKeying("MACOS_SCROLLBUTTON", 4, Key::BottomLeft);
  ExpectKeying("WINXP_SCROLLBUTTON", 4, Key::BottomLeft);
  ExpectKeying("MORE_SCROLLBUTTON", 4, Key::BottomLeft);
  ExpectKeying("MDI_CONTROL_BUTTON", 3, Key::BottomLeft);
  for (const char* opaque : {"MACOS_FORM_BACKGROUND", "PROTEIN_FORM_BACKGROUND", "MACOS_MENU_BAR",
                             "MACOS_MENU_SELECT", "MACOS_COMBOBOX_BUTTON", "WINXP_COMBOBOX_BUTTON",
                             "MENU_CHECKED", "PANEL_BUTTON", "NOTICEPOPFORM"}) {
    ExpectKeying(opaque, 1, Key::None);
  }
}

// The pieces the controls stretch sideways must not change from column to column, or the
// stretching smears them.
TEST(LooksResources, StretchedPiecesAreUniformAcross) {
  struct Piece {
    const char* element;
    int frames;
    int frame;  // the stretched frame (the middle third of a three-slice strip)
  };
  const Piece pieces[] = {{"TITLE_CLIENT", 1, 1},
                          {"TRACKBAR_BAR", 3, 2},
                          {"SCROLLBAR_TRACK", 3, 2},
                          {"TAB_LINE", 1, 1},
                          {"PROGRESSBAR", 1, 1}};
  for (const char* prefix : kPrefixes) {
    for (const Piece& piece : pieces) {
      const QString name = QString("%1_%2").arg(prefix, piece.element);
      const QImage stretched = Frames(name, piece.frames)[piece.frame - 1];
      for (int x = 1; x < stretched.width(); ++x) {
        EXPECT_EQ(stretched.copy(x, 0, 1, stretched.height()),
                  stretched.copy(0, 0, 1, stretched.height()))
            << name.toStdString() << " column " << x;
      }
    }
    // The middle third of both tab frames.
    for (const QImage& tab : Frames(QString(prefix) + "_TAB", 2)) {
      const int third = tab.width() / 3;
      for (int x = third + 1; x < 2 * third; ++x) {
        EXPECT_EQ(tab.copy(x, 0, 1, tab.height()), tab.copy(third, 0, 1, tab.height()))
            << prefix << "_TAB column " << x;
      }
    }
  }
}

// Opaque caption buttons stand on the title: their background is the title's own rows.
TEST(LooksResources, OpaqueCaptionButtonsMatchTheTitleBehindThem) {
  for (int look = 0; look < 5; ++look) {
    if (GetInsideThemeBool(kLooks[look], 6)) continue;
    const QString prefix = kPrefixes[look];
    const QImage client = LoadSkinResource(prefix + "_TITLE_CLIENT");
    const int top = GetInsideThemeInt(kLooks[look], 9);
    const std::vector<QImage> frames = Frames(prefix + "_TITLEBTN", 18);
    for (int k = 4; k <= 18; ++k) {  // the control box (1-3) stands one row higher
      const QImage& frame = frames[k - 1];
      EXPECT_EQ(frame.pixel(0, 0), client.pixel(0, top)) << prefix.toStdString() << " frame " << k;
      EXPECT_EQ(frame.pixel(0, frame.height() - 1), client.pixel(0, top + frame.height() - 1))
          << prefix.toStdString() << " frame " << k;
    }
    EXPECT_EQ(frames[0].pixel(0, 0), client.pixel(0, top - 1)) << prefix.toStdString();
  }
}

TEST(LooksResources, NoticeWindowShowsItsCloseBox) {
  const QImage notice = LoadSkinResource("NOTICEPOPFORM");
  // The close box's outline runs along x 162 and 175, y 6 and 19; just outside it the title
  // band continues.
  EXPECT_NE(notice.pixel(162, 12), notice.pixel(160, 12));
  EXPECT_NE(notice.pixel(175, 12), notice.pixel(177, 12));
  EXPECT_NE(notice.pixel(168, 6), notice.pixel(168, 4));
  EXPECT_NE(notice.pixel(168, 19), notice.pixel(168, 21));
}

TEST(LooksResources, MenuCheckMarkIsBlackOnItsWhiteMask) {
  const QImage mark = LoadSkinResource("MENU_CHECKED");
  int black = 0, other = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const QRgb pixel = mark.pixel(x, y) & 0xFFFFFF;
      if (pixel == 0x000000) {
        ++black;
      } else if (pixel != 0xFFFFFF) {
        ++other;
      }
    }
  }
  EXPECT_GT(black, 10);
  EXPECT_EQ(other, 0);  // a pale fringe would show on a coloured item
}

}  // namespace
