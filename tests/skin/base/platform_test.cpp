// Scroll-bar and combo-box information and the sliding window animation.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QVariantAnimation>

#include "skin/base/platform_p.h"

namespace {

TEST(SkinGetScrollBarInfo, ReportsInvisibleUntilTheListOverflows) {
  QListWidget list;
  list.resize(120, 100);
  list.addItem(QStringLiteral("one"));
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  SkinScrollBarInfo info;
  ASSERT_TRUE(SkinGetScrollBarInfo(&list, Qt::Vertical, &info));
  EXPECT_EQ(info.state, kSkinScrollBarInvisible);

  for (int i = 0; i < 60; ++i) list.addItem(QString::number(i));
  QCoreApplication::processEvents();
  list.verticalScrollBar()->setValue(5);
  ASSERT_TRUE(SkinGetScrollBarInfo(&list, Qt::Vertical, &info));
  EXPECT_EQ(info.state, 0);
  EXPECT_EQ(info.value, 5);
  list.setEnabled(false);
  ASSERT_TRUE(SkinGetScrollBarInfo(&list, Qt::Vertical, &info));
  EXPECT_EQ(info.state, 0) << "a disabled list leaves its bar's state alone";
  list.setEnabled(true);
  EXPECT_GT(info.maximum, info.minimum);
  EXPECT_GT(info.thumbBottom, info.thumbTop);
  EXPECT_LE(info.thumbBottom, info.bar.height());
  EXPECT_EQ(info.bar.size(), list.verticalScrollBar()->size());

  list.verticalScrollBar()->setEnabled(false);
  ASSERT_TRUE(SkinGetScrollBarInfo(&list, Qt::Vertical, &info));
  EXPECT_EQ(info.state, kSkinScrollBarUnavailable);
  EXPECT_FALSE(SkinGetScrollBarInfo(nullptr, Qt::Vertical, &info));
}

TEST(SkinGetComboBoxInfo, GivesTheButtonAndTheList) {
  QComboBox combo;
  combo.addItems({QStringLiteral("a"), QStringLiteral("b")});
  combo.resize(150, 24);
  SkinComboBoxInfo info;
  ASSERT_TRUE(SkinGetComboBoxInfo(&combo, &info));
  EXPECT_TRUE(QRect(0, 0, 150, 24).contains(info.button));
  EXPECT_FALSE(info.button.isEmpty());
  EXPECT_GT(info.button.left(), info.item.left()) << "the button is right of the text field";
  EXPECT_NE(info.list, nullptr);
  EXPECT_FALSE(info.droppedDown);
  EXPECT_FALSE(SkinGetComboBoxInfo(nullptr, &info));
}

QVariantAnimation* Animation(QWidget& window) {
  return window.findChild<QVariantAnimation*>(QStringLiteral("SkinAnimateWindow"));
}

TEST(SkinAnimateWindow, SlidesInFromTheBottomAndOutTowardIt) {
  QWidget window;
  window.resize(100, 40);
  ASSERT_TRUE(SkinAnimateWindow(&window, 200, kSkinAnimateSlide | kSkinAnimateVerNegative));
  EXPECT_TRUE(window.isVisible());
  QVariantAnimation* in = Animation(window);
  ASSERT_NE(in, nullptr);
  in->setCurrentTime(100);
  EXPECT_EQ(window.mask(), QRegion(0, 20, 100, 20)) << "bottom half revealed";
  in->setCurrentTime(200);
  EXPECT_TRUE(window.mask().isEmpty()) << "whole window at the end";

  ASSERT_TRUE(SkinAnimateWindow(&window, 200,
                                kSkinAnimateHide | kSkinAnimateSlide | kSkinAnimateVerPositive));
  QVariantAnimation* out = Animation(window);
  ASSERT_NE(out, nullptr);
  out->setCurrentTime(150);
  EXPECT_EQ(window.mask(), QRegion(0, 30, 100, 10)) << "the top edge has moved down";
  out->setCurrentTime(200);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.mask().isEmpty());
}

TEST(SkinAnimateWindow, RefusesWithoutWindowTimeOrDirection) {
  QWidget window;
  EXPECT_FALSE(SkinAnimateWindow(nullptr, 200, kSkinAnimateVerNegative));
  EXPECT_FALSE(SkinAnimateWindow(&window, 0, kSkinAnimateVerNegative));
  EXPECT_FALSE(SkinAnimateWindow(&window, 200, kSkinAnimateSlide));
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Animation(window), nullptr);
}

}  // namespace
