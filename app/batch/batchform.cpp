#include "app/batch/batchform.h"

#include <QCloseEvent>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidgetItem>
#include <algorithm>
#include <thread>
#include <vector>

#include "app/batch/doconv.h"
#include "app/batch/folderchooser.h"
#include "app/filenames.h"
#include "app/guardedhandler.h"
#include "app/messagebox.h"
#include "app/notice.h"
#include "app/programlook.h"
#include "app/skinnedplaces.h"
#include "sketch/batchlist.h"
#include "sketch/batchplan.h"
#include "skin/bars/progressbar.h"
#include "skin/buttons/button.h"
#include "skin/inputs/edit.h"
#include "skin/inputs/listbox.h"
#include "skin/look/color.h"
#include "skin/window/form.h"
#include "skin/window/popupmenu.h"

using graphitine::BatchJob;
using graphitine::PictureItem;

const char* const TBatchForm::kChooseOutputFolder =
    QT_TRANSLATE_NOOP("TBatchForm", "          请选择输出目录!        ");
const char* const TBatchForm::kAddFolderTitle =
    QT_TRANSLATE_NOOP("TBatchForm", "       请选择一个目录      ");
const char* const TBatchForm::kOutputFolderTitle =
    QT_TRANSLATE_NOOP("TBatchForm", "Please select the directory");
const char* const TBatchForm::kStopQuestion =
    QT_TRANSLATE_NOOP("TBatchForm", "批量转换正在进行, 要停止吗?");
const char* const TBatchForm::kFailuresHeading =
    QT_TRANSLATE_NOOP("TBatchForm", "以下图片未能转换:");

namespace {

// The skinned form's size and the controls' places on it.
const QSize kFormSize(157, 353);
// clang-format off
constexpr SkinnedPlaces kPlaces({
  {"Button2",      "skinForm1", {8, 32, 105, 25}},
  {"ListBox1",     "skinForm1", {8, 61, 137, 137}},
  {"Button1",      "skinForm1", {7, 208, 113, 25}},
  {"Edit1",        "skinForm1", {8, 237, 137, 21}},
  {"Button3",      "skinForm1", {8, 272, 89, 25}},
  {"StopButton",   "skinForm1", {101, 272, 44, 25}},
  {"ProgressBar1", "skinForm1", {8, 304, 142, 17}},
  {"StyleLabel",   "skinForm1", {8, 327, 142, 16}},
});
// clang-format on
constexpr int kPathRole = Qt::UserRole;  // where the item's file really is

PictureItem ItemOf(const QListWidgetItem* item) {
  return PictureItem{NameOf(item->text()), NameOf(item->data(kPathRole).toString())};
}

int Cores() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

// The name of the drawing style, as the main window's radio buttons give it.
QString StyleName(graphitine::SketchTool style) {
  switch (style) {
    case graphitine::SketchTool::Pen:
      return QStringLiteral("Pen");
    case graphitine::SketchTool::Soft:
      return TBatchForm::tr("柔和的");
    default:
      return TBatchForm::tr("铅笔");
  }
}

}  // namespace

TBatchForm::TBatchForm(QWidget* owner, Host host)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint),
      host_(std::move(host)),
      parallel_(Cores()) {
  CreateControls();
  ConnectGuarded(Button2, &TSkinCustomButton::OnClick, this, &TBatchForm::SpeedButton2Click);
  connect(Button1, &TSkinCustomButton::OnClick, this, &TBatchForm::skinButton1Click);
  ConnectGuarded(Button3, &TSkinCustomButton::OnClick, this, &TBatchForm::BitBtn1Click);
  connect(StopButton, &TSkinCustomButton::OnClick, this, &TBatchForm::StopButtonClick);
  ConnectGuarded(ListBox1, &TSkinListBox::OnClick, this, &TBatchForm::skinListBox1Click);
  connect(ListBox1, &TSkinListBox::OnKeyDown, this, &TBatchForm::skinListBox1KeyDown);
  connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const QPoint global = ListBox1->viewport()->mapToGlobal(at);
    PopupMenu1->Popup(global.x(), global.y());
  });
  connect(ListBox1->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
          [this](const QModelIndex&, int first, int last) { ItemsRemoved(first, last); });
}

TBatchForm::~TBatchForm() { run_.reset(); }

