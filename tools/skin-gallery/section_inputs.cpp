// Gallery section: the skinned edits (plain, read-only mirror, Chinese and long texts, disabled,
// number, masked and spin edits) and combo boxes (list only, typing, disabled, the drive and
// filter lists), with the spin edit's up button held.
#include <QGridLayout>
#include <QLabel>

#include "skin/buttons/arrowbutton.h"
#include "skin/inputs/combobox.h"
#include "skin/inputs/drivecombobox.h"
#include "skin/inputs/edit.h"
#include "skin/inputs/filtercombobox.h"
#include "skin/inputs/maskedit.h"
#include "skin/inputs/numberedit.h"
#include "skin/inputs/spinbuttons.h"
#include "skin/inputs/spinedit.h"
#include "tools/skin-gallery/gallery.h"

namespace {

template <class Control>
Control* Make(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme, QSize size) {
  auto* control = new Control(parent);
  control->SetFileTheme(theme);
  control->SetUIStyle(style);
  control->setFixedSize(size);
  return control;
}

void AddEdits(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("edits", parent), row, 0);
  auto* mirror = Make<TSkinEdit>(parent, style, theme, {30, 21});  // the precision read-out
  mirror->setText("170");
  mirror->setReadOnly(true);
  mirror->SetBorderColor(0x7F7F7F);
  grid->addWidget(mirror, row, 1);
  auto* chinese = Make<TSkinEdit>(parent, style, theme, {137, 21});
  chinese->setText(QString::fromUtf8("请选择输出目录"));
  grid->addWidget(chinese, row, 2);
  auto* longText = Make<TSkinEdit>(parent, style, theme, {137, 21});
  longText->setText("/home/photographer/pictures/2009/holidays/seaside/evening/IMG_0001.jpg");
  longText->setCursorPosition(0);
  grid->addWidget(longText, row, 3);
  auto* disabled = Make<TSkinEdit>(parent, style, theme, {80, 21});
  disabled->setText("disabled");
  disabled->setEnabled(false);
  grid->addWidget(disabled, row, 4);

  grid->addWidget(new QLabel("number, mask, spin", parent), row + 1, 0);
  auto* number = Make<TSkinNumberEdit>(parent, style, theme, {80, 21});
  number->SetMask("#,##0.00");
  number->SetValue(1234.5);
  grid->addWidget(number, row + 1, 1, 1, 2, Qt::AlignLeft);
  auto* mask = Make<TSkinMaskEdit>(parent, style, theme, {110, 21});
  mask->setInputMask("000.000.000.000;_");
  mask->setText("192.168.001.020");
  grid->addWidget(mask, row + 1, 2);
  auto* spin = Make<TSkinSpinEdit>(parent, style, theme, {80, 23});
  spin->SetMinValue(1);
  spin->SetMaxValue(62);
  spin->SetValue(32);
  grid->addWidget(spin, row + 1, 3, Qt::AlignLeft);
  auto* held = Make<TSkinSpinEdit>(parent, style, theme, {80, 23});
  held->SetValue(7);
  held->Button()->UpButton()->SetMouseContinuouslyDownInterval(-1);  // held without counting
  GalleryPress(held->Button()->UpButton());
  grid->addWidget(held, row + 1, 4, Qt::AlignLeft);
}

void AddCombos(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("combo boxes", parent), row, 0);
  auto* paper = Make<TSkinComboBox>(parent, style, theme, {81, 21});  // the paper list
  paper->SetStyle(TSkinCustomComboBox::csDropDownList);
  paper->SetItems({QString::fromUtf8("空白"), QString::fromUtf8("自定义"), "canvas"});
  grid->addWidget(paper, row, 1);
  auto* subject = Make<TSkinComboBox>(parent, style, theme, {137, 21});
  subject->SetStyle(TSkinCustomComboBox::csDropDownList);
  subject->SetItems({QString::fromUtf8("做了一张素描给你！             ")});
  grid->addWidget(subject, row, 2);
  auto* typed = Make<TSkinComboBox>(parent, style, theme, {137, 21});
  typed->SetItems({"typed text, and a list", "second"});
  grid->addWidget(typed, row, 3);
  auto* disabled = Make<TSkinComboBox>(parent, style, theme, {80, 21});
  disabled->SetStyle(TSkinCustomComboBox::csDropDownList);
  disabled->SetItems({"disabled"});
  disabled->setEnabled(false);
  grid->addWidget(disabled, row, 4);

  grid->addWidget(new QLabel("drive, filter", parent), row + 1, 0);
  grid->addWidget(Make<TSkinDriveComboBox>(parent, style, theme, {81, 21}), row + 1, 1);
  auto* filter = Make<TSkinFilterComboBox>(parent, style, theme, {137, 21});
  filter->SetFilter("JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp");
  grid->addWidget(filter, row + 1, 2);
}

GalleryRegistration inputs{"Edits and combo boxes", 60,
                           [](TSkinUIStyle style, TSkinFileTheme* theme) {
                             auto* box = new QWidget;
                             auto* grid = new QGridLayout(box);
                             AddEdits(grid, 0, style, theme);
                             AddCombos(grid, 2, style, theme);
                             return box;
                           }};

}  // namespace
