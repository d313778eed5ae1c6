// Gallery section: check boxes and radio buttons in each of their states, and progress bars
// empty, part-filled, full, past the end and upright.
#include <QGridLayout>
#include <QLabel>

#include "skin/bars/progressbar.h"
#include "skin/buttons/checkbox.h"
#include "skin/buttons/radiobutton.h"
#include "tools/skin-gallery/gallery.h"

namespace {

template <class Control>
Control* MakeCheck(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme,
                   const QString& caption, bool checked, bool enabled) {
  auto* control = new Control(parent);
  control->SetFileTheme(theme);
  control->SetUIStyle(style);
  control->SetCaption(caption);
  control->SetChecked(checked);
  control->setEnabled(enabled);
  return control;
}

// One row per kind: unchecked, checked, disabled unchecked, disabled checked, right to left.
template <class Control>
void AddCheckRow(QGridLayout* grid, int row, const QString& kind, TSkinUIStyle style,
                 TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel(kind, parent), row, 0);
  // Each control sits in its own cell widget, so radio buttons do not uncheck each other.
  auto cell = [&](int column, const QString& caption, bool checked, bool enabled) {
    auto* holder = new QWidget(parent);
    Control* control = MakeCheck<Control>(holder, style, theme, caption, checked, enabled);
    holder->setMinimumSize(control->size());
    grid->addWidget(holder, row, column);
    return control;
  };
  cell(1, "&Normal", false, true);
  cell(2, "&Checked", true, true);
  cell(3, "Disabled", false, false);
  cell(4, "Disabled checked", true, false);
  Control* rtl = cell(5, "Right to left", true, true);
  rtl->setLayoutDirection(Qt::RightToLeft);
}

void AddFocusedRow(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("focused", parent), row, 0);
  auto* check = MakeCheck<TSkinCheckBox>(parent, style, theme, "Focused check box", true, true);
  grid->addWidget(check, row, 1, 1, 2);
  GalleryMarkFocused(check);
}

TSkinProgressBar* MakeBar(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme,
                          int position) {
  auto* bar = new TSkinProgressBar(parent);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(style);
  bar->SetPosition(position);
  bar->setFixedSize(142, 17);
  return bar;
}

void AddProgressRows(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("progress", parent), row, 0);
  grid->addWidget(MakeBar(parent, style, theme, 0), row, 1);
  grid->addWidget(MakeBar(parent, style, theme, 57), row, 2);
  grid->addWidget(MakeBar(parent, style, theme, 100), row, 3);
  grid->addWidget(MakeBar(parent, style, theme, 120), row, 4);
  TSkinProgressBar* smart = MakeBar(parent, style, theme, 0);
  smart->SetSmartShowCaption(true);
  grid->addWidget(smart, row, 5);

  grid->addWidget(new QLabel("upright", parent), row + 1, 0);
  TSkinProgressBar* upright = MakeBar(parent, style, theme, 57);
  upright->SetOrientation(skinVertical);
  upright->setFixedSize(17, 80);
  grid->addWidget(upright, row + 1, 1);
}

GalleryRegistration checks{"Check boxes, radio buttons, progress bars", 30,
                           [](TSkinUIStyle style, TSkinFileTheme* theme) {
                             auto* box = new QWidget;
                             auto* grid = new QGridLayout(box);
                             AddCheckRow<TSkinCheckBox>(grid, 0, "check box", style, theme);
                             AddCheckRow<TSkinRadioButton>(grid, 1, "radio button", style, theme);
                             AddFocusedRow(grid, 2, style, theme);
                             AddProgressRows(grid, 3, style, theme);
                             return box;
                           }};

}  // namespace
