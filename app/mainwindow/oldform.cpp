#include "app/mainwindow/oldform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopeGuard>
#include <QShortcut>
#include <QUrl>
#include <utility>

#include "app/filenames.h"
#include "app/fitting.h"
#include "app/guardedhandler.h"
#include "app/mail/attachment.h"
#include "app/mail/mailform.h"
#include "app/mainwindow/brushcursor.h"
#include "app/mainwindow/dockpanel.h"
#include "app/messagebox.h"
#include "app/notice.h"
#include "app/painthandoff.h"
#include "app/pictureloading.h"
#include "app/pictureview.h"
#include "app/skinnedplaces.h"
#include "app/startprogram.h"
#include "app/viewer/viewform.h"
#include "sketch/picturefile.h"
#include "skin/bars/statusbar.h"
#include "skin/bars/trackbar.h"
#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/buttons/radiobutton.h"
#include "skin/containers/pagecontrol.h"
#include "skin/inputs/combobox.h"
#include "skin/inputs/edit.h"

using graphitine::Paper;
using graphitine::PaperMode;
using graphitine::Raster;
using graphitine::RasterDelta;
using graphitine::SketchTool;

// The two status codes have no character of their own; a marker stands for each.
const char* const TOldForm::kAutomaticStatus = QT_TRANSLATE_NOOP("TOldForm", "◆自动转换   ");
const char* const TOldForm::kManualStatus =
    QT_TRANSLATE_NOOP("TOldForm", "●按着'CTRL'键来手动素描!");
const char* const TOldForm::kBatchStatus =
    QT_TRANSLATE_NOOP("TOldForm", "批量转换进行中, 请等它结束或停止它");

TOldForm::TOldForm(std::filesystem::path programFolder, std::optional<QString> photo)
    : OpenPictureDialog1(TPictureDialog::Mode::Open,
                         QCoreApplication::translate("TPictureDialog", kOpenPictureFilters)),
      SavePictureDialog1(TPictureDialog::Mode::Save,
                         QCoreApplication::translate("TPictureDialog", kSavePictureFilters),
                         kSaveDialogStartIndex),
      programFolder_(std::move(programFolder)),
      photo_(std::move(photo)),
      paper_(std::make_shared<Paper>()),
      notice_(MakeNotice(this)) {
  CreateControls();
  setAcceptDrops(true);
  Panel1->installEventFilter(this);
  ConnectHandlers();
  FormCreate();
}

TOldForm::~TOldForm() {
  // The batch window goes first: its run stops before the views it shows into are gone.
  delete batchForm_.data();
}

void TOldForm::ConnectHandlers() {
  connect(TrackBar1, &TSkinTrackBar::OnChange, this, &TOldForm::skinTrackBar1Change);
  connect(TrackBar3, &TSkinTrackBar::OnChange, this, &TOldForm::skinTrackBar3Change);
  connect(TrackBar2, &TSkinTrackBar::OnChange, this, &TOldForm::skinTrackBar2Change);
  connect(PageControl1, &TSkinPageControl::OnChange, this, &TOldForm::skinPageControl1Change);
  connect(CheckBox1, &TSkinCheckBox::OnClick, this, &TOldForm::skinCheckBox1Click);
  ConnectGuarded(Image1, &TPictureView::DblClick, this, &TOldForm::Image1DblClick);
  ConnectGuarded(Image2, &TPictureView::DblClick, this, &TOldForm::Image2DblClick);
  ConnectGuarded(Button2, &TSkinCustomButton::OnClick, this, &TOldForm::BitBtn5Click);
  ConnectGuarded(Button3, &TSkinCustomButton::OnClick, this, &TOldForm::BitBtn6Click);
  ConnectGuarded(Button5, &TSkinCustomButton::OnClick, this, &TOldForm::BitBtn7Click);
  ConnectGuarded(Button4, &TSkinCustomButton::OnClick, this, &TOldForm::BitBtn9Click);
  ConnectGuarded(Button6, &TSkinCustomButton::OnClick, this, &TOldForm::BitBtn4Click);
  ConnectGuarded(BitBtn2, &TSkinCustomButton::OnClick, this, &TOldForm::skinBitBtn2Click);
  ConnectGuarded(skinComboBox1, &TSkinCustomComboBox::OnChange, this,
                 &TOldForm::skinComboBox1Change, [this] { RestorePaperChoice(); });
  ConnectGuarded(skinRadioButton1, &TSkinCheckBox::OnClick, this, &TOldForm::skinRadioButton1Click);
  ConnectGuarded(skinRadioButton2, &TSkinCheckBox::OnClick, this, &TOldForm::skinRadioButton1Click);
  connect(Image2, &TPictureView::MouseLeave, this, &TOldForm::Image2MouseLeave);
  for (const auto& [button, style] :
       {std::pair{RadioButton1, SketchTool::Pen}, std::pair{RadioButton4, SketchTool::Pencil},
        std::pair{RadioButton5, SketchTool::Soft}}) {
    connect(button, &TSkinCheckBox::OnClick, this, [this, button = button, style = style] {
      if (button->Checked()) lastStyle_ = style;
    });
  }
  const auto shortcut = [this](QKeySequence keys, void (TOldForm::*step)()) {
    ConnectGuarded(new QShortcut(keys, this), &QShortcut::activated, this, step);
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &TOldForm::UndoStep);
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TOldForm::RedoStep);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &TOldForm::RedoStep);
}

