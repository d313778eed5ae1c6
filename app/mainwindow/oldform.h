#pragma once
// The main window: the photo and the sketch side by side, the conversion settings, and the
// buttons of every operation. The handlers read the controls into plain settings, run the
// operation on the window's SketchDocument and show its rasters.
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/batch/batchform.h"
#include "app/mainwindow/sketchdocument.h"
#include "app/picturedialogs.h"
#include "app/rasterimage.h"
#include "sketch/convertfile.h"
#include "sketch/textures.h"

class TBrushCursor;
class TDockPanel;
class TPictureView;
class TSkinButton;
class TSkinCheckBox;
class TSkinComboBox;
class TSkinEdit;
class TSkinForm;
class TSkinPageControl;
class TSkinRadioButton;
class TSkinStatusBar;
class TSkinTabSheet;
class TSkinTrackBar;
class TSkinNoticePopForm;

class TOldForm : public QWidget {
  Q_OBJECT
 public:
  // programFolder holds the start picture "J.jpg" and the "texture" folder. A photo given is
  // opened at the first show instead of the start picture.
  explicit TOldForm(std::filesystem::path programFolder,
                    std::optional<QString> photo = std::nullopt);
  ~TOldForm() override;

  // The window's file operations.
  void LoadPicture(const QString& file);
  void SavePicture(const QString& name, int kind);
  const graphitine::SketchDocument& Document() const { return document_; }

  // The retouch stroke's state, written only by the sketch view's handlers and the brush size.
  struct RetouchState {
    int BrushRadius = 20;
    bool MouseHeld = false;
    int StrokeTick = 0;
  };
  const RetouchState& Retouch() const { return retouch_; }

  // The batch window, once the first show has created it; for the tests.
  TBatchForm* BatchForm() const { return batchForm_; }
  // The notice that says what a batch run or a hand-off did.
  TSkinNoticePopForm* Notice() const { return notice_; }

  // The status texts of the two pages and of a batch run, untranslated.
  static const char* const kAutomaticStatus;
  static const char* const kManualStatus;
  static const char* const kBatchStatus;

  // Controls, by the names the other windows and the tests know them by.
  TSkinForm* skinForm1;
  TDockPanel* Panel1;
  TPictureView* Image1;
  TPictureView* Image2;
  TBrushCursor* Image3;
  TDockPanel* Panel2;
  TDockPanel* Panel4;
  QLabel* Label7;
  TSkinCheckBox* CheckBox1;
  TSkinButton* Button2;
  TDockPanel* Panel3;
  TSkinPageControl* PageControl1;
  TSkinTabSheet* TabSheet1;
  TSkinButton* Button3;
  TSkinTabSheet* TabSheet2;
  QLabel* Label6;
  TSkinEdit* Edit3;
  TSkinTrackBar* TrackBar2;
  TDockPanel* Panel5;
  TSkinPageControl* skinPageControl1;
  TSkinTabSheet* skinTabSheet1;
  TSkinRadioButton* RadioButton1;
  TSkinRadioButton* RadioButton4;
  TSkinRadioButton* RadioButton5;
  TSkinRadioButton* RadioButton3;
  TSkinRadioButton* RadioButton2;
  QLabel* Label2;
  TSkinEdit* Edit1;
  TSkinTrackBar* TrackBar1;
  QLabel* Label3;
  TSkinEdit* Edit2;
  TSkinTrackBar* TrackBar3;
  TSkinTabSheet* skinTabSheet2;
  TSkinComboBox* skinComboBox1;
  TSkinRadioButton* skinRadioButton1;
  TSkinRadioButton* skinRadioButton2;
  TPictureView* Image4;
  TSkinButton* Button4;
  TSkinButton* Button5;
  TSkinButton* BitBtn2;
  TSkinButton* Button6;
  TSkinStatusBar* StatusBar1;

  TPictureDialog OpenPictureDialog1;
  TPictureDialog SavePictureDialog1;

