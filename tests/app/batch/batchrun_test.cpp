// The batch run through the window: its outputs against the converter's, failures, taken
// names, editing the list while it runs, stopping it, and the user's operations meanwhile.
#include <QDialog>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <map>

#include "app/language.h"
#include "app/notice.h"
#include "batch/batch_fixture.h"
#include "sketch/engine.h"
#include "skin/bars/statusbar.h"
#include "skin/bars/trackbar.h"
#include "skin/buttons/button.h"
#include "skin/buttons/radiobutton.h"
#include "skin/containers/pagecontrol.h"
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

using BatchRunTest = BatchTest;
using LoneBatchRunTest = LoneBatchTest;

TEST_F(LoneBatchRunTest, WithoutAnExistingOutputFolderItAsksForOneAndStartsNoRun) {
  for (const QString& folder : {QString(), out_.filePath(QStringLiteral("missing"))}) {
    ModalWatch watch;
    StartRun(folder);
    EXPECT_EQ(watch.Messages(), QStringList{TBatchForm::kChooseOutputFolder});
    EXPECT_FALSE(Batch().Running());
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
  EXPECT_FALSE(Batch().Button3->isEnabled());
  EXPECT_TRUE(Batch().StopButton->isVisible());
  // The user's own operations wait for the run's end, told so in the status bar.
  Click(form_->Button3);
  EXPECT_EQ(form_->StatusBar1->SimpleText(), TOldForm::kBatchStatus);
  WaitForTheEnd();
  EXPECT_TRUE(Batch().Button3->isEnabled());
  EXPECT_EQ(form_->StatusBar1->SimpleText(), TOldForm::kAutomaticStatus);
  EXPECT_EQ(Batch().ProgressBar1->Position(), 0);
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

// Each item converts with the settings the host gives when it starts, its paper held by the item
// alone (the sanitized run shows one freed too early); the host shows the finished pictures with
// views made at its size and hears of the run's start and end.
TEST_F(LoneBatchRunTest, ItemsConvertWithTheHostsSettingsAndShowThroughIt) {
  const QStringList sources = {Put(QStringLiteral("a.bmp"), 50, 30),
                               Put(QStringLiteral("b.bmp"), 30, 40)};
  AddFolder(tree_.path());
  settings_.lineStep = 3;
  settings_.choice.checked = graphitine::SketchTool::Pen;
  paper_ = graphitine::Paper{PatternPhoto(16, 8), graphitine::PaperMode::Tile};
  graphitine::ConvertSettings expected = settings_;
  expected.paper = &*paper_;
  QSignalSpy running(&Batch(), &TBatchForm::RunningChanged);
  StartRun(out_.path());
  WaitForTheEnd();

  EXPECT_EQ(settingsAsked_, 2);
  for (const QString& source : sources) {
    const QString name = QFileInfo(source).fileName();
    EXPECT_EQ(graphitine::LoadPicture(out_.filePath(name).toStdString()),
              graphitine::Convert(graphitine::LoadPicture(source.toStdString()), expected))
        << name.toStdString();
  }
  ASSERT_FALSE(shown_.isEmpty());
  EXPECT_TRUE(shown_.last().startsWith(out_.path())) << shown_.last().toStdString();
  EXPECT_EQ(shownView_, QSize(40, 30));
  ASSERT_EQ(running.count(), 2);
  EXPECT_EQ(running[0], QVariantList{true});
  EXPECT_EQ(running[1], QVariantList{false});
  // The end is told in a notice.
  ASSERT_EQ(notices_.size(), 2);
  EXPECT_EQ(notices_[0], QStringLiteral("批量转换结束"));
  const QRegularExpression told(QStringLiteral("^2 张素描已写入\n%1\n用时 \\d+\\.\\d 秒。$")
                                    .arg(QRegularExpression::escape(NoticePath(out_.path()))));
  EXPECT_TRUE(told.match(notices_[1]).hasMatch()) << notices_[1].toStdString();
}

// What the notice says at the end of a run, in both languages: the sketches written, where, how
// long it took, and the pictures that failed (also listed in their message box).
TEST(BatchEndNoticeTest, SaysHowManySketchesWentWhereAndHowLongItTook) {
  struct Case {
    std::size_t written;
    std::size_t failed;
    bool stopped;
    qint64 milliseconds;
    QString chinese[2];
    QString english[2];
  };
  const QString out = QStringLiteral("/out");
  const Case cases[] = {
      {1,
       0,
       false,
       2549,
       {"批量转换结束", "1 张素描已写入\n/out\n用时 2.5 秒。"},
       {"Batch run done", "1 sketch written to\n/out\nin 2.5 s."}},
      {12,
       2,
       false,
       125000,
       {"批量转换结束", "12 张素描已写入\n/out\n用时 2 分 5 秒。\n2 张图片未能转换。"},
       {"Batch run done", "12 sketches written to\n/out\nin 2 min 5 s.\n2 pictures failed."}},
      {0,
       1,
       true,
       80,
       {"批量转换已停止", "0 张素描已写入\n/out\n用时 0.1 秒。\n1 张图片未能转换。"},
       {"Batch run stopped", "0 sketches written to\n/out\nin 0.1 s.\n1 picture failed."}},
  };
  for (const Case& c : cases) {
    graphitine::BatchReport report;
    report.written = c.written;
    report.failures.resize(c.failed);
    report.stopped = c.stopped;
    for (const ProgramLanguage language : {ProgramLanguage::Chinese, ProgramLanguage::English}) {
      UseLanguage(language);
      const QString* expected = language == ProgramLanguage::Chinese ? c.chinese : c.english;
      EXPECT_EQ(TBatchForm::EndTitle(report), expected[0]);
      EXPECT_EQ(TBatchForm::EndMessage(report, out, c.milliseconds), expected[1]);
    }
    UseLanguage(ProgramLanguage::Chinese);
  }
}

TEST_F(LoneBatchRunTest, ItemsDeletedWhileItRunsAreSkippedAndNoItemIsSkippedOrTakenTwice) {
  ListPhotos(10, 300, 200);
  Batch().SetParallel(1);
  QStringList expected = Batch().ListBox1->Items();
  // Once the first item has ended, the first item (taken already) and the first one not yet
  // taken are deleted: the run goes on with the item after them.
  QTimer user;
  user.setInterval(1);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (Batch().ProgressBar1->Position() < 1) return;
    user.stop();
    const int next = Batch().RunPosition();
    ASSERT_LT(next, Batch().ListBox1->count());
    expected.removeAll(Batch().ListBox1->item(next)->text());
    Batch().ListBox1->clearSelection();
    Batch().ListBox1->item(0)->setSelected(true);
    Batch().ListBox1->item(next)->setSelected(true);
    QTest::keyClick(Batch().ListBox1, Qt::Key_Delete);
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
  EXPECT_EQ(Batch().ListBox1->count(), 8);
}

// The output folder vanishes once the first item is written: the run goes to its end, each
// later item is listed as failed with the file it could not write, and no folder is made anew.
TEST_F(LoneBatchRunTest, TheOutputFolderDeletedWhileItRunsFailsTheLaterItems) {
  ListPhotos(6, 800, 600);
  Batch().SetParallel(1);
  const QString output = out_.filePath(QStringLiteral("out"));
  ASSERT_TRUE(QDir().mkpath(output));
  QTimer user;
  user.setInterval(1);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (Batch().ProgressBar1->Position() < 1) return;
    user.stop();
    ASSERT_TRUE(QDir(output).removeRecursively());
  });
  user.start();
  ModalWatch watch;
  StartRun(output);
  WaitForTheEnd();
  EXPECT_FALSE(QFileInfo::exists(output));
  ASSERT_EQ(watch.Messages().size(), 1);
  const QStringList lines = watch.Messages().first().split(QLatin1Char('\n'));
  EXPECT_EQ(lines[0], TBatchForm::kFailuresHeading);
  EXPECT_GE(lines.size() - 1, 4);  // items 2 to 5 at least; item 1 may have been written
  for (const QString& line : lines.mid(1)) {
    EXPECT_TRUE(line.startsWith(tree_.path())) << line.toStdString();
    EXPECT_TRUE(line.contains(output + QLatin1Char('/'))) << line.toStdString();
  }
  EXPECT_EQ(Batch().ProgressBar1->Position(), 0);
}