void TOldForm::FormCreate() {
  retouch_.BrushRadius = TrackBar2->Position();
  skinTrackBar2Change();
  skinPageControl1Change();
}

void TOldForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // The skinned frame's border comes around the form, which keeps the size it is laid out for.
  SizeForSkinnedForm(*this, kFormSize);
  FormShow();
}

// Creates the batch window (hidden), loads the first picture and fills the paper list. The steps
// do not depend on each other: one that fails is reported and the others still run.
void TOldForm::FormShow() {
  RunGuarded([this] { CreateBatchForm(); });
  RunGuarded([this] { LoadFirstPicture(); });
  RunGuarded([this] { FillPaperList(); });
}

// The photo given to the program, else the start picture. A photo that cannot be read is
// reported as a failed Open is, and the start picture comes instead.
void TOldForm::LoadFirstPicture() {
  if (photo_ && RunGuarded([this] { LoadPicture(*photo_); })) return;
  LoadPicture(QString::fromStdString((programFolder_ / "J.jpg").string()));
}

void TOldForm::FillPaperList() {
  graphitine::CollectTextures(graphitine::TextureFolder(programFolder_), textures_);
  for (const graphitine::TextureEntry& entry : textures_) {
    skinComboBox1->addItem(QString::fromStdString(entry.name));
  }
}

bool TOldForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) FormResize();
  return QWidget::eventFilter(watched, event);
}

// Fits the photo view into the left half of the picture area and puts the sketch view at the
// same place in the right half.
void TOldForm::FormResize() {
  const Raster& photo = document_.Photo();
  const QRect fitted = PhotoViewRect(QSize(photo.Width(), photo.Height()));
  Image1->setGeometry(fitted);
  Image2->setGeometry(fitted.translated(Panel1->width() / 2, 0));
  Image3->SetClip(Image2->geometry());
}

QRect TOldForm::PhotoViewRect(const QSize& photo) const {
  return FitPicture(QSize(Panel1->width() / 2, Panel1->height()), photo);
}

QSize TOldForm::ViewDeviceSize(const QSize& photo) const {
  return TPictureView::DevicePixels(PhotoViewRect(photo).size(), Image1->devicePixelRatioF());
}

void TOldForm::skinTrackBar1Change() { Edit1->setText(QString::number(TrackBar1->Position())); }

void TOldForm::skinTrackBar3Change() { Edit2->setText(QString::number(TrackBar3->Position())); }

// Brush size: the radius, its mirror and the cursor's circle; the cursor shows again at the
// next move over the sketch view.
void TOldForm::skinTrackBar2Change() {
  retouch_.BrushRadius = TrackBar2->Position();
  Edit3->setText(QString::number(retouch_.BrushRadius));
  Image3->SetRadius(retouch_.BrushRadius);
}

