// TColor values as Qt colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "skin/look/builtinlooks.h"

namespace {

TEST(LooksColor, PlainColoursAreBlueGreenRedFromTheHighByte) {
  EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(ToQColor(0xDEEBEF), QColor(0xEF, 0xEB, 0xDE));
  EXPECT_EQ(ToQColor(0xFF00FF), QColor(255, 0, 255));
}

struct SystemCase {
  TColor color;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// A palette whose roles all differ, so that a colour mapped onto the wrong role shows.
class LooksSystemColor : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = QApplication::palette();
    QPalette distinct;
    int n = 1;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled, QPalette::Inactive}) {
      for (int role = 0; role < QPalette::NColorRoles; ++role) {
        distinct.setColor(group, QPalette::ColorRole(role), QColor(n * 3 % 256, n * 7 % 256, n));
        ++n;
      }
    }
    QApplication::setPalette(distinct);
  }
  void TearDown() override { QApplication::setPalette(saved_); }
  QPalette saved_;
};

TEST_F(LooksSystemColor, SystemColoursFollowThePalette) {
  const SystemCase cases[] = {
      {clHighlight, QPalette::Active, QPalette::Highlight},
      {clHighlightText, QPalette::Active, QPalette::HighlightedText},
      {clBtnFace, QPalette::Active, QPalette::Button},
      {clBtnText, QPalette::Active, QPalette::ButtonText},
      {clWindow, QPalette::Active, QPalette::Base},
      {clWindowText, QPalette::Active, QPalette::Text},
      {clMenuText, QPalette::Active, QPalette::WindowText},
      {clGrayText, QPalette::Disabled, QPalette::Text},
      {clInfoBk, QPalette::Active, QPalette::ToolTipBase},
  };
  const QPalette palette = QApplication::palette();
  for (const SystemCase& c : cases) {
    EXPECT_EQ(ToQColor(c.color), palette.color(c.group, c.role)) << std::hex << c.color;
  }
}

TEST_F(LooksSystemColor, UnknownSystemIndexesAreBlack) {
  EXPECT_EQ(ToQColor(clSystemColor | 25), QColor(Qt::black));
  EXPECT_EQ(ToQColor(clSystemColor | 31), QColor(Qt::black));
  EXPECT_EQ(ToQColor(0xFFFFFFFF), QColor(Qt::black));
}

}  // namespace
