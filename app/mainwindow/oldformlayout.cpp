// The main window's layout: every control with its parent, place, docking and first
// properties. The places are those of the window at its start size (690 x 505); docked
// controls follow the window's size from there.
#include <QFont>
#include <utility>

#include "app/mainwindow/brushcursor.h"
#include "app/mainwindow/dockpanel.h"
#include "app/mainwindow/oldform.h"
#include "app/pictureview.h"
#include "app/programlook.h"
#include "app/skinnedplaces.h"
#include "skin/bars/statusbar.h"
#include "skin/bars/trackbar.h"
#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/buttons/radiobutton.h"
#include "skin/containers/pagecontrol.h"
#include "skin/containers/tabsheet.h"
#include "skin/inputs/combobox.h"
#include "skin/inputs/edit.h"
#include "skin/window/form.h"

namespace {

// Places on the skinned form are given inside its frame, title bar included; the panels docked
// to the form's sides take their final places from the docking.
// clang-format off
constexpr SkinnedPlaces kPlaces({
  {"Panel1",           "skinForm1",     {0, 20, 690, 305},    alClient},
  {"Image1",           "Panel1",        {0, 24, 265, 240}},
  {"Image2",           "Panel1",        {336, 32, 169, 185}},
  {"Image3",           "Panel1",        {304, 160, 105, 105}},
  {"Panel2",           "skinForm1",     {0, 325, 690, 180},   alBottom},
  {"Panel4",           "Panel2",        {1, 1, 88, 159},      alLeft},
  {"Label7",           "Panel4",        {10, 8, 71, 26}},
  {"CheckBox1",        "Panel4",        {11, 40, 53, 21}},
  {"Button2",          "Panel4",        {10, 105, 61, 25}},
  {"Panel5",           "Panel2",        {320, 1, 369, 159},   alRight},
  {"StatusBar1",       "Panel2",        {1, 160, 688, 19},    alBottom},
  {"Panel3",           "Panel2",        {89, 1, 231, 159},    alClient},
  {"PageControl1",     "Panel3",        {1, 1, 229, 157},     alClient},
  {"Button3",          "TabSheet1",     {60, 68, 75, 25}},
  {"Label6",           "TabSheet2",     {45, 40, 30, 13}},
  {"Edit3",            "TabSheet2",     {88, 37, 30, 21}},
  {"TrackBar2",        "TabSheet2",     {42, 66, 120, 20}},
  {"skinPageControl1", "Panel5",        {1, 1, 288, 157},     alLeft},
  {"RadioButton1",     "skinTabSheet1", {23, 11, 43, 21}},
  {"RadioButton4",     "skinTabSheet1", {23, 29, 53, 21}},
  {"RadioButton5",     "skinTabSheet1", {23, 48, 53, 21}},
  {"RadioButton3",     "skinTabSheet1", {23, 66, 51, 21}},
  {"RadioButton2",     "skinTabSheet1", {23, 85, 54, 21}},
  {"Label2",           "skinTabSheet1", {105, 14, 52, 13}},
  {"Edit1",            "skinTabSheet1", {163, 13, 26, 21}},
  {"TrackBar1",        "skinTabSheet1", {101, 37, 120, 20}},
  {"Label3",           "skinTabSheet1", {110, 66, 29, 13}},
  {"Edit2",            "skinTabSheet1", {160, 65, 30, 21}},
  {"TrackBar3",        "skinTabSheet1", {104, 86, 97, 20}},
  {"skinComboBox1",    "skinTabSheet2", {16, 20, 81, 21}},
  {"skinRadioButton1", "skinTabSheet2", {14, 54, 41, 21}},
  {"skinRadioButton2", "skinTabSheet2", {14, 78, 58, 21}},
  {"Image4",           "skinTabSheet2", {107, 8, 158, 97}},
  {"Button4",          "Panel5",        {296, 37, 65, 25}},
  {"Button5",          "Panel5",        {296, 66, 65, 25}},
  {"BitBtn2",          "Panel5",        {296, 96, 66, 25}},
  {"Button6",          "Panel5",        {296, 125, 65, 25}},
});
// clang-format on

// Creates a control on its parent at its place, docked as the table says.
template <typename T, typename... Arguments>
T* Make(const TSkinForm& form, const SkinnedPlace& place, Arguments&&... arguments) {
  T* control = MakePlaced<T>(form, place, std::forward<Arguments>(arguments)...);
  if (place.align != alNone)
    qobject_cast<TDockPanel*>(control->parentWidget())->Dock(control, place.align);
  return control;
}

}  // namespace

