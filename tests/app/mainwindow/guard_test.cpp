// The unsaved-work guards: whatever would replace a sketch that changed since it was saved asks
// first, only then, and Cancel leaves everything as it was.
#include <QDialog>
#include <QMimeData>
#include <functional>

#include "app/batch/batchform.h"
#include "mainwindow/oldform_fixture.h"
#include "skin/inputs/edit.h"
#include "skin/inputs/listbox.h"

using graphitine::Raster;

namespace {

const QString kQuestion = QStringLiteral("素描已修改, 要保存吗?");

enum Button { kSave = 0, kDontSave = 1, kCancel = 2 };

class GuardTest : public OldFormTest {
 protected:
  void SetUp() override {
    OldFormTest::SetUp();
    ASSERT_TRUE(output_.isValid());
    Show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    LoadPhoto(120, 90);
    other_ = WritePatternPhoto(folder_, QStringLiteral("other.bmp"), 50, 30);
    TBatchForm& batch = *form_->BatchForm();
    batch.ListBox1->SetItems({other_});
    batch.ListBox1->item(0)->setData(Qt::UserRole, other_);
    batch.Edit1->setText(output_.path());
  }

  void TearDown() override { StopRun(); }

  void StopRun() {
    if (form_->BatchForm()->Running()) form_->BatchForm()->StopButtonClick();
    QTRY_VERIFY_WITH_TIMEOUT(!form_->BatchForm()->Running(), 60000);
  }

  // The window shown again with a photo just opened, whatever the last trigger did.
  void Reset() {
    StopRun();
    form_->show();
    LoadPhoto(120, 90);
  }

  void Drop(const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(form_.get(), &enter);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(form_.get(), &drop);
  }

  QTemporaryDir output_;
  QString other_;
};

// What replaces the sketch, by the names of the parameterized test.
const char* const kTriggers[] = {"Open",      "drop",  "batch_list_click",
                                 "batch_run", "Clear", "closing"};

class GuardTriggerTest : public GuardTest, public ::testing::WithParamInterface<int> {
 protected:
  // What replaces the sketch, and how to tell that it went ahead.
  struct Trigger {
    std::function<void()> act;
    std::function<bool(const ModalWatch&)> wentAhead;
  };
  Trigger TheTrigger() {
    const bool otherPhoto = Photo() == PatternPhoto(50, 30);
    TBatchForm& batch = *form_->BatchForm();
    const Trigger triggers[] = {
        {[this] { Click(form_->Button2); },
         [](const ModalWatch& watch) {
           return watch.Seen().contains(QStringLiteral("OpenPictureDialog"));
         }},
        {[this] { Drop(other_); },
         [=, this](const ModalWatch&) { return !otherPhoto && Photo() == PatternPhoto(50, 30); }},
        {[&batch] {
           batch.ListBox1->setCurrentRow(0);
           emit batch.ListBox1->OnClick();
         },
         [=, this](const ModalWatch&) { return !otherPhoto && Photo() == PatternPhoto(50, 30); }},
        {[&batch] { batch.BitBtn1Click(); },
         [&batch](const ModalWatch&) { return batch.Running(); }},
        {[this] { Click(form_->Button4); },
         [this](const ModalWatch&) { return Sketch().IsEmpty(); }},
        {[this] { form_->close(); }, [this](const ModalWatch&) { return !form_->isVisible(); }},
    };
    return triggers[GetParam()];
  }

  // Acts with the given answer to the question; other dialogs are cancelled.
  QStringList ActAnswering(Button answer) {
    ModalWatch watch([answer](QWidget* modal) {
      if (modal->objectName() == QLatin1String("MessageBox")) {
        PressMessageButton(modal, answer);
      } else {
        qobject_cast<QDialog*>(modal)->reject();
      }
    });
    const Trigger trigger = TheTrigger();
    trigger.act();
    wentAhead_ = trigger.wentAhead(watch);
    return watch.Messages();
  }

  bool wentAhead_ = false;
};

TEST_P(GuardTriggerTest, AsksOnlyWhenWorkWouldBeLostAndCancelKeepsEverything) {
  const std::string name = kTriggers[GetParam()];
  // Nothing to lose after opening a photo: no question.
  EXPECT_TRUE(ActAnswering(kCancel).isEmpty()) << name;
  EXPECT_TRUE(wentAhead_) << name;
  Reset();

  Click(form_->Button3);  // Convert: work not yet saved
  const Raster photo = Photo();
  const Raster sketch = Sketch();
  EXPECT_EQ(ActAnswering(kCancel), QStringList{kQuestion}) << name;
  EXPECT_FALSE(wentAhead_) << name;
  EXPECT_TRUE(Photo() == photo) << name;
  EXPECT_TRUE(Sketch() == sketch) << name;
  EXPECT_TRUE(form_->Document().CanUndo()) << name;
  EXPECT_TRUE(form_->isVisible()) << name;

  EXPECT_EQ(ActAnswering(kDontSave), QStringList{kQuestion}) << name;
  EXPECT_TRUE(wentAhead_) << name;
}

INSTANTIATE_TEST_SUITE_P(Triggers, GuardTriggerTest,
                         ::testing::Range(0, static_cast<int>(std::size(kTriggers))),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(kTriggers[info.param]);
                         });

// Save goes through the save dialog and then lets the operation go ahead; a cancelled save
// dialog cancels the operation too. A step back to the saved sketch asks nothing.
TEST_F(GuardTest, SaveWritesTheSketchFirstAndUndoingToTheSavedSketchAsksNothing) {
  Click(form_->Button3);
  const Raster converted = Sketch();
  QString saveAs;  // empty: the save dialog is cancelled
  ModalWatch watch([&saveAs](QWidget* modal) {
    if (modal->objectName() == QLatin1String("MessageBox")) {
      PressMessageButton(modal, kSave);
    } else if (!saveAs.isEmpty()) {
      ChooseFile(modal, saveAs);
    } else {
      qobject_cast<QDialog*>(modal)->reject();
    }
  });
  Click(form_->Button4);
  EXPECT_EQ(watch.Seen(),
            (QStringList{QStringLiteral("MessageBox"), QStringLiteral("SavePictureDialog")}));
  EXPECT_EQ(Sketch(), converted);

  saveAs = folder_.filePath(QStringLiteral("kept"));
  Click(form_->Button4);
  EXPECT_EQ(graphitine::LoadPicture(Path(QStringLiteral("kept.bmp"))), converted);
  EXPECT_TRUE(Sketch().IsEmpty());

  form_->UndoStep();  // back to the saved sketch
  ASSERT_EQ(Sketch(), converted);
  const qsizetype asked = watch.Messages().size();
  Drop(other_);
  EXPECT_EQ(watch.Messages().size(), asked);
  EXPECT_EQ(Photo(), PatternPhoto(50, 30));
}

}  // namespace
