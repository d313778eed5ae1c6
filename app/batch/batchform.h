#pragma once
// The batch window: a small tool window beside the main window that gathers the pictures of
// folder trees into a list, takes an output folder and converts every listed picture with the
// main window's current settings on a worker (DoConv). The list may be edited while a run goes:
// the run takes each item when it gets to it. The window knows the main window only as its
// Host, and tells it of its hiding and of a run's start and end by signals.
#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

#include "app/batch/itemsettings.h"
#include "app/rasterimage.h"
#include "sketch/batchrun.h"

class DoConv;
class TSkinButton;
class TSkinEdit;
class TSkinForm;
class TSkinListBox;
class TSkinPopupMenu;
class TSkinProgressBar;
class QLabel;

class TBatchForm : public QWidget {
  Q_OBJECT
 public:
  // What the window asks of the window it works for; every call comes on the interface thread.
  struct Host {
    // The user clicked a listed picture: the host opens it, or refuses.
    std::function<void(const QString& file)> preview;
    // The settings of an item that starts now.
    std::function<BatchItemSettings()> itemSettings;
    // The size of the host's views for a photo of that size, in device pixels.
    std::function<QSize(QSize photo)> viewSize;
    // A run's finished photo and sketch, written under that name, for the host to show; the
    // views' images come made at viewSize's size when it was known.
    std::function<void(graphitine::ConvertedPicture picture, ScaledPicture photoView,
                       ScaledPicture sketchView, const QString& written)>
        show;
    // A run is about to start, and its pictures will replace what the host shows: whether they
    // may (the host may ask its user first).
    std::function<bool()> mayReplaceSketch;
    // Says what a run did: a title and a message for the user.
    std::function<void(const QString& title, const QString& message)> notice;
  };

  // Created hidden. The first show puts it at its owner's corner, when it has one.
  TBatchForm(QWidget* owner, Host host);
  ~TBatchForm() override;  // a run going is stopped and waited for

  // Its messages and dialog titles, untranslated.
  static const char* const kChooseOutputFolder;
  static const char* const kAddFolderTitle;
  static const char* const kOutputFolderTitle;
  static const char* const kStopQuestion;
  static const char* const kFailuresHeading;

  bool Running() const { return run_ != nullptr; }
  // What the notice says at a run's end: how many sketches were written where, how long it
  // took, and how many pictures failed (those keep their message box too).
  static QString EndTitle(const graphitine::BatchReport& report);
  static QString EndMessage(const graphitine::BatchReport& report, const QString& folder,
                            qint64 milliseconds);
  // How many items convert at once; the number of cores unless set.
  void SetParallel(int parallel) { parallel_ = parallel; }
  // The list position the run takes its next item from (items deleted before it move it back).
  int RunPosition() const { return next_; }

  TSkinForm* skinForm1;
  TSkinButton* Button2;
  TSkinListBox* ListBox1;
  TSkinButton* Button1;
  TSkinEdit* Edit1;
  TSkinButton* Button3;
  TSkinButton* StopButton;
  TSkinProgressBar* ProgressBar1;
  QLabel* StyleLabel;  // the drawing style the run's items convert with
  TSkinPopupMenu* PopupMenu1;

 signals:
  void Hidden();  // by its close button too
  // A run started (true) or ended (false); Running() says the same from then on.
  void RunningChanged(bool running);

 public slots:
  void SpeedButton2Click();  // add a folder
  void skinButton1Click();   // choose the output folder
  void skinListBox1Click();  // preview the item
  void skinListBox1KeyDown(int key, Qt::KeyboardModifiers shift);
  void BitBtn1Click();  // convert all
  void StopButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void DeleteSelection();
  void UpdateHorizontalExtent();
  void ItemsRemoved(int first, int last);
  void UpdateProgress();
  void SetRunning(bool running);

  // The run's side on the interface thread.
  std::optional<graphitine::BatchJob> NextItem();
  BatchItemSettings ItemSettings();
  void ItemEnded();
  void RunEnded(const graphitine::BatchReport& report);

  Host host_;
  bool firstShow_ = true;
  int parallel_;
  std::unique_ptr<DoConv> run_;
  bool stopping_ = false;
  int next_ = 0;                           // list position of the next item to start
  int started_ = 0;                        // items started so far
  int ended_ = 0;                          // items ended so far
  std::unordered_set<std::string> taken_;  // output names this run chose
  QString output_;                         // the folder the run writes into
  QElapsedTimer took_;                     // since the run started
};