void TOldForm::CreateControls() {
  setObjectName(QStringLiteral("OldForm"));
  setWindowTitle(QStringLiteral("Graphitine"));
  setMinimumSize(130, 50);
  resize(kFormSize);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  PaintWindowBackground(this);

  skinForm1 = new TSkinForm(this);
  skinForm1->setObjectName(QStringLiteral("skinForm1"));
  skinForm1->SetUIStyle(kProgramLook);
  skinForm1->SetCaption(QStringLiteral("Graphitine"));
  skinForm1->SetPanel(new TDockPanel(this, TDockPanel::Bevel::None));

  const auto label = [&](const SkinnedPlace& place, const QString& text) {
    auto* control = Make<QLabel>(*skinForm1, place);
    control->setText(text);
    return control;
  };
  const auto button = [&](const SkinnedPlace& place, const QString& caption) {
    auto* control = Make<TSkinButton>(*skinForm1, place);
    control->SetCaption2(caption);
    return control;
  };
  const auto radio = [&](const SkinnedPlace& place, const QString& caption) {
    auto* control = Make<TSkinRadioButton>(*skinForm1, place);
    control->SetCaption(caption);
    return control;
  };
  const auto edit = [&](const SkinnedPlace& place, const QString& text) {
    auto* control = Make<TSkinEdit>(*skinForm1, place);
    control->setText(text);
    return control;
  };
  const auto track = [&](const SkinnedPlace& place, int min, int max, int position, int frequency) {
    auto* control = Make<TSkinTrackBar>(*skinForm1, place);
    control->SetMax(max);
    control->SetMin(min);
    control->SetPosition(position);
    control->SetFrequency(frequency);
    return control;
  };
  const auto page = [](const char* name, TSkinPageControl* pages, const QString& caption) {
    auto* sheet = new TSkinTabSheet(pages);
    sheet->setObjectName(QLatin1String(name));
    sheet->SetCaption(caption);
    return sheet;
  };
  const auto panel = [&](const SkinnedPlace& place, TDockPanel::Bevel bevel) {
    return Make<TDockPanel>(*skinForm1, place, bevel);
  };

  Panel1 = panel(kPlaces["Panel1"], TDockPanel::Bevel::None);
  Image1 = Make<TPictureView>(*skinForm1, kPlaces["Image1"]);
  Image1->SetStretch(true);
  Image1->setToolTip(tr("Double-clicks to zoom"));
  Image2 = Make<TPictureView>(*skinForm1, kPlaces["Image2"]);
  Image2->SetStretch(true);
  Image2->setCursor(Qt::CrossCursor);
  Image2->setToolTip(tr("Double-clicks to zoom"));
  Image2->setMouseTracking(true);
  Image3 = Make<TBrushCursor>(*skinForm1, kPlaces["Image3"]);

  Panel2 = panel(kPlaces["Panel2"], TDockPanel::Bevel::Lowered);
  Panel4 = panel(kPlaces["Panel4"], TDockPanel::Bevel::None);
  Label7 = label(kPlaces["Label7"], tr("批量转换:          "));
  Label7->setWordWrap(true);
  CheckBox1 = Make<TSkinCheckBox>(*skinForm1, kPlaces["CheckBox1"]);
  CheckBox1->SetCaption(tr("浏览 "));
  Button2 = button(kPlaces["Button2"], tr("&打开"));
  Panel5 = panel(kPlaces["Panel5"], TDockPanel::Bevel::Lowered);
  StatusBar1 = Make<TSkinStatusBar>(*skinForm1, kPlaces["StatusBar1"]);
  Panel3 = panel(kPlaces["Panel3"], TDockPanel::Bevel::Lowered);

  PageControl1 = Make<TSkinPageControl>(*skinForm1, kPlaces["PageControl1"]);
  TabSheet1 = page("TabSheet1", PageControl1, tr("自动转换  "));
  Button3 = button(kPlaces["Button3"], tr(" &转　换 "));
  TabSheet2 = page("TabSheet2", PageControl1, tr("手动制作"));
  Label6 = label(kPlaces["Label6"], tr("画笔: "));
  Edit3 = edit(kPlaces["Edit3"], QStringLiteral("32"));
  TrackBar2 = track(kPlaces["TrackBar2"], 1, 62, 32, 5);

  skinPageControl1 = Make<TSkinPageControl>(*skinForm1, kPlaces["skinPageControl1"]);
  skinTabSheet1 = page("skinTabSheet1", skinPageControl1, tr("& 素描 "));
  RadioButton1 = radio(kPlaces["RadioButton1"], tr("Pen"));
  RadioButton4 = radio(kPlaces["RadioButton4"], tr("铅笔  "));
  RadioButton5 = radio(kPlaces["RadioButton5"], tr("柔和的"));
  RadioButton3 = radio(kPlaces["RadioButton3"], tr("画笔 "));
  RadioButton2 = radio(kPlaces["RadioButton2"], tr("橡皮  "));
  RadioButton4->SetChecked(true);
  Label2 = label(kPlaces["Label2"], tr("   精密度:  "));
  Edit1 = edit(kPlaces["Edit1"], QStringLiteral("170"));
  Edit1->setReadOnly(true);
  TrackBar1 = track(kPlaces["TrackBar1"], 0, 200, 170, 10);
  TrackBar1->SetPageSize(2);
  TrackBar1->SetLineSize(1);
  Label3 = label(kPlaces["Label3"], tr(" 线条: "));
  Edit2 = edit(kPlaces["Edit2"], QStringLiteral("1"));
  Edit2->setReadOnly(true);
  TrackBar3 = track(kPlaces["TrackBar3"], 1, 15, 1, 1);

  skinTabSheet2 = page("skinTabSheet2", skinPageControl1, tr("& 纹理  "));
  skinComboBox1 = Make<TSkinComboBox>(*skinForm1, kPlaces["skinComboBox1"]);
  skinComboBox1->SetStyle(TSkinCustomComboBox::csDropDownList);
  skinComboBox1->SetItemHeight(13);
  skinComboBox1->SetItems({tr("空白"), tr("自定义")});
  skinComboBox1->setCurrentIndex(0);
  skinRadioButton1 = radio(kPlaces["skinRadioButton1"], tr("背景"));
  skinRadioButton1->SetChecked(true);
  skinRadioButton2 = radio(kPlaces["skinRadioButton2"], tr("拉伸   "));
  Image4 = Make<TPictureView>(*skinForm1, kPlaces["Image4"]);
  Image4->SetCenter(true);

  Button4 = button(kPlaces["Button4"], tr("&清 除"));
  Button5 = button(kPlaces["Button5"], tr("&保存"));
  BitBtn2 = button(kPlaces["BitBtn2"], tr("&发送到 "));
  BitBtn2->setToolTip(tr("Send the sketch to a friend"));
  Button6 = button(kPlaces["Button6"], tr("& 编辑打印  "));
  Button6->setToolTip(tr("Edit and print with PAINT"));

  PageControl1->SetActivePage(TabSheet1);
  skinPageControl1->SetActivePage(skinTabSheet1);
}