// The window fails to give an item's settings: that item is listed as failed with the reason,
// and the run goes on with the others to its end.
TEST_F(LoneBatchRunTest, AnItemWhoseSettingsFailIsListedAndTheRunGoesOn) {
  ListPhotos(3, 40, 30);
  Batch().SetParallel(1);
  settingsFail_ = [](int asked) { return asked == 2; };
  ModalWatch watch;
  StartRun(out_.path());
  WaitForTheEnd();
  ASSERT_EQ(watch.Messages().size(), 1);
  EXPECT_EQ(watch.Messages().first(), TBatchForm::kFailuresHeading + QLatin1Char('\n') +
                                          InTree(QStringLiteral("p01.jpg")) +
                                          QStringLiteral(": no settings"));
  EXPECT_EQ(Contents(out_.path()).size(), 2u);
}

TEST_F(LoneBatchRunTest, AStoppedRunLeavesOnlyWholeSketches) {
  ListPhotos(8, 1600, 1200);
  StartRun(out_.path());
  QTRY_VERIFY_WITH_TIMEOUT(Batch().ProgressBar1->Position() >= 1, 60000);
  // Closing the window asks first: No keeps the run and the window, Yes stops the run.
  {
    ModalWatch no([](QWidget* box) { PressMessageButton(box, 1); });
    Batch().close();
    EXPECT_EQ(no.Messages(), QStringList{TBatchForm::kStopQuestion});
  }
  EXPECT_TRUE(Batch().isVisible());
  ModalWatch yes([](QWidget* box) { PressMessageButton(box, 0); });
  Batch().close();
  EXPECT_FALSE(Batch().isVisible());
  WaitForTheEnd();
  const std::map<QString, QByteArray> written = Contents(out_.path());
  EXPECT_LT(written.size(), 8u);
  for (const auto& [name, bytes] : written) {
    EXPECT_NO_THROW(graphitine::LoadPicture(out_.filePath(name).toStdString()));
    EXPECT_TRUE(name.startsWith(QLatin1Char('p')) && name.endsWith(QStringLiteral(".jpg")))
        << name.toStdString();
  }
}

