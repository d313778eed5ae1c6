// Skinned menus: item sizes per look, how items are drawn, and that every submenu is skinned.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTest>

#include "skin/look/builtinlooks.h"
#include "skin/paint/keyedpicture_p.h"
#include "skin/window/mainmenu.h"
#include "skin/window/menudraw_p.h"
#include "skin/window/popupmenu.h"

namespace {

constexpr QRgb kUntouched = 0xFF123456;
constexpr int kItemWidth = 120;

QImage DrawnItem(const SkinMenuLook& look, const SkinMenuItem& item, int height) {
  QImage image(kItemWidth, height, QImage::Format_RGB32);
  image.fill(kUntouched);
  QPainter painter(&image);
  DrawMenuItem(painter, image.rect(), look, item);
  return image;
}

SkinMenuLook LookOf(TSkinUIStyle style) {
  TSkinPopupMenu menu;
  menu.SetUIStyle(style);
  SkinMenuLook look = menu.DrawLook();
  look.font.setStyleStrategy(QFont::NoAntialias);
  return look;
}

TEST(SkinMenu, ItemHeightsFollowTheLook) {
  struct Case {
    TSkinUIStyle style;
    int item;
    int separator;
  } cases[] = {{TSkinUIStyle::MacOS, 20, 12},
               {TSkinUIStyle::WinXP, 21, 5},
               {TSkinUIStyle::DeepBlue, 21, 5},
               {TSkinUIStyle::Protein, 21, 5},
               {TSkinUIStyle::BlueGlass, 21, 5}};
  for (const Case& c : cases) {
    TSkinPopupMenu menu;
    menu.SetUIStyle(c.style);
    QAction* open = menu.addAction("&Open");
    QAction* line = menu.addSeparator();
    QAction* dash = menu.addAction("-");  // a caption of "-" is a separator too
    EXPECT_EQ(menu.actionGeometry(open).height(), c.item) << int(c.style);
    EXPECT_EQ(menu.actionGeometry(line).height(), c.separator) << int(c.style);
    EXPECT_EQ(menu.actionGeometry(dash).height(), c.separator) << int(c.style);
    EXPECT_EQ(menu.BarWidth(), 26);
  }
}

TEST(SkinMenu, MacOSKeepsItsHeightsExceptAMainMenusItemHeight) {
  TSkinPopupMenu popup;
  popup.SetUIStyle(TSkinUIStyle::MacOS);
  popup.SetHeight(30);
  popup.SetSeparatorHeight(9);
  EXPECT_EQ(popup.MenuItemHeight(), 20);
  EXPECT_EQ(popup.SeparatorHeight(), 12);
  TSkinMainMenu main;
  main.SetUIStyle(TSkinUIStyle::MacOS);
  main.SetHeight(30);
  main.SetSeparatorHeight(9);
  EXPECT_EQ(main.MenuItemHeight(), 30);
  EXPECT_EQ(main.SeparatorHeight(), 12);
  popup.SetUIStyle(TSkinUIStyle::WinXP);
  popup.SetHeight(30);
  QAction* item = popup.addAction("Item");
  EXPECT_EQ(popup.actionGeometry(item).height(), 30);
}

TEST(SkinMenu, MeasuresCaptionShortcutColumnAndFortyPixels) {
  const SkinMenuLook look = LookOf(TSkinUIStyle::WinXP);
  const QFontMetrics metrics(look.font);
  SkinMenuItem item;
  item.caption = "&Save";
  item.shortcut = "Ctrl+S";
  EXPECT_EQ(
      MeasureMenuItem(look, item),
      QSize(metrics.horizontalAdvance("Save") + metrics.horizontalAdvance("Ctrl+S") + 26 + 40, 21));
}

TEST(SkinMenu, DisabledItemUnderThePointerKeepsTheNormalBackgroundAndGreyText) {
  const SkinMenuLook look = LookOf(TSkinUIStyle::WinXP);
  SkinMenuItem item;
  item.caption = "Paste";
  item.enabled = false;
  const QImage resting = DrawnItem(look, item, 21);
  item.selected = true;
  const QImage pointed = DrawnItem(look, item, 21);
  EXPECT_EQ(pointed, resting);
  EXPECT_EQ(pointed.pixel(kItemWidth - 1, 0), look.color.rgb()) << "not the selected fill";
  EXPECT_EQ(pointed.pixel(0, 0), look.barColor.rgb());
  bool grey = false;
  for (int y = 0; y < pointed.height(); ++y)
    for (int x = 30; x < kItemWidth; ++x) grey = grey || pointed.pixel(x, y) == 0xFF808080;
  EXPECT_TRUE(grey) << "the caption is grey";
}

TEST(SkinMenu, SelectedItemIsFilledAndFramedInTheSelectionColours) {
  const SkinMenuLook look = LookOf(TSkinUIStyle::WinXP);
  SkinMenuItem item;
  item.selected = true;
  const QImage shown = DrawnItem(look, item, 21);
  EXPECT_EQ(shown.pixel(0, 0), look.selectedBorderColor.rgb());
  EXPECT_EQ(shown.pixel(kItemWidth - 1, 20), look.selectedBorderColor.rgb());
  EXPECT_EQ(shown.pixel(5, 10), look.selectedColor.rgb());
}

TEST(SkinMenu, CheckedItemWithoutPictureShowsTheCheckMarkFourPixelsIn) {
  for (bool enabled : {true, false}) {
    const SkinMenuLook look = LookOf(TSkinUIStyle::WinXP);
    SkinMenuItem item;
    item.caption = "Grid";
    item.enabled = enabled;
    const QImage plain = DrawnItem(look, item, 21);
    item.checked = true;
    const QImage checked = DrawnItem(look, item, 21);
    QImage mark = LoadSkinResource("MENU_CHECKED");
    if (!enabled) mark = GreyedPicture(KeyedPicture(mark, 0xFFFFFFFF));
    const QRect place(4, 3, 16, 16);
    for (int y = 0; y < checked.height(); ++y) {
      for (int x = 0; x < checked.width(); ++x) {
        const QPoint at(x, y);
        const bool inMark = place.contains(at) && qAlpha(mark.pixel(at - place.topLeft())) != 0 &&
                            (mark.pixel(at - place.topLeft()) & 0xFFFFFF) != 0xFFFFFF;
        if (inMark) {
          EXPECT_EQ(checked.pixel(at), mark.pixel(at - place.topLeft()) | 0xFF000000)
              << x << "," << y;
        } else {
          EXPECT_EQ(checked.pixel(at), plain.pixel(at)) << x << "," << y << " enabled " << enabled;
        }
      }
    }
  }
}

TEST(SkinMenu, SeparatorIsALineTwoRowsDownClearOfTheColumn) {
  const SkinMenuLook look = LookOf(TSkinUIStyle::WinXP);
  SkinMenuItem item;
  item.separator = true;
  const QImage shown = DrawnItem(look, item, 5);
  for (int x = 0; x < kItemWidth; ++x) {
    const bool onLine = x >= 26 + 4 && x < kItemWidth - 2;
    const QRgb off = x < 26 ? look.barColor.rgb() : look.color.rgb();
    EXPECT_EQ(shown.pixel(x, 2), onLine ? look.separatorColor.rgb() : off) << x;
    EXPECT_EQ(shown.pixel(x, 1), off) << x;
  }
  item.rightToLeft = true;
  const QImage mirrored = DrawnItem(look, item, 5);
  EXPECT_EQ(mirrored.pixel(kItemWidth - 1, 0), look.barColor.rgb());
  EXPECT_EQ(mirrored.pixel(2, 2), look.separatorColor.rgb());
  EXPECT_NE(mirrored.pixel(kItemWidth - 30, 2), look.separatorColor.rgb());
}

TEST(SkinMenu, MacOSItemsAreCutFromTheMenuPictures) {
  const SkinMenuLook look = LookOf(TSkinUIStyle::MacOS);
  const QImage bar = LoadSkinResource("MACOS_MENU_BAR");
  const QImage select = LoadSkinResource("MACOS_MENU_SELECT");
  SkinMenuItem item;
  const QImage resting = DrawnItem(look, item, 20);
  item.selected = true;
  const QImage selected = DrawnItem(look, item, 20);
  item = SkinMenuItem();
  item.separator = true;
  const QImage separator = DrawnItem(look, item, 12);
  for (int y = 0; y < 20; ++y) {
    EXPECT_EQ(resting.pixel(60, y), bar.pixel(0, y)) << y;
    EXPECT_EQ(selected.pixel(60, y), select.pixel(0, y)) << y;
  }
  for (int y = 0; y < 12; ++y) EXPECT_EQ(separator.pixel(60, y), bar.pixel(0, y)) << y;
}

TEST(SkinMenu, FlatBorderFramesTheMenuWindow) {
  QImage image(10, 8, QImage::Format_RGB32);
  image.fill(kUntouched);
  QPainter painter(&image);
  const QRgb edge = 0xFF00FF00;
  Menu_DrawWindowBorder(painter, image.rect(), Qt::black, QColor(edge));
  painter.end();
  const QRgb k = 0xFF000000, w = 0xFFFFFFFF, e = edge, u = kUntouched;
  const QRgb expected[8][10] = {{u, e, e, e, e, e, e, e, e, e}, {k, k, k, k, k, k, k, k, k, e},
                                {k, w, w, w, w, w, w, w, k, e}, {k, w, u, u, u, u, u, w, k, e},
                                {k, w, u, u, u, u, u, w, k, e}, {k, w, w, w, w, w, w, w, k, e},
                                {k, k, k, k, k, k, k, k, k, e}, {e, e, e, e, e, e, e, e, e, e}};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(image.pixel(x, y), expected[y][x]) << x << "," << y;
}

TEST(SkinMenu, SubmenusAddedLaterAreSkinnedToo) {
  TSkinMainMenu menu;
  menu.SetUIStyle(TSkinUIStyle::MacOS);
  QMenu* file = menu.addMenu("&File");
  QMenu* recent = file->addMenu("Recent");
  QAction* entry = recent->addAction("one.jpg");
  EXPECT_EQ(file->style(), menu.style());
  EXPECT_EQ(recent->style(), menu.style());
  EXPECT_EQ(recent->actionGeometry(entry).height(), 20);
  menu.SetHeight(25);
  EXPECT_EQ(recent->actionGeometry(entry).height(), 25) << "a new height lays every menu out again";
}

TEST(SkinMenu, AShownMenuPaintsItsItemsInTheLook) {
  TSkinPopupMenu menu;
  menu.SetUIStyle(TSkinUIStyle::MacOS);
  QAction* item = menu.addAction("Open");
  menu.popup(QPoint(10, 10));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
  const QImage shown = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
  menu.hide();
  const QImage bar = LoadSkinResource("MACOS_MENU_BAR");
  const QRect rect = menu.actionGeometry(item);
  EXPECT_EQ(shown.pixel(rect.left() + 2, rect.top() + 10), bar.pixel(0, 10));
}

}  // namespace
