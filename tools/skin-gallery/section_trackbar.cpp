// Gallery section: track bars lying and upright, with and without ticks, and disabled;
// picture panels plain, stretched, tiled and see-through; caption-bar panels open and folded.
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include "skin/bars/trackbar.h"
#include "skin/containers/imagepanel.h"
#include "skin/containers/panel.h"
#include "tools/skin-gallery/gallery.h"

namespace {

// Track bars size themselves across their length, so each sits in a cell of its own instead of
// being stretched by the grid.
void Cell(QGridLayout* grid, int row, int column, QWidget* control) {
  QWidget* holder = control->parentWidget();
  holder->setMinimumSize(control->x() + control->width() + 4, control->y() + control->height() + 4);
  grid->addWidget(holder, row, column, Qt::AlignTop);
}

TSkinTrackBar* MakeBar(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme, int min, int max,
                       int position, int frequency) {
  auto* holder = new QWidget(parent);
  auto* bar = new TSkinTrackBar(holder);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(style);
  bar->SetMax(max);
  bar->SetMin(min);
  bar->SetPosition(position);
  bar->SetFrequency(frequency);
  bar->setGeometry(4, 4, 120, bar->height());
  return bar;
}

void AddHorizontalRow(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("track bar", parent), row, 0);
  Cell(grid, row, 1, MakeBar(parent, style, theme, 0, 200, 170, 10));  // precision
  Cell(grid, row, 2, MakeBar(parent, style, theme, 1, 15, 1, 1));      // line step
  Cell(grid, row, 3, MakeBar(parent, style, theme, 1, 62, 32, 5));     // brush size
  TSkinTrackBar* plain = MakeBar(parent, style, theme, 0, 10, 5, 1);
  plain->SetShowTick(false);
  Cell(grid, row, 4, plain);

  // A sheet has one focus owner, the check box section's; the focus mark is left to the tests.
  grid->addWidget(new QLabel("disabled", parent), row + 1, 0);
  TSkinTrackBar* disabled = MakeBar(parent, style, theme, 0, 10, 3, 1);
  disabled->setEnabled(false);
  Cell(grid, row + 1, 1, disabled);
}

void AddVerticalRow(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("upright", parent), row, 0);
  const int positions[] = {0, 4, 10};
  for (int i = 0; i < 3; ++i) {
    TSkinTrackBar* bar = MakeBar(parent, style, theme, 0, 10, positions[i], 2);
    bar->SetOrientation(skinVertical);
    bar->setGeometry(4, 4, bar->width(), 100);
    bar->SetShowTick(i != 2);
    Cell(grid, row, i + 1, bar);
  }
}

// A small picture with a magenta corner, so see-through panels show their parent there.
QImage Sample() {
  QImage picture(24, 16, QImage::Format_RGB32);
  picture.fill(QColor(70, 130, 180));
  QPainter painter(&picture);
  painter.fillRect(0, 0, 12, 8, QColor(240, 200, 60));
  painter.fillRect(12, 8, 12, 8, QColor(60, 160, 90));
  painter.fillRect(0, 8, 6, 8, QColor(255, 0, 255));
  return picture;
}

TSkinImagePanel* MakeImagePanel(QWidget* parent, TSkinDrawStyle drawStyle, bool transparent,
                                const QString& caption) {
  auto* panel = new TSkinImagePanel(parent);
  panel->setFixedSize(90, 50);
  panel->SetDrawStyle(drawStyle);
  panel->SetTransparent(transparent);
  panel->SetPicture(Sample());
  panel->SetCaption(caption);
  return panel;
}

void AddImagePanelRow(QGridLayout* grid, int row) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("image panel", parent), row, 0);
  grid->addWidget(MakeImagePanel(parent, skinNormal, false, "plain"), row, 1);
  grid->addWidget(MakeImagePanel(parent, skinStretch, false, "stretched"), row, 2);
  grid->addWidget(MakeImagePanel(parent, skinTile, false, "tiled"), row, 3);
  TSkinImagePanel* seeThrough = MakeImagePanel(parent, skinTile, true, "see-through");
  grid->addWidget(seeThrough, row, 4);
}

TSkinPanel* MakePanel(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme,
                      const QString& caption) {
  auto* holder = new QWidget(parent);
  holder->setMinimumSize(130, 110);
  auto* panel = new TSkinPanel(holder);
  panel->SetFileTheme(theme);
  panel->SetUIStyle(style);
  panel->SetCaption(caption);
  panel->setGeometry(4, 4, 120, 100);
  return panel;
}

void AddPanelRow(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("caption panel", parent), row, 0, Qt::AlignTop);
  TSkinPanel* open = MakePanel(parent, style, theme, "Open");
  grid->addWidget(open->parentWidget(), row, 1, Qt::AlignTop);
  TSkinPanel* folded = MakePanel(parent, style, theme, "Folded");
  folded->Push();
  grid->addWidget(folded->parentWidget(), row, 2, Qt::AlignTop);
  TSkinPanel* buttonless = MakePanel(parent, style, theme, "No button");
  buttonless->SetShowButton(false);
  grid->addWidget(buttonless->parentWidget(), row, 3, Qt::AlignTop);
}

GalleryRegistration trackbars{"Track bars and panels", 40,
                              [](TSkinUIStyle style, TSkinFileTheme* theme) {
                                auto* box = new QWidget;
                                auto* grid = new QGridLayout(box);
                                AddHorizontalRow(grid, 0, style, theme);
                                AddVerticalRow(grid, 2, style, theme);
                                AddImagePanelRow(grid, 3);
                                AddPanelRow(grid, 4, style, theme);
                                return box;
                              }};

}  // namespace