void TBatchForm::CreateControls() {
  setObjectName(QStringLiteral("BatchForm"));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  resize(kFormSize);  // grows by the skinned frame's border on the first show
  PaintWindowBackground(this);

  skinForm1 = new TSkinForm(this);
  skinForm1->setObjectName(QStringLiteral("skinForm1"));
  skinForm1->SetUIStyle(kProgramLook);
  skinForm1->SetBorderStyle(bsDialog);
  skinForm1->SetCaption(tr("   批量转换    "));
  HideTitleBarButtons(*skinForm1, {skinControlBox, skinMax, skinMin});
  auto* panel = new QWidget(this);
  PaintWindowBackground(panel);
  skinForm1->SetPanel(panel);

  const auto button = [this](const SkinnedPlace& place, const QString& caption) {
    auto* control = MakePlaced<TSkinButton>(*skinForm1, place);
    control->SetCaption2(caption);
    return control;
  };
  Button2 = button(kPlaces["Button2"], tr("& 添加一个目录  "));
  ListBox1 = MakePlaced<TSkinListBox>(*skinForm1, kPlaces["ListBox1"]);
  Button1 = button(kPlaces["Button1"], tr("&    选择输出目录    "));
  Edit1 = MakePlaced<TSkinEdit>(*skinForm1, kPlaces["Edit1"]);
  Button3 = button(kPlaces["Button3"], tr("& 全部转换  "));
  StopButton = button(kPlaces["StopButton"], tr("停止"));
  ProgressBar1 = MakePlaced<TSkinProgressBar>(*skinForm1, kPlaces["ProgressBar1"]);
  StyleLabel = MakePlaced<QLabel>(*skinForm1, kPlaces["StyleLabel"]);
  ListBox1->SetMultiSelect(true);
  ListBox1->SetExtendedSelect(true);
  ListBox1->SetItemHeight(13);
  ListBox1->SetColor(clHighlightText);
  ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  ProgressBar1->SetShowCaption(true);
  ProgressBar1->SetPosition(0);
  StopButton->hide();

  PopupMenu1 = new TSkinPopupMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  PopupMenu1->SetUIStyle(kProgramLook);
  PopupMenu1->addAction(tr("&Delete the selection"), this, &TBatchForm::DeleteSelection);
}

// The first show puts the window at its owner's corner; later shows leave it where the user
// put it.
void TBatchForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!firstShow_) return;
  firstShow_ = false;
  SizeForSkinnedForm(*this, kFormSize);
  if (const QWidget* owner = parentWidget()) move(owner->pos());
}

void TBatchForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit Hidden();
}

// Closing the window while a run goes asks whether to stop it; the run goes on otherwise, and
// so does the window.
void TBatchForm::closeEvent(QCloseEvent* event) {
  if (Running() && !stopping_) {
    if (!AskYesNo(tr(kStopQuestion), this)) {
      event->ignore();
      return;
    }
    StopButtonClick();
  }
  QWidget::closeEvent(event);
}

void TBatchForm::SpeedButton2Click() {
  const QString folder = ChooseFolder(tr(kAddFolderTitle), this, FolderPurpose::BatchAdd);
  if (!folder.isEmpty()) {
    std::vector<PictureItem> items;
    items.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int i = 0; i < ListBox1->count(); ++i) items.push_back(ItemOf(ListBox1->item(i)));
    const std::size_t before = items.size();
    graphitine::findall(NameOf(folder), items);
    for (std::size_t i = before; i < items.size(); ++i) {
      auto* item = new QListWidgetItem(FromName(items[i].text), ListBox1);
      item->setData(kPathRole, FromName(items[i].path.string()));
    }
    UpdateProgress();
  }
  UpdateHorizontalExtent();
}

// The list scrolls sideways as far as its widest item.
void TBatchForm::UpdateHorizontalExtent() {
  const QFontMetrics metrics(ListBox1->font());
  int widest = 0;
  for (int i = 0; i < ListBox1->count(); ++i) {
    widest = std::max(widest, metrics.horizontalAdvance(ListBox1->item(i)->text()));
  }
  ListBox1->SetHorizontalExtent(widest + 2);
}

void TBatchForm::skinButton1Click() {
  const QString folder = ChooseFolder(tr(kOutputFolderTitle), this, FolderPurpose::BatchOutput);
  if (!folder.isEmpty()) Edit1->setText(folder);
}

// The clicked item goes to the host to open, from where it is on disk.
void TBatchForm::skinListBox1Click() {
  if (const QListWidgetItem* item = ListBox1->currentItem()) {
    host_.preview(item->data(kPathRole).toString());
  }
}

void TBatchForm::skinListBox1KeyDown(int key, Qt::KeyboardModifiers) {
  if (key == Qt::Key_Delete) DeleteSelection();
}

void TBatchForm::DeleteSelection() { qDeleteAll(ListBox1->selectedItems()); }