// A run converts whole photos with a drawing style: with the eraser checked on the manual page,
// the style checked last; the batch window says which.
TEST_F(BatchRunTest, WithAHandToolCheckedItConvertsWithTheLastDrawingStyle) {
  const QString source = Put(QStringLiteral("a.bmp"), 60, 40);
  ShowBoth();
  AddFolder(tree_.path());
  Click(form_->RadioButton1);  // Pen
  ManualPage();
  Click(form_->RadioButton2);  // the eraser
  StartRun(out_.path());
  WaitForTheEnd();
  graphitine::ConvertSettings pen;
  pen.choice = {graphitine::SketchTool::Pen, graphitine::SketchPage::Automatic};
  EXPECT_EQ(graphitine::LoadPicture(out_.filePath(QStringLiteral("a.bmp")).toStdString()),
            graphitine::Convert(PatternPhoto(60, 40), pen));
  EXPECT_EQ(Batch().StyleLabel->text(), QStringLiteral("画法: Pen"));
  EXPECT_TRUE(form_->RadioButton2->Checked());
}

// The viewer reads the picture it shows from the main window: a run's picture finished
// meanwhile waits until the viewer closes.
TEST_F(BatchRunTest, APictureFinishedWhileTheViewerIsOpenWaitsForItToClose) {
  Put(QStringLiteral("a.bmp"), 60, 40);
  ShowBoth();
  AddFolder(tree_.path());
  Batch().Edit1->setText(out_.path());
  const graphitine::Raster start = Photo();
  bool started = false;
  ModalWatch watch([&](QWidget* viewer) {
    if (started) return;
    started = true;
    Batch().BitBtn1Click();
    QTRY_VERIFY_WITH_TIMEOUT(!Batch().Running(), 60000);
    EXPECT_TRUE(Photo() == start);
    qobject_cast<QDialog*>(viewer)->reject();
  });
  QTest::mouseDClick(form_->Image1, Qt::LeftButton);
  EXPECT_TRUE(started);
  EXPECT_EQ(Photo(), PatternPhoto(60, 40));
}