bool TOldForm::ManualPageActive() const { return PageControl1->ActivePage() == TabSheet2; }

// Page switch: the automatic page converts the whole photo, the manual page takes strokes.
void TOldForm::skinPageControl1Change() {
  SavePictureDialog1.SetFileName(QString());
  const bool manual = ManualPageActive();
  AttachRetouch(manual);
  RadioButton3->setEnabled(manual);
  RadioButton2->setEnabled(manual);
  if (manual) {
    StatusBar1->SetSimpleText(tr(kManualStatus));
    return;
  }
  Image3->hide();
  if (RadioButton3->Checked() || RadioButton2->Checked()) RadioButton5->SetChecked(true);
  StatusBar1->SetSimpleText(tr(kAutomaticStatus));
}

void TOldForm::AttachRetouch(bool attach) {
  if (attach) {
    connect(Image2, &TPictureView::MouseDown, this, &TOldForm::Image2MouseDown,
            Qt::UniqueConnection);
    connect(Image2, &TPictureView::MouseMove, this, &TOldForm::Image2MouseMove,
            Qt::UniqueConnection);
    connect(Image2, &TPictureView::MouseUp, this, &TOldForm::Image2MouseUp, Qt::UniqueConnection);
  } else {
    disconnect(Image2, &TPictureView::MouseDown, this, &TOldForm::Image2MouseDown);
    disconnect(Image2, &TPictureView::MouseMove, this, &TOldForm::Image2MouseMove);
    disconnect(Image2, &TPictureView::MouseUp, this, &TOldForm::Image2MouseUp);
  }
}

// Shows or hides the batch window, once it exists.
void TOldForm::skinCheckBox1Click() {
  if (batchForm_) batchForm_->setVisible(CheckBox1->Checked());
}

SketchTool TOldForm::CheckedTool() const {
  const std::pair<TSkinRadioButton*, SketchTool> tools[] = {{RadioButton1, SketchTool::Pen},
                                                            {RadioButton2, SketchTool::Eraser},
                                                            {RadioButton3, SketchTool::ColourBrush},
                                                            {RadioButton4, SketchTool::Pencil},
                                                            {RadioButton5, SketchTool::Soft}};
  for (const auto& [button, tool] : tools) {
    if (button->Checked()) return tool;
  }
  return SketchTool::None;
}

graphitine::SketchSettings TOldForm::ReadSettings() const {
  graphitine::SketchSettings settings;
  settings.precision = Edit1->text().toInt();
  settings.lineStep = TrackBar3->Position();
  settings.choice.checked = CheckedTool();
  settings.choice.page =
      ManualPageActive() ? graphitine::SketchPage::Manual : graphitine::SketchPage::Automatic;
  if (skinComboBox1->currentIndex() != 0) settings.paper = paper_;
  return settings;
}

// The viewer reads the document's picture while it is open, so a batch run's pictures wait
// until it closes. Closing it ends any stroke, whichever view opened it: the release of the
// double-click's first press may never come.
void TOldForm::OpenViewer(const Raster& picture) {
  document_.EndStroke();
  viewerOpen_ = true;
  const auto closed = qScopeGuard([this] {
    viewerOpen_ = false;
    retouch_.MouseHeld = false;
    if (waitingForViewer_) {
      BatchPicture waiting = std::move(*waitingForViewer_);
      waitingForViewer_.reset();
      ShowBatchPicture(std::move(waiting));
    }
  });
  TViewForm viewer(this, picture);
  viewer.exec();
}

void TOldForm::Image1DblClick() { OpenViewer(document_.Photo()); }

// A double-click also ends the stroke its first press began.
void TOldForm::Image2DblClick() {
  retouch_.MouseHeld = false;
  document_.EndStroke();
  if (document_.Sketch().Height() != 0) OpenViewer(document_.Sketch());
}

void TOldForm::Image2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift, double x, double y,
                               bool doubleClick) {
  if (!doubleClick) retouch_.MouseHeld = true;
  retouch_.StrokeTick = 0;
  Image2MouseMove(shift, x, y);
}

