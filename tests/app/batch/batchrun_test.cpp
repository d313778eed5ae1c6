// The batch run through the window: its outputs against the converter's, failures, taken
// names, editing the list while it runs, stopping it, and the user's operations meanwhile.
#include <QDialog>
#include <QDirIterator>
#include <QProcess>
#include <QTimer>
#include <map>

#include "batch/batch_fixture.h"
#include "skin/bars/statusbar.h"
#include "skin/bars/trackbar.h"
#include "skin/buttons/button.h"
#include "skin/buttons/radiobutton.h"
#include "skin/inputs/edit.h"

namespace {

// Every file under the folder by its name relative to it, with its bytes.
std::map<QString, QByteArray> Contents(const QString& folder) {
  std::map<QString, QByteArray> files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    files[QDir(folder).relativeFilePath(path)] = file.readAll();
  }
  return files;
}

class BatchRunTest : public BatchTest {
 protected:
  void SetUp() override {
    BatchTest::SetUp();
    ASSERT_TRUE(out_.isValid());
  }

  void StartRun(const QString& outputFolder) {
    BatchForm->Edit1->setText(outputFolder);
    Click(BatchForm->Button3);
  }

  void WaitForTheEnd() { QTRY_VERIFY_WITH_TIMEOUT(!BatchForm->Running(), 120000); }

  // Photos p0.jpg .. in the tree, listed in name order.
  void ListPhotos(int count, int width, int height) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
      names << InTree(Put(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')), width, height)
                          .section(QLatin1Char('/'), -1));
    }
    BatchForm->ListBox1->SetItems(names);
    for (int i = 0; i < count; ++i) {
      BatchForm->ListBox1->item(i)->setData(Qt::UserRole, names[i]);
    }
  }

  QTemporaryDir out_;
};

TEST_F(BatchRunTest, WithoutAnExistingOutputFolderItAsksForOneAndStartsNoRun) {
  ShowBoth();
  for (const QString& folder : {QString(), out_.filePath(QStringLiteral("missing"))}) {
    ModalWatch watch;
    StartRun(folder);
    EXPECT_EQ(watch.Messages(), QStringList{TBatchForm::kChooseOutputFolder});
    EXPECT_FALSE(BatchForm->Running());
  }
}

TEST_F(BatchRunTest, WritesWhatTheConverterWritesListsFailuresAndReplacesNothing) {
  Put(QStringLiteral("One/A.JPG"), 60, 40);
  Put(QStringLiteral("Two/a.jpg"), 50, 30);
  Put(QStringLiteral("b.bmp"), 40, 40);
  QFile broken(tree_.filePath(QStringLiteral("broken.jpg")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  QTemporaryDir converterOut;
  for (const QString& folder : {out_.path(), converterOut.path()}) {
    QFile taken(folder + QStringLiteral("/b.bmp"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("keep");
  }

  ShowBoth();
  AddFolder(tree_.path());
  ModalWatch watch;
  StartRun(out_.path());
  EXPECT_FALSE(BatchForm->Button3->isEnabled());
  EXPECT_TRUE(BatchForm->StopButton->isVisible());
  // The user's own operations wait for the run's end, told so in the status bar.
  Click(form_->Button3);
  EXPECT_EQ(form_->StatusBar1->SimpleText(), TOldForm::kBatchStatus);
  WaitForTheEnd();
  EXPECT_TRUE(BatchForm->Button3->isEnabled());
  EXPECT_EQ(form_->StatusBar1->SimpleText(), TOldForm::kAutomaticStatus);
  EXPECT_EQ(BatchForm->ProgressBar1->Position(), 0);
  EXPECT_FALSE(Photo().IsEmpty());
  EXPECT_FALSE(Sketch().IsEmpty());
  // The views show the last picture at their own size, their images made by the run.
  const std::pair<TPictureView*, const graphitine::Raster*> views[] = {{form_->Image1, &Photo()},
                                                                       {form_->Image2, &Sketch()}};
  for (const auto& [view, picture] : views) {
    ScaledPicture whole;
    whole.Scale(*picture, view->size());
    EXPECT_EQ(view->Scaled(), whole.Image());
  }

  ASSERT_EQ(watch.Messages().size(), 1);
  const QStringList lines = watch.Messages().first().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], TBatchForm::kFailuresHeading);
  EXPECT_TRUE(
      lines[1].startsWith(tree_.filePath(QStringLiteral("broken.jpg")) + QStringLiteral(": ")));

  QProcess converter;
  converter.start(
      QStringLiteral(GRAPHITINE_BIN_DIR "/graphitine-sketch"),
      {QStringLiteral("--quiet"), QStringLiteral("--batch"), converterOut.path(), tree_.path()});
  ASSERT_TRUE(converter.waitForFinished(60000));
  EXPECT_EQ(converter.exitCode(), 1);  // the broken file
  const std::map<QString, QByteArray> written = Contents(out_.path());
  EXPECT_EQ(written, Contents(converterOut.path()));
  EXPECT_EQ(written.size(), 4u);  // a.jpg, its numbered namesake, b.bmp kept and b numbered
  EXPECT_EQ(written.at(QStringLiteral("b.bmp")), QByteArray("keep"));
}

TEST_F(BatchRunTest, ItemsDeletedWhileItRunsAreSkippedAndNoItemIsSkippedOrTakenTwice) {
  ShowBoth();
  ListPhotos(10, 300, 200);
  BatchForm->SetParallel(1);
  QStringList expected = BatchForm->ListBox1->Items();
  // Once the first item has ended, the first item (taken already) and the first one not yet
  // taken are deleted: the run goes on with the item after them.
  QTimer user;
  user.setInterval(1);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (BatchForm->ProgressBar1->Position() < 1) return;
    user.stop();
    const int next = BatchForm->RunPosition();
    ASSERT_LT(next, BatchForm->ListBox1->count());
    expected.removeAll(BatchForm->ListBox1->item(next)->text());
    BatchForm->ListBox1->clearSelection();
    BatchForm->ListBox1->item(0)->setSelected(true);
    BatchForm->ListBox1->item(next)->setSelected(true);
    QTest::keyClick(BatchForm->ListBox1, Qt::Key_Delete);
  });
  user.start();
  StartRun(out_.path());
  WaitForTheEnd();
  EXPECT_FALSE(user.isActive());
  QStringList names;
  for (const auto& entry : Contents(out_.path())) names << entry.first;
  QStringList expectedNames;
  for (const QString& item : expected) expectedNames << item.section(QDir::separator(), -1);
  EXPECT_EQ(names, expectedNames);
  EXPECT_EQ(BatchForm->ListBox1->count(), 8);
}