TEST_F(BatchRunTest, QuittingDuringARunStopsTheWorkerAndLeavesNoHalfFile) {
  ShowBoth();
  ListPhotos(6, 1600, 1200);
  StartRun(out_.path());
  QTRY_VERIFY_WITH_TIMEOUT(Batch().ProgressBar1->Max() == 6, 10000);
  const QPointer<TBatchForm> batch = &Batch();
  form_.reset();
  EXPECT_FALSE(batch);
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
  for (int round = 0; Batch().Running() && round < 40; ++round) {
    Click(form_->Button2);  // Open
    Click(form_->Button3);  // Convert
    Click(form_->Button4);  // Clear
    MoveOnSketch(20, 20, Qt::ControlModifier);
    form_->TrackBar1->SetPosition(150 + round % 40);
    Click(round % 2 == 0 ? form_->RadioButton1 : form_->RadioButton4);
    Batch().ListBox1->setCurrentRow(Batch().ListBox1->count() - 1);
    emit Batch().ListBox1->OnClick();
    if (round == 3) QTest::keyClick(Batch().ListBox1, Qt::Key_Delete);
    if (round == 5) Click(Batch().Button2);  // add a folder
    QTest::qWait(5);
  }
  EXPECT_EQ(form_->StatusBar1->SimpleText(),
            Batch().Running() ? TOldForm::kBatchStatus : TOldForm::kAutomaticStatus);
  WaitForTheEnd();
  for (const auto& [name, bytes] : Contents(out_.path())) {
    EXPECT_NO_THROW(graphitine::LoadPicture(out_.filePath(name).toStdString()))
        << name.toStdString();
  }
}

TEST_F(LoneBatchRunTest, ARunStartsOnlyWhenTheHostLetsItsPicturesReplaceItsOwn) {
  ListPhotos(2, 40, 30);
  mayReplaceSketch_ = false;
  StartRun(out_.path());
  EXPECT_FALSE(Batch().Running());
  EXPECT_TRUE(Contents(out_.path()).empty());
}

// Items converting at once finish out of order: a large first item ends after the small ones,
// and the run still ends showing the list's last item.
TEST_F(LoneBatchRunTest, TheRunEndsShowingTheLastItemOfTheList) {
  const QStringList sources = {Put(QStringLiteral("a.bmp"), 3000, 2000),
                               Put(QStringLiteral("b.bmp"), 30, 20),
                               Put(QStringLiteral("c.bmp"), 40, 20)};
  Batch().ListBox1->SetItems(sources);
  for (int i = 0; i < sources.size(); ++i)
    Batch().ListBox1->item(i)->setData(Qt::UserRole, sources[i]);
  Batch().SetParallel(2);
  StartRun(out_.path());
  WaitForTheEnd();
  ASSERT_FALSE(shown_.isEmpty());
  EXPECT_TRUE(shown_.last().endsWith(QStringLiteral("c.bmp"))) << shown_.last().toStdString();
  EXPECT_EQ(shownPhoto_, PatternPhoto(40, 20));
}

TEST_F(LoneBatchRunTest, AnEmptyListRunsToItsEndWithoutAMessage) {
  ModalWatch watch;
  StartRun(out_.path());
  WaitForTheEnd();
  EXPECT_TRUE(watch.Messages().isEmpty());
  EXPECT_TRUE(Contents(out_.path()).empty());
  EXPECT_EQ(Batch().ProgressBar1->Position(), 0);
}

}  // namespace