void TOldForm::Image2MouseUp() {
  retouch_.MouseHeld = false;
  document_.EndStroke();
}

// The brush cursor shows only over the sketch view; a stroke that Ctrl held ends there.
void TOldForm::Image2MouseLeave() {
  Image3->hide();
  EndStrokeUnlessHeld(Qt::NoModifier);
}

void TOldForm::EndStrokeUnlessHeld(Qt::KeyboardModifiers shift) {
  if (!retouch_.MouseHeld && !shift.testFlag(Qt::ControlModifier)) document_.EndStroke();
}

void TOldForm::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control) EndStrokeUnlessHeld(Qt::NoModifier);
  QWidget::keyReleaseEvent(event);
}

// Moves the brush cursor with the pointer and, on a step, retouches under it: a held stroke
// steps on every StrokeFrequency-th move (on every move with the colour brush), Ctrl on every
// move. With no photo a stroke does nothing.
void TOldForm::Image2MouseMove(Qt::KeyboardModifiers shift, double x, double y) {
  const int r = retouch_.BrushRadius;
  Image3->move(qRound(Image2->x() + x - r), qRound(Image2->y() + y - r));
  Image3->setVisible(3 < y && y < Image2->height() - 4 && 3 < x && x < Image2->width() - 4);
  Image3->raise();
  EndStrokeUnlessHeld(shift);
  const bool step = (retouch_.MouseHeld && (retouch_.StrokeTick == 0 || RadioButton3->Checked())) ||
                    shift.testFlag(Qt::ControlModifier);
  if (step && !document_.Photo().IsEmpty() && !RefuseDuringBatch()) {
    const graphitine::SketchSettings settings = ReadSettings();
    const Raster& photo = document_.Photo();
    const graphitine::ViewGeometry view{Image2->width(), Image2->height(),
                                        graphitine::ViewScale(photo.Height(), Image1->height())};
    if (const auto box = graphitine::BrushBoxAt(x, y, r, settings.lineStep, view)) {
      const QSize before(document_.Sketch().Width(), document_.Sketch().Height());
      document_.Retouch(*box, settings);
      if (before == QSize(document_.Sketch().Width(), document_.Sketch().Height())) {
        Image2->PictureRegionChanged(QRect(box->x0, box->y0, box->x1 - box->x0, box->y1 - box->y0));
      } else {
        Image2->PictureChanged();
      }
    }
  }
  retouch_.StrokeTick = (retouch_.StrokeTick + 1) % graphitine::StrokeFrequency(r);
}

void TOldForm::LoadPicture(const QString& file) {
  ScaledLoad loaded =
      LoadPictureScaled(PathOf(file), [this](QSize photo) { return ViewDeviceSize(photo); });
  ShowPictures({std::move(loaded.picture), Raster()}, std::move(loaded.view), {});
}

// The views let go of the old pictures first, so that laying them out for the new photo scales
// nothing; then each takes its picture, with the image made for it beforehand when there is one.
void TOldForm::ShowPictures(graphitine::ConvertedPicture pictures, ScaledPicture photoView,
                            ScaledPicture sketchView) {
  Image1->SetPicture(nullptr);
  Image2->SetPicture(nullptr);
  document_.Show(std::move(pictures.photo), std::move(pictures.sketch));
  FormResize();
  Image1->SetPicture(&document_.Photo(), std::move(photoView));
  Image2->SetPicture(&document_.Sketch(), std::move(sketchView));
}

void TOldForm::SavePicture(const QString& name, int kind) {
  SavePictureDialog1.SetFileName(FromName(document_.Save(NameOf(name), kind)));
}

void TOldForm::UndoStep() {
  if (!RefuseDuringBatch()) ShowSketchStep(document_.Undo());
}

void TOldForm::RedoStep() {
  if (!RefuseDuringBatch()) ShowSketchStep(document_.Redo());
}

void TOldForm::ShowSketchStep(const RasterDelta* step) {
  if (step == nullptr) return;
  if (step->SizeChanged()) {
    Image2->PictureChanged();
    return;
  }
  const graphitine::PixelArea changed = step->Changed();
  Image2->PictureRegionChanged(QRect(changed.left, changed.top, changed.width, changed.height));
}

