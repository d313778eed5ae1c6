// Scroll-bar and combo-box information.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

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

}  // namespace
