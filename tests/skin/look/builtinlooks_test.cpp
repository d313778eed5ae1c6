// The typed look-ups of the built-in table: values per look, defaults for wrong kinds and for
// styles and entries out of range.
#include "skin/look/builtinlooks.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

constexpr TSkinUIStyle kLooks[] = {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP, TSkinUIStyle::DeepBlue,
                                   TSkinUIStyle::Protein, TSkinUIStyle::BlueGlass};

struct IntCase {
  TSkinUIStyle style;
  int entry;
  int expected;
};

TEST(LooksLookup, IntegersOfEachLook) {
  const IntCase cases[] = {
      {TSkinUIStyle::MacOS, 7, 3},        {TSkinUIStyle::MacOS, 8, -2},
      {TSkinUIStyle::MacOS, 9, 4},        {TSkinUIStyle::WinXP, 14, 13},
      {TSkinUIStyle::WinXP, 17, 3},       {TSkinUIStyle::WinXP, 9, 5},
      {TSkinUIStyle::DeepBlue, 13, 130},  {TSkinUIStyle::DeepBlue, 7, 0},
      {TSkinUIStyle::Protein, 9, 2},      {TSkinUIStyle::BlueGlass, 8, -3},
      {TSkinUIStyle::BlueGlass, 13, 270}, {TSkinUIStyle::BlueGlass, 14, 11},
      {TSkinUIStyle::BlueGlass, 47, 0},
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(GetInsideThemeInt(c.style, c.entry), c.expected)
        << "style " << int(c.style) << " entry " << c.entry;
  }
}

struct ColorCase {
  TSkinUIStyle style;
  int entry;
  TColor expected;
};

TEST(LooksLookup, ColoursOfEachLook) {
  const ColorCase cases[] = {
      {TSkinUIStyle::MacOS, 15, 0xE7E7E7},     {TSkinUIStyle::MacOS, 16, 0x7F7F7F},
      {TSkinUIStyle::MacOS, 21, 0x000000},     {TSkinUIStyle::WinXP, 16, 0xC82C00},
      {TSkinUIStyle::WinXP, 19, 0xEFD3C6},     {TSkinUIStyle::WinXP, 27, 0xCF4602},
      {TSkinUIStyle::WinXP, 37, 0xE1AC93},     {TSkinUIStyle::DeepBlue, 18, 0xA04A44},
      {TSkinUIStyle::DeepBlue, 31, 0xF5F5F5},  {TSkinUIStyle::Protein, 15, 0xFBFBFB},
      {TSkinUIStyle::Protein, 18, 0xC4302D},   {TSkinUIStyle::BlueGlass, 19, 0xEC5E5E},
      {TSkinUIStyle::BlueGlass, 21, 0xE7E7E7}, {TSkinUIStyle::BlueGlass, 31, 0xF4F4F4},
      {TSkinUIStyle::BlueGlass, 44, 0xFFFFFF}, {TSkinUIStyle::MacOS, 44, 0x000000},
      {TSkinUIStyle::Protein, 48, 0xFBFBFB},
  };
  for (const ColorCase& c : cases) {
    EXPECT_EQ(GetInsideThemeColor(c.style, c.entry), c.expected)
        << "style " << int(c.style) << " entry " << c.entry;
  }
}

TEST(LooksLookup, BooleansOfEachLook) {
  // Entries 2 (transparent buttons) and 6 (transparent caption buttons), per look.
  const bool buttons[] = {true, false, false, false, true};
  const bool captionButtons[] = {false, false, false, true, true};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(GetInsideThemeBool(kLooks[i], 2), buttons[i]) << "look " << i;
    EXPECT_EQ(GetInsideThemeBool(kLooks[i], 6), captionButtons[i]) << "look " << i;
  }
}

// Every getter answers its default for an entry of another kind, in every look.
TEST(LooksLookup, WrongKindGivesTheDefault) {
  for (TSkinUIStyle style : kLooks) {
    for (int entry = 1; entry <= kSkinThemeEntryCount; ++entry) {
      const int kind = SkinEntryKind(entry);
      if (kind != skinItemInt) {
        EXPECT_EQ(GetInsideThemeInt(style, entry), -1) << entry;
      }
      if (kind != skinItemColor) {
        EXPECT_EQ(GetInsideThemeColor(style, entry), 0u) << entry;
      }
      if (kind != skinItemBool) {
        EXPECT_FALSE(GetInsideThemeBool(style, entry)) << entry;
      }
      if (kind != skinItemBitmap) {
        QImage untouched(3, 2, QImage::Format_RGB32);
        untouched.fill(Qt::green);
        GetInsideThemeBitmap(style, entry, &untouched);
        EXPECT_EQ(untouched.size(), QSize(3, 2)) << entry;
        EXPECT_EQ(untouched.pixel(0, 0), QColor(Qt::green).rgb()) << entry;
      }
    }
  }
}

TEST(LooksLookup, TheDocumentedWrongKindCases) {
  EXPECT_EQ(GetInsideThemeInt(TSkinUIStyle::MacOS, 15), -1);    // a colour entry
  EXPECT_EQ(GetInsideThemeColor(TSkinUIStyle::MacOS, 14), 0u);  // an integer entry
  EXPECT_FALSE(GetInsideThemeBool(TSkinUIStyle::MacOS, 13));
}

// FromThemeFile and values past BlueGlass are no built-in look; entries outside 1..48 do not
// exist. Neither is an error.
TEST(LooksLookup, StylesAndEntriesOutOfRangeReadAsAbsent) {
  const TSkinUIStyle styles[] = {TSkinUIStyle::FromThemeFile, static_cast<TSkinUIStyle>(6),
                                 static_cast<TSkinUIStyle>(255)};
  for (TSkinUIStyle style : styles) {
    EXPECT_EQ(GetInsideThemeInt(style, 7), -1);
    EXPECT_EQ(GetInsideThemeColor(style, 15), 0u);
    EXPECT_FALSE(GetInsideThemeBool(style, 2));
    QImage picture;
    GetInsideThemeBitmap(style, 1, &picture);
    EXPECT_TRUE(picture.isNull());
  }
  for (int entry : {0, -1, 49, 1000}) {
    EXPECT_EQ(GetInsideThemeInt(TSkinUIStyle::MacOS, entry), -1);
    EXPECT_EQ(GetInsideThemeColor(TSkinUIStyle::MacOS, entry), 0u);
    EXPECT_FALSE(GetInsideThemeBool(TSkinUIStyle::MacOS, entry));
    QImage picture;
    GetInsideThemeBitmap(TSkinUIStyle::MacOS, entry, &picture);
    EXPECT_TRUE(picture.isNull());
  }
}

TEST(LooksLookup, BitmapIntoNoTargetDoesNothing) {
  GetInsideThemeBitmap(TSkinUIStyle::WinXP, 5, nullptr, 18, 16);
}

// Entries 43, 45 and 46 have no built-in picture: the target keeps what it held.
TEST(LooksLookup, EntriesWithoutPictureLeaveTheTarget) {
  for (TSkinUIStyle style : kLooks) {
    for (int entry : {43, 45, 46}) {
      QImage held(4, 4, QImage::Format_RGB32);
      held.fill(Qt::blue);
      GetInsideThemeBitmap(style, entry, &held);
      EXPECT_EQ(held.size(), QSize(4, 4));
      EXPECT_EQ(held.pixel(1, 1), QColor(Qt::blue).rgb());
    }
  }
}

}  // namespace
