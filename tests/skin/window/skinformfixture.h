#pragma once
// A shown, active window of 300 × 200 at (50, 50) carrying a MacOS TSkinForm, for the tests of
// the frame, the title bar and the menu bar.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "skin/window/form.h"
#include "skin/window/titlebar.h"

class SkinFormTest : public testing::Test {
 protected:
  void SetUp() override {
    window.setGeometry(50, 50, 300, 200);
    skin = new TSkinForm(&window);
    skin->SetUIStyle(TSkinUIStyle::MacOS);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  TSkinTitleBar* Bar() const { return skin->TitleBar(); }

  // The index of the first button of the type.
  int ButtonOf(TSkinTitleBarBtnType type) const {
    for (int i = 0; i < Bar()->Buttons().Count(); ++i) {
      if (Bar()->Buttons().Items(i)->ButtonType() == type) return i;
    }
    return -1;
  }

  // The centre of the button's picture, in bar pixels.
  QPoint CentreOf(TSkinTitleBarBtnType type) const {
    const int index = ButtonOf(type);
    for (const TSkinTitleBarPlacement::Placed& placed : Bar()->Place().buttons) {
      if (placed.index == index) return placed.rect.center();
    }
    return Bar()->Place().controlBoxRect.center();
  }

  // What the window shows, its frame included.
  QImage Shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

  QWidget window;
  TSkinForm* skin = nullptr;
};
