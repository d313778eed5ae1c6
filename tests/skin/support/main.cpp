// Skin tests run widgets on the offscreen platform, inside one QApplication. The platform has
// the default 800 × 600 primary screen at (0, 0) and a second screen to its right whose area
// does not start at the origin (support/screens.json).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SKIN_TESTS_SCREENS);
  QApplication app(argc, argv);
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