TEST_F(BatchRunTest, AStoppedRunLeavesOnlyWholeSketches) {
  ShowBoth();
  ListPhotos(8, 1600, 1200);
  StartRun(out_.path());
  QTRY_VERIFY_WITH_TIMEOUT(BatchForm->ProgressBar1->Position() >= 1, 60000);
  // Closing the window asks first: No keeps the run and the window, Yes stops the run.
  {
    ModalWatch no([](QWidget* box) { PressMessageButton(box, 1); });
    BatchForm->close();
    EXPECT_EQ(no.Messages(), QStringList{TBatchForm::kStopQuestion});
  }
  EXPECT_TRUE(BatchForm->isVisible());
  ModalWatch yes([](QWidget* box) { PressMessageButton(box, 0); });
  BatchForm->close();
  EXPECT_FALSE(BatchForm->isVisible());
  WaitForTheEnd();
  const std::map<QString, QByteArray> written = Contents(out_.path());
  EXPECT_LT(written.size(), 8u);
  for (const auto& [name, bytes] : written) {
    EXPECT_NO_THROW(graphitine::LoadPicture(out_.filePath(name).toStdString()));
    EXPECT_TRUE(name.startsWith(QLatin1Char('p')) && name.endsWith(QStringLiteral(".jpg")))
        << name.toStdString();
  }
}

TEST_F(BatchRunTest, QuittingDuringARunStopsTheWorkerAndLeavesNoHalfFile) {
  ShowBoth();
  ListPhotos(6, 1600, 1200);
  StartRun(out_.path());
  QTRY_VERIFY_WITH_TIMEOUT(BatchForm->ProgressBar1->Max() == 6, 10000);
  form_.reset();
  EXPECT_FALSE(BatchForm);
  for (const auto& [name, bytes] : Contents(out_.path())) {
    EXPECT_NO_THROW(graphitine::LoadPicture(out_.filePath(name).toStdString()))
        << name.toStdString();
  }
}

// What the user may do while a run goes: the main window's operations (refused), the
// settings, the list and the output folder. Run under ThreadSanitizer, this shows whether the
// run and the interface thread share anything unguarded.
TEST_F(BatchRunTest, TheUserClicksAroundWhileItRuns) {
  Put(QStringLiteral("more/m.bmp"), 64, 48);
  ShowBoth();
  ListPhotos(12, 1000, 750);
  const QString more = tree_.filePath(QStringLiteral("more"));
  ModalWatch watch([&](QWidget* modal) {
    if (modal->objectName() == QLatin1String("FolderDialog")) {
      ChooseFile(modal, more);
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    }
  });
  StartRun(out_.path());
  for (int round = 0; BatchForm->Running() && round < 40; ++round) {
    Click(form_->Button2);  // Open
    Click(form_->Button3);  // Convert
    Click(form_->Button4);  // Clear
    MoveOnSketch(20, 20, Qt::ControlModifier);
    form_->TrackBar1->SetPosition(150 + round % 40);
    Click(round % 2 == 0 ? form_->RadioButton1 : form_->RadioButton4);
    BatchForm->ListBox1->setCurrentRow(BatchForm->ListBox1->count() - 1);
    emit BatchForm->ListBox1->OnClick();
    if (round == 3) QTest::keyClick(BatchForm->ListBox1, Qt::Key_Delete);
    if (round == 5) Click(BatchForm->Button2);  // add a folder
    QTest::qWait(5);
  }
  EXPECT_EQ(form_->StatusBar1->SimpleText(),
            BatchForm->Running() ? TOldForm::kBatchStatus : TOldForm::kAutomaticStatus);
  WaitForTheEnd();
  for (const auto& [name, bytes] : Contents(out_.path())) {
    EXPECT_NO_THROW(graphitine::LoadPicture(out_.filePath(name).toStdString()))
        << name.toStdString();
  }
}

TEST_F(BatchRunTest, AnEmptyListRunsToItsEndWithoutAMessage) {
  ShowBoth();
  ModalWatch watch;
  StartRun(out_.path());
  WaitForTheEnd();
  EXPECT_TRUE(watch.Messages().isEmpty());
  EXPECT_TRUE(Contents(out_.path()).empty());
  EXPECT_EQ(BatchForm->ProgressBar1->Position(), 0);
}

}  // namespace