// Items deleted before the run's position were taken already: the position moves back with
// the items after them, so no item is skipped or taken twice.
void TBatchForm::ItemsRemoved(int first, int last) {
  next_ -= std::max(0, std::min(last + 1, next_) - first);
  // The list model tells before it removes: the progress follows once the rows are gone.
  QMetaObject::invokeMethod(this, &TBatchForm::UpdateProgress, Qt::QueuedConnection);
}

void TBatchForm::UpdateProgress() {
  if (!Running()) return;
  ProgressBar1->SetMax(started_ + ListBox1->count() - next_);
  ProgressBar1->SetPosition(ended_);
}

void TBatchForm::BitBtn1Click() {
  if (Running()) return;
  if (!QDir(Edit1->text()).exists() || Edit1->text().isEmpty()) {
    ShowMessage(tr(kChooseOutputFolder), this);
    return;
  }
  if (!host_.mayReplaceSketch()) return;
  next_ = started_ = ended_ = 0;
  taken_.clear();
  output_ = Edit1->text();
  took_.start();
  stopping_ = false;
  DoConv::Hooks hooks;
  hooks.nextItem = [this] { return NextItem(); };
  hooks.itemSettings = [this] { return ItemSettings(); };
  hooks.viewSize = host_.viewSize;
  hooks.show = [this](graphitine::ConvertedPicture picture, ScaledPicture photoView,
                      ScaledPicture sketchView, const std::string& written) {
    host_.show(std::move(picture), std::move(photoView), std::move(sketchView), FromName(written));
  };
  hooks.itemEnded = [this] { ItemEnded(); };
  hooks.ended = [this](const graphitine::BatchReport& report) { RunEnded(report); };
  run_ = std::make_unique<DoConv>(this, std::move(hooks), parallel_);
  SetRunning(true);
}

void TBatchForm::StopButtonClick() {
  if (!Running()) return;
  stopping_ = true;
  run_->Stop();
}

void TBatchForm::SetRunning(bool running) {
  Button3->setEnabled(!running);
  StopButton->setVisible(running);
  if (running) {
    UpdateProgress();
  } else {
    ProgressBar1->SetPosition(0);
  }
  emit RunningChanged(running);
}

// Takes the item at the run's position and names its output now, against the files there and
// the names this run has chosen.
std::optional<BatchJob> TBatchForm::NextItem() {
  if (!Running() || stopping_ || next_ >= ListBox1->count()) return std::nullopt;
  const int n = next_++;
  ++started_;
  UpdateProgress();
  return graphitine::NameBatchJob(static_cast<std::size_t>(n), ItemOf(ListBox1->item(n)),
                                  NameOf(Edit1->text()), taken_);
}

// The settings of an item that starts now; the window says which drawing style they use.
BatchItemSettings TBatchForm::ItemSettings() {
  BatchItemSettings settings = host_.itemSettings();
  StyleLabel->setText(tr("画法: %1").arg(StyleName(settings.Convert().choice.checked)));
  return settings;
}

void TBatchForm::ItemEnded() {
  ++ended_;
  UpdateProgress();
}

QString TBatchForm::EndTitle(const graphitine::BatchReport& report) {
  return report.stopped ? tr("批量转换已停止") : tr("批量转换结束");
}

QString TBatchForm::EndMessage(const graphitine::BatchReport& report, const QString& folder,
                               qint64 milliseconds) {
  const qint64 seconds = milliseconds / 1000;
  const QString took = seconds < 60
                           ? tr("%1 秒").arg(QString::number(milliseconds / 1000.0, 'f', 1))
                           : tr("%1 分 %2 秒").arg(seconds / 60).arg(seconds % 60);
  QString message = tr("%n 张素描已写入\n%1\n用时 %2。", nullptr, static_cast<int>(report.written))
                        .arg(NoticePath(QDir::toNativeSeparators(folder)), took);
  if (!report.failures.empty()) {
    message += QLatin1Char('\n') +
               tr("%n 张图片未能转换。", nullptr, static_cast<int>(report.failures.size()));
  }
  return message;
}

void TBatchForm::RunEnded(const graphitine::BatchReport& report) {
  run_.reset();
  SetRunning(false);
  if (host_.notice) host_.notice(EndTitle(report), EndMessage(report, output_, took_.elapsed()));
  if (report.failures.empty()) return;
  QString text = tr(kFailuresHeading);
  for (const graphitine::BatchFailure& failure : report.failures) {
    text += QLatin1Char('\n') + FromName(failure.source) + QStringLiteral(": ") +
            QString::fromStdString(failure.reason);
  }
  ShowMessage(text, this);
}
