#pragma once
// A shown, active top-level window to put controls on, for tests that drive them with real key
// and mouse events. A fixture that must place its controls first calls SetUp after doing so.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

class ActiveWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_.resize(300, 200);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  QWidget window_;
};