bool TOldForm::MayReplaceSketch() {
  document_.EndStroke();
  if (!document_.HasUnsavedWork()) return true;
  switch (AskToSave(tr("素描已修改, 要保存吗?"), this)) {
    case SaveChoice::Save:
      BitBtn7Click();
      return !document_.HasUnsavedWork();
    case SaveChoice::DontSave:
      return true;
    case SaveChoice::Cancel:
      break;
  }
  return false;
}

// Closing asks first when the sketch holds unsaved work; the window stays open when the user
// cancels, and when saving fails.
void TOldForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (MayReplaceSketch()) event->accept();
}

// The batch window previews the user's picks here and shows its run's pictures in the views,
// which then hold the last written sketch; both replace the sketch only once the user lets
// them. Its items convert whole photos with the settings of the moment they start and a
// drawing style, never a hand tool.
void TOldForm::CreateBatchForm() {
  TBatchForm::Host host;
  host.preview = [this](const QString& file) {
    if (!RefuseDuringBatch() && MayReplaceSketch()) LoadPicture(file);
  };
  host.itemSettings = [this] {
    graphitine::SketchSettings settings = ReadSettings();
    settings.choice = {lastStyle_, graphitine::SketchPage::Automatic};
    return BatchItemSettings(settings.ForConvert(), settings.paper);
  };
  host.viewSize = [this](QSize photo) { return ViewDeviceSize(photo); };
  host.show = [this](graphitine::ConvertedPicture pictures, ScaledPicture photoView,
                     ScaledPicture sketchView, const QString& written) {
    BatchPicture shown{std::move(pictures), std::move(photoView), std::move(sketchView), written};
    if (viewerOpen_) {
      waitingForViewer_ = std::move(shown);
    } else {
      ShowBatchPicture(std::move(shown));
    }
  };
  host.mayReplaceSketch = [this] { return MayReplaceSketch(); };
  host.notice = [this](const QString& title, const QString& message) { Notify(title, message); };
  batchForm_ = new TBatchForm(this, std::move(host));
  connect(batchForm_, &TBatchForm::Hidden, this, [this] { CheckBox1->SetChecked(false); });
  connect(batchForm_, &TBatchForm::RunningChanged, this, &TOldForm::BatchRunningChanged);
}

void TOldForm::ShowBatchPicture(BatchPicture shown) {
  SavePictureDialog1.SetFileName(shown.written);
  ShowPictures(std::move(shown.pictures), std::move(shown.photoView), std::move(shown.sketchView));
}

void TOldForm::BatchRunningChanged(bool running) {
  StatusBar1->SetSimpleText(tr(running              ? kBatchStatus
                               : ManualPageActive() ? kManualStatus
                                                    : kAutomaticStatus));
}

void TOldForm::Notify(const QString& title, const QString& message) {
  ShowNotice(*notice_, title, message);
}

bool TOldForm::RefuseDuringBatch() {
  const bool running = batchForm_ && batchForm_->Running();
  if (running) StatusBar1->SetSimpleText(tr(kBatchStatus));
  return running;
}

void TOldForm::BitBtn5Click() {
  if (RefuseDuringBatch() || !MayReplaceSketch()) return;
  const QString file = OpenPictureDialog1.Execute(this, FolderPurpose::Open);
  if (file.isEmpty()) return;
  OpenPictureDialog1.SetFileName(file);
  LoadPicture(file);
}

void TOldForm::BitBtn6Click() {
  if (RefuseDuringBatch()) return;
  SavePictureDialog1.SetFileName(QString());
  document_.Convert(ReadSettings());
  Image2->SetPicture(&document_.Sketch());
}

// Save: the chosen filter decides the format; the dialog asks before replacing the file that
// will be written, also when the name gains its extension.
void TOldForm::BitBtn7Click() {
  if (RefuseDuringBatch()) return;
  const QString name =
      SavePictureDialog1.Execute(this, FolderPurpose::Save, [](const QString& chosen, int kind) {
        return FromName(graphitine::SaveNameFor(NameOf(chosen), kind));
      });
  if (name.isEmpty()) return;
  SavePicture(name, SavePictureDialog1.FilterIndex());
}

