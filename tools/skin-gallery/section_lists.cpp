// Gallery section: skinned scroll bars on their own (lying and upright, thumbs by page share and
// by length, an arrow under the pointer, disabled), list boxes (selected items, a disabled list,
// Chinese and long items, a skinned bar attached to an overflowing list) and memos with both
// skinned bars attached.
#include <QGridLayout>
#include <QLabel>

#include "skin/bars/scrollbar.h"
#include "skin/buttons/imagebutton.h"
#include "skin/inputs/listbox.h"
#include "skin/inputs/memo.h"
#include "tools/skin-gallery/gallery.h"

namespace {

const char* const kItems[] = {
    "/home/photographer/pictures/2009/holidays/seaside/evening/img_0001.jpg",
    "素描 一.jpg",
    "portrait & friends.bmp",
    "/mnt/photos/landscape.jpg",
    "铅笔画.bmp",
    "c.jpg",
    "d.jpg",
    "e.jpg",
    "f.jpg",
    "g.jpg",
    "h.jpg",
    "i.jpg",
};

// A holder for a control and the bars laid over it: the bars are the control's siblings.
QWidget* Holder(QWidget* parent, QSize size) {
  auto* holder = new QWidget(parent);
  holder->setFixedSize(size);
  return holder;
}

TSkinScrollBar* MakeBar(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme,
                        TSkinProgressBarOrientation orientation) {
  auto* bar = new TSkinScrollBar(parent);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(style);
  bar->SetOrientation(orientation);
  return bar;
}

void AddScrollBars(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("scroll bars", parent), row, 0, Qt::AlignTop);
  QWidget* lying = Holder(parent, {260, 90});
  const int positions[] = {0, 40, 100};
  for (int i = 0; i < 3; ++i) {
    TSkinScrollBar* bar = MakeBar(lying, style, theme, skinHorizontal);
    bar->setGeometry(0, i * 24, 250, bar->height());
    bar->SetPosition(positions[i]);
    if (i == 1) bar->SetPageSize(50);    // half the track
    if (i == 2) bar->SetLineButton(30);  // a fixed length
    if (i == 2) GalleryHover(bar->SecondButton());
  }
  TSkinScrollBar* disabled = MakeBar(lying, style, theme, skinHorizontal);
  disabled->setGeometry(0, 72, 120, disabled->height());
  disabled->setEnabled(false);
  TSkinScrollBar* thumbless = MakeBar(lying, style, theme, skinHorizontal);
  thumbless->setGeometry(130, 72, 120, thumbless->height());
  thumbless->SetSliderVisible(false);
  grid->addWidget(lying, row, 1, 1, 2, Qt::AlignTop);

  QWidget* upright = Holder(parent, {60, 130});
  for (int i = 0; i < 2; ++i) {
    TSkinScrollBar* bar = MakeBar(upright, style, theme, skinVertical);
    bar->setGeometry(i * 24, 0, bar->width(), 125);
    bar->SetPosition(i * 70);
    if (i == 1) GalleryPress(bar->FirstButton());
  }
  grid->addWidget(upright, row, 3, Qt::AlignTop);
}

TSkinListBox* MakeList(QWidget* holder, TSkinUIStyle style, TSkinFileTheme* theme, int items) {
  auto* list = new TSkinListBox(holder);
  list->SetFileTheme(theme);
  list->SetUIStyle(style);
  list->SetBorderColor(0x7F7F7F);
  list->SetItemHeight(13);
  list->SetMultiSelect(true);
  for (int i = 0; i < items; ++i) list->addItem(QString::fromUtf8(kItems[i]));
  list->setGeometry(0, 0, 137, 137);
  return list;
}

void AddLists(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("list boxes", parent), row, 0, Qt::AlignTop);
  TSkinListBox* picked = MakeList(Holder(parent, {137, 137}), style, theme, 5);
  picked->item(1)->setSelected(true);
  picked->item(3)->setSelected(true);
  picked->SetHorizontalExtent(picked->MeasureString(picked->item(0)->text(), 0) + 2);
  grid->addWidget(picked->parentWidget(), row, 1, Qt::AlignTop);

  TSkinListBox* disabled = MakeList(Holder(parent, {137, 137}), style, theme, 5);
  disabled->item(2)->setSelected(true);
  disabled->setEnabled(false);
  grid->addWidget(disabled->parentWidget(), row, 2, Qt::AlignTop);

  TSkinListBox* overflowing = MakeList(Holder(parent, {137, 137}), style, theme, std::size(kItems));
  overflowing->SetVScrollBar(MakeBar(overflowing->parentWidget(), style, theme, skinVertical));
  overflowing->setCurrentRow(4);
  overflowing->scrollToItem(overflowing->item(4));
  grid->addWidget(overflowing->parentWidget(), row, 3, Qt::AlignTop);
}

void AddMemo(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("memos", parent), row, 0, Qt::AlignTop);
  const QStringList body = {
      QString::fromUtf8("请看附件！                    "),
      "",
      "============================",
      QString::fromUtf8(
          "告诉你一个不错的软件-Graphitine,可以很方便的把照片转换成素描!                    "),
      QString::fromUtf8("官方下载：   "),
      "https://graphitine.example/download/sketches/and/more",
  };
  for (int column : {1, 3}) {
    QWidget* holder = Holder(parent, {column == 1 ? 260 : 137, 83});
    auto* memo = new TSkinMemo(holder);
    memo->SetFileTheme(theme);
    memo->SetUIStyle(style);
    memo->SetBorderColor(0x7F7F7F);
    memo->SetWordWrap(false);
    memo->SetLines(body);
    memo->setGeometry(holder->rect());
    if (column == 3) {  // the mail body keeps no bars; this one carries both skinned bars
      memo->SetVScrollBar(MakeBar(holder, style, theme, skinVertical));
      memo->SetHScrollBar(MakeBar(holder, style, theme, skinHorizontal));
    }
    grid->addWidget(holder, row, column, 1, column == 1 ? 2 : 1, Qt::AlignTop);
  }
}

GalleryRegistration lists{"Scroll bars, list boxes and memos", 50,
                          [](TSkinUIStyle style, TSkinFileTheme* theme) {
                            auto* box = new QWidget;
                            auto* grid = new QGridLayout(box);
                            AddScrollBars(grid, 0, style, theme);
                            AddLists(grid, 1, style, theme);
                            AddMemo(grid, 2, style, theme);
                            return box;
                          }};

}  // namespace