 public slots:
  void FormResize();
  void skinTrackBar1Change();
  void skinTrackBar3Change();
  void skinTrackBar2Change();
  void skinPageControl1Change();
  void skinCheckBox1Click();
  void Image1DblClick();
  void Image2DblClick();
  void Image2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y,
                       bool doubleClick);
  void Image2MouseMove(Qt::KeyboardModifiers shift, double x, double y);
  void Image2MouseUp();
  void BitBtn5Click();      // Open
  void BitBtn6Click();      // Convert
  void BitBtn7Click();      // Save
  void BitBtn9Click();      // Clear
  void BitBtn4Click();      // Edit and print
  void skinBitBtn2Click();  // Send to a friend
  void skinComboBox1Change();
  void skinRadioButton1Click();
  // Undo and redo of the sketch's changes (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y).
  void UndoStep();
  void RedoStep();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  static constexpr QSize kFormSize{690, 505};  // the skinned form's size at the start

  void CreateControls();  // the form's layout: oldformlayout.cpp
  void ConnectHandlers();
  void FormCreate();
  void FormShow();
  void LoadFirstPicture();
  void FillPaperList();
  bool ManualPageActive() const;
  graphitine::SketchTool CheckedTool() const;
  // What an operation started now would read from the controls.
  graphitine::SketchSettings ReadSettings() const;
  // Where the photo view goes for a photo of that size; the sketch view has the same size.
  QRect PhotoViewRect(const QSize& photo) const;
  // The views' size in device pixels for a photo of that size: what their pictures are scaled
  // to.
  QSize ViewDeviceSize(const QSize& photo) const;
  void OpenViewer(const graphitine::Raster& picture);
  void Image2MouseLeave();
  // The stroke ends once neither a button nor Ctrl holds it.
  void EndStrokeUnlessHeld(Qt::KeyboardModifiers shift);
  void ShowPictures(graphitine::ConvertedPicture pictures, ScaledPicture photoView,
                    ScaledPicture sketchView);
  // The sketch view follows a step of the sketch's history.
  void ShowSketchStep(const graphitine::RasterDelta* step);
  // Before the sketch is replaced: when it holds work not yet saved, the user saves it first
  // (through the save dialog), lets it go, or cancels. Whether it may be replaced.
  bool MayReplaceSketch();
  void AttachRetouch(bool attach);
  void SetPaper(graphitine::Raster picture, graphitine::PaperMode mode);
  // Puts the paper list back on the paper in use, after a choice that failed to load.
  void RestorePaperChoice();

  // The batch window, answering what it asks of this one.
  void CreateBatchForm();
  // A batch run's finished picture, shown in the views.
  struct BatchPicture {
    graphitine::ConvertedPicture pictures;
    ScaledPicture photoView;
    ScaledPicture sketchView;
    QString written;
  };
  void ShowBatchPicture(BatchPicture shown);
  void BatchRunningChanged(bool running);
  // While a batch run goes, it holds the pictures: the user's operations on them are refused,
  // and the status bar says why. Returns whether the operation was refused.
  bool RefuseDuringBatch();
  void Notify(const QString& title, const QString& message);

  std::filesystem::path programFolder_;
  std::optional<QString> photo_;
  graphitine::SketchDocument document_;
  std::shared_ptr<const graphitine::Paper> paper_;
  std::vector<graphitine::TextureEntry> textures_;
  int paperIndex_ = 0;  // the list's item whose paper is in use
  RetouchState retouch_;
  // The drawing style checked last, which a batch run converts with while a hand tool is
  // checked.
  graphitine::SketchTool lastStyle_ = graphitine::SketchTool::Pencil;
  bool shown_ = false;
  QPointer<TBatchForm> batchForm_;
  // While the viewer shows a picture of the document, a batch run's pictures wait here.
  bool viewerOpen_ = false;
  std::optional<BatchPicture> waitingForViewer_;
  TSkinNoticePopForm* notice_;
};