// Clear: an empty sketch, or bare paper when a paper is chosen.
void TOldForm::BitBtn9Click() {
  if (RefuseDuringBatch() || !MayReplaceSketch()) return;
  Image3->hide();
  document_.Clear(skinComboBox1->currentIndex() != 0 ? paper_.get() : nullptr);
  Image2->SetPicture(&document_.Sketch());
}

// Edit and print: the paint program opens the last saved file. With none, or when the sketch
// changed since, the user is asked to save first. A paint program that cannot be started
// gives the error code; one that starts and then opens nothing (xdg-open finding no program for
// the file) is told in the notice.
void TOldForm::BitBtn4Click() {
  document_.EndStroke();
  const auto unsaved = [this] {
    return SavePictureDialog1.FileName().isEmpty() || document_.ChangedSinceSave();
  };
  if (unsaved()) {
    ShowMessage(tr("请储存素描档,使用绘图软件编辑它!"), this);
    BitBtn7Click();
    if (unsaved()) return;
  }
  const QString file = SavePictureDialog1.FileName();
  const int failure =
      StartPaintProgram(NameOf(file), this, [this, file](const QString& program, int status) {
        Notify(tr("编辑打印"), tr("没有绘图程序打开\n%1\n%2。")
                                   .arg(NoticePath(file), ProgramFailure(program, status)));
      });
  if (failure != 0) ShowMessage(tr("错误代码 ") + QString::number(failure), this);
}

// Send to a friend: the sketch is written as the mail attachment, then the mail dialog opens
// for this one mail. With no sketch yet there is nothing to attach.
void TOldForm::skinBitBtn2Click() {
  QString attachment;
  if (!document_.Sketch().IsEmpty()) {
    attachment = FromName(WriteAttachment(document_.Sketch()).string());
  }
  TMailForm dialog(this, attachment, [this](const QString& title, const QString& message) {
    Notify(title, message);
  });
  dialog.exec();
}

void TOldForm::SetPaper(Raster picture, PaperMode mode) {
  paper_ = std::make_shared<Paper>(Paper{std::move(picture), mode});
  Image4->SetPicture(&paper_->picture);
}

// Paper choice: no paper, a picture of the user's, or a texture of the catalogue. A paper that
// fails to load leaves the previous one in place, and the list goes back to it.
void TOldForm::skinComboBox1Change() {
  const int index = skinComboBox1->currentIndex();
  if (index == 1) {
    const QString file = OpenPictureDialog1.Execute(this, FolderPurpose::Paper);
    if (file.isEmpty()) {
      skinComboBox1->setCurrentIndex(0);
      paperIndex_ = 0;
      return;
    }
    SetPaper(graphitine::LoadPicture(PathOf(file)), paper_->mode);
  } else if (index >= 2) {
    SetPaper(graphitine::LoadPicture(textures_.at(static_cast<std::size_t>(index - 2)).path),
             paper_->mode);
  } else {
    SetPaper(Raster(), paper_->mode);
  }
  paperIndex_ = index;
  skinRadioButton1Click();
}

void TOldForm::RestorePaperChoice() { skinComboBox1->setCurrentIndex(paperIndex_); }

// Tile or stretch: the preview shows the paper as it will be laid.
void TOldForm::skinRadioButton1Click() {
  const PaperMode mode = skinRadioButton1->Checked() ? PaperMode::Tile : PaperMode::Stretch;
  Image4->SetStretch(mode == PaperMode::Stretch);
  if (paper_->mode != mode) SetPaper(paper_->picture, mode);
}

// A picture file dropped on the window opens like one chosen with Open.
void TOldForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile()) {
    event->acceptProposedAction();
  }
}

void TOldForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile() || RefuseDuringBatch() || !MayReplaceSketch()) {
    return;
  }
  event->acceptProposedAction();
  RunGuarded([&] { LoadPicture(urls.first().toLocalFile()); });
}
