// Gallery section: tab controls (short tabs, a cut tab with its scroll buttons, tabs at the
// bottom), the main window's two page controls with their Chinese captions, group boxes and
// check and radio groups.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/buttons/radiobutton.h"
#include "skin/containers/checkgroup.h"
#include "skin/containers/groupbox.h"
#include "skin/containers/pagecontrol.h"
#include "skin/containers/radiogroup.h"
#include "skin/containers/tabcontrol.h"
#include "skin/containers/tabsheet.h"
#include "tools/skin-gallery/gallery.h"

namespace {

template <class Control>
Control* Make(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme) {
  auto* control = new Control(parent);
  control->SetFileTheme(theme);
  control->SetUIStyle(style);
  return control;
}

// A sample of its own size in the section's grid.
template <class Control>
Control* Make(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme, QSize size) {
  auto* control = Make<Control>(parent, style, theme);
  control->setFixedSize(size);
  return control;
}

// The pointer over a point of the tab strip, as the user would move it there.
void HoverStrip(TSkinTab* tabs, QPoint at) {
  auto* strip = tabs->findChild<TSkinTabControlTopPanel*>();
  const QPointF point(at);
  QMouseEvent move(QEvent::MouseMove, point, strip->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(strip, &move);
}

void AddTabControls(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("tab controls", parent), row, 0);
  auto* plain = Make<TSkinTabControl>(parent, style, theme, {288, 90});
  plain->SetTabs({"&General", "Paper", ""});
  grid->addWidget(plain, row, 1);

  auto* cut = Make<TSkinTabControl>(parent, style, theme, {288, 90});
  cut->SetTabs({"First page", "Second page", "Third page", "Fourth page"});
  cut->SetTabIndex(1);
  grid->addWidget(cut, row, 2);
  // Laid out once shown; the pointer then rests on the next button.
  QMetaObject::invokeMethod(
      cut,
      [cut] {
        HoverStrip(cut, {cut->width() - 10, 14});
      },
      Qt::QueuedConnection);

  auto* bottom = Make<TSkinTabControl>(parent, style, theme, {288, 90});
  bottom->SetTabs({"Top", "Bottom"});
  bottom->SetTabPosition(skinBottom);
  bottom->SetTabIndex(1);
  grid->addWidget(bottom, row, 3);
}

TSkinTabSheet* AddPage(TSkinPageControl* pages, const char* caption) {
  auto* page = new TSkinTabSheet(pages);
  page->SetCaption(QString::fromUtf8(caption));
  return page;
}

// A control at its place on a page or in a box.
template <class Control>
Control* Place(QWidget* page, TSkinUIStyle style, TSkinFileTheme* theme, QRect where) {
  auto* control = Make<Control>(page, style, theme);
  control->setGeometry(where);
  return control;
}

template <class Check>
Check* PlaceCheck(QWidget* page, TSkinUIStyle style, TSkinFileTheme* theme, const char* caption,
                  QRect where, bool checked) {
  auto* check = Place<Check>(page, style, theme, where);
  check->SetCaption(QString::fromUtf8(caption));
  check->SetChecked(checked);
  return check;
}

// The main window's page controls, at its sizes and with its captions.
void AddPageControls(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("page controls", parent), row, 0);
  auto* conversion = Make<TSkinPageControl>(parent, style, theme, {229, 157});
  TSkinTabSheet* automatic = AddPage(conversion, "自动转换  ");
  Place<TSkinButton>(automatic, style, theme, {60, 68, 75, 25})
      ->SetCaption2(QString::fromUtf8(" &转　换 "));
  AddPage(conversion, "手动制作");
  conversion->SetActivePage(automatic);
  grid->addWidget(conversion, row, 1);

  auto* settings = Make<TSkinPageControl>(parent, style, theme, {288, 157});
  TSkinTabSheet* sketch = AddPage(settings, "& 素描 ");
  const char* tools[] = {"Pen", "铅笔  ", "柔和的", "画笔 ", "橡皮  "};
  const int tops[] = {11, 29, 48, 66, 85};
  for (int i = 0; i < 5; ++i)
    PlaceCheck<TSkinRadioButton>(sketch, style, theme, tools[i], {23, tops[i], 60, 21}, i == 1);
  AddPage(settings, "& 纹理  ");
  settings->SetActivePage(sketch);
  grid->addWidget(settings, row, 2);

  auto* texture = Make<TSkinPageControl>(parent, style, theme, {288, 157});
  AddPage(texture, "& 素描 ");
  TSkinTabSheet* paper = AddPage(texture, "& 纹理  ");
  PlaceCheck<TSkinRadioButton>(paper, style, theme, "背景", {14, 54, 50, 21}, true);
  PlaceCheck<TSkinRadioButton>(paper, style, theme, "拉伸   ", {14, 78, 60, 21}, false);
  grid->addWidget(texture, row, 3);
}

void AddGroups(QGridLayout* grid, int row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel("group boxes", parent), row, 0);
  auto* mail = Make<TSkinGroupBox>(parent, style, theme, {369, 49});
  mail->SetCaption(QString::fromUtf8("-连同附件内容一起-"));
  PlaceCheck<TSkinCheckBox>(mail, style, theme, "附件", {10, 20, 120, 17}, true);
  grid->addWidget(mail, row, 1, 1, 2);
  auto* disabled = Make<TSkinGroupBox>(parent, style, theme, {185, 49});
  disabled->SetCaption("Disabled");
  disabled->setEnabled(false);
  grid->addWidget(disabled, row, 3);

  grid->addWidget(new QLabel("check, radio groups", parent), row + 1, 0);
  auto* checks = Make<TSkinCheckGroup>(parent, style, theme, {229, 105});
  checks->SetCaption("Check group");
  checks->SetItems({"One", "Two", "Three", "Four", "Five"});
  checks->SetColumns(2);
  checks->SetChecked(1, true);
  checks->SetChecked(3, true);
  grid->addWidget(checks, row + 1, 1);
  auto* radios = Make<TSkinRadioGroup>(parent, style, theme, {185, 105});
  radios->SetCaption("Radio group");
  radios->SetItems({"Pen", "Pencil", "Soft"});
  radios->SetItemIndex(1);
  grid->addWidget(radios, row + 1, 2);
}

GalleryRegistration containers{"Tabs, pages, group boxes", 50,
                               [](TSkinUIStyle style, TSkinFileTheme* theme) {
                                 auto* box = new QWidget;
                                 auto* grid = new QGridLayout(box);
                                 AddTabControls(grid, 0, style, theme);
                                 AddPageControls(grid, 1, style, theme);
                                 AddGroups(grid, 2, style, theme);
                                 return box;
                               }};

}  // namespace
