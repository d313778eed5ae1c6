// The main window at start, its layout, Convert, the mirrors, the page switch, the papers and
// the hand-off to the paint program.
#include <QFileDialog>
#include <QMimeData>

#include "app/notice.h"
#include "mainwindow/oldform_fixture.h"
#include "sketch/engine.h"
#include "sketch/errors.h"
#include "skin/window/frmnoticepopform.h"
#include "skin/window/noticepopform.h"
#include "support/fakeprograms.h"

using graphitine::Raster;

namespace {

TEST_F(OldFormTest, StartsWithTheStartPictureTheDefaultsAndThePaperList) {
  Show();
  EXPECT_EQ(Photo(), graphitine::LoadPicture(Path(QStringLiteral("J.jpg"))));
  EXPECT_TRUE(Sketch().IsEmpty());
  QStringList papers = Items(form_->skinComboBox1).mid(2);
  papers.sort();
  EXPECT_EQ(Items(form_->skinComboBox1).mid(0, 2),
            (QStringList{QStringLiteral("空白"), QStringLiteral("自定义")}));
  EXPECT_EQ(papers, (QStringList{QStringLiteral("kraft"), QStringLiteral("rough")}));
  EXPECT_EQ(form_->Edit1->text(), QStringLiteral("170"));
  EXPECT_EQ(form_->Edit2->text(), QStringLiteral("1"));
  EXPECT_EQ(form_->Edit3->text(), QStringLiteral("32"));
  EXPECT_TRUE(form_->RadioButton4->Checked());
  EXPECT_EQ(form_->StatusBar1->SimpleText(), TOldForm::kAutomaticStatus);
  EXPECT_EQ(form_->skinForm1->FormPanel()->size(), QSize(690, 485));
}

// The photo view is scaled while the photo is decoded, at the size the view then takes: the
// same image as scaling the whole photo at that size, for a photo of another shape too.
TEST_F(OldFormTest, OpeningShowsThePhotoScaledToItsView) {
  Show();
  const QSize startView = form_->Image1->size();
  LoadPhoto(400, 600);
  ASSERT_NE(form_->Image1->size(), startView);
  ScaledPicture whole;
  whole.Scale(Photo(), form_->Image1->size());
  EXPECT_EQ(form_->Image1->Scaled(), whole.Image());
}

TEST_F(OldFormTest, AFileThatFailsToOpenKeepsPhotoSketchAndViews) {
  Show();
  form_->BitBtn6Click();
  const Raster photo = Photo();
  const Raster sketch = Sketch();
  const QImage view = form_->Image1->Scaled();
  QFile broken(folder_.filePath(QStringLiteral("broken.jpg")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("\xFF\xD8\xFF\xE0 not really");
  broken.close();
  EXPECT_THROW(form_->LoadPicture(broken.fileName()), graphitine::FileError);
  EXPECT_TRUE(Photo() == photo);
  EXPECT_TRUE(Sketch() == sketch);
  EXPECT_EQ(form_->Image1->Scaled(), view);
}

// The start-up steps do not depend on each other: the batch window and the paper list come
// all the same.
TEST_F(OldFormTest, AMissingStartPictureIsReportedAndTheOtherStartStepsStillRun) {
  ModalWatch watch;
  Show(false);
  ASSERT_EQ(watch.Messages().size(), 1);
  EXPECT_TRUE(watch.Messages().first().contains(QStringLiteral("J.jpg")));
  EXPECT_EQ(Items(form_->skinComboBox1).size(), 4);
  EXPECT_NE(form_->BatchForm(), nullptr);
  EXPECT_TRUE(Photo().IsEmpty());
}

TEST_F(OldFormTest, ViewsFitTheLeftHalfAndTheSketchViewMirrorsIt) {
  Show();
  struct Case {
    int width;
    int height;
    QRect photoView;
  };
  const Case cases[] = {{400, 300, {0, 23, 345, 258}}, {300, 400, {58, 0, 228, 305}}};
  ASSERT_EQ(form_->Panel1->size(), QSize(690, 305));
  for (const Case& c : cases) {
    LoadPhoto(c.width, c.height);
    EXPECT_EQ(form_->Image1->geometry(), c.photoView);
    EXPECT_EQ(form_->Image2->geometry(), c.photoView.translated(345, 0));
  }
}

TEST_F(OldFormTest, ConvertByTheButtonGivesTheConvertersSketchWithTheMirroredSettings) {
  Show();
  Click(form_->Button3);
  graphitine::ConvertSettings settings;  // the converter's defaults: 170, line 1, pencil
  EXPECT_EQ(Sketch(), graphitine::Convert(Photo(), settings));

  form_->TrackBar1->SetPosition(0);
  form_->TrackBar3->SetPosition(4);
  EXPECT_EQ(form_->Edit1->text(), QStringLiteral("0"));
  EXPECT_EQ(form_->Edit2->text(), QStringLiteral("4"));
  Click(form_->RadioButton1);
  Click(form_->Button3);
  settings.precision = 0;  // Threshold 200
  settings.lineStep = 4;
  settings.choice.checked = graphitine::SketchTool::Pen;
  EXPECT_EQ(Sketch(), graphitine::Convert(Photo(), settings));
  // The sketch view shows the new sketch.
  EXPECT_EQ(form_->Image2->Picture(), &Sketch());
  EXPECT_EQ(form_->Image2->Scaled().size(), form_->Image2->size());
}

TEST_F(OldFormTest, PageSwitchGivesUpTheHandToolsAndNeverGivesThemBack) {
  Show();
  form_->SavePictureDialog1.SetFileName(QStringLiteral("/tmp/a.bmp"));
  ManualPage();
  EXPECT_TRUE(form_->SavePictureDialog1.FileName().isEmpty());
  EXPECT_EQ(form_->StatusBar1->SimpleText(), TOldForm::kManualStatus);
  ASSERT_TRUE(form_->RadioButton2->isEnabled());
  Click(form_->RadioButton2);
  ASSERT_TRUE(form_->RadioButton2->Checked());

  AutomaticPage();
  EXPECT_TRUE(form_->RadioButton5->Checked());
  EXPECT_FALSE(form_->RadioButton2->Checked());
  EXPECT_FALSE(form_->RadioButton2->isEnabled());
  EXPECT_FALSE(form_->RadioButton3->isEnabled());
  EXPECT_EQ(form_->StatusBar1->SimpleText(), TOldForm::kAutomaticStatus);

  ManualPage();
  EXPECT_TRUE(form_->RadioButton5->Checked());
  EXPECT_TRUE(form_->RadioButton2->isEnabled());
}

TEST_F(OldFormTest, PaperChoiceIsLaidUnderTheSketchAndClearShowsItBare) {
  Show();
  LoadPhoto(120, 90);
  const int rough = static_cast<int>(Items(form_->skinComboBox1).indexOf(QStringLiteral("rough")));
  ChoosePaper(rough);
  form_->skinPageControl1->SetActivePage(form_->skinTabSheet2);
  Click(form_->skinRadioButton2);  // stretched
  ASSERT_TRUE(form_->Image4->Stretch());
  Click(form_->Button3);
  const graphitine::Paper paper{PatternPhoto(16, 8), graphitine::PaperMode::Stretch};
  graphitine::ConvertSettings settings;
  settings.paper = &paper;
  EXPECT_EQ(Sketch(), graphitine::Convert(Photo(), settings));

  ModalWatch dontSave([](QWidget* box) { PressMessageButton(box, 1); });
  Click(form_->Button4);
  Raster bare;
  graphitine::PaintPaper(bare, paper, 120, 90);
  EXPECT_EQ(Sketch(), bare);
}

TEST_F(OldFormTest, ACancelledCustomPaperFallsBackToNoPaper) {
  Show();
  LoadPhoto(60, 40);
  ModalWatch watch;  // cancels the open dialog
  ChoosePaper(1);
  EXPECT_EQ(watch.Seen(), QStringList{QStringLiteral("OpenPictureDialog")});
  EXPECT_EQ(form_->skinComboBox1->currentIndex(), 0);
  Click(form_->Button3);
  EXPECT_EQ(Sketch(), graphitine::Convert(Photo(), graphitine::ConvertSettings{}));
}

// A paper that fails to load is reported with its file; the list goes back to the paper in
// use, which the next Convert still lays.
TEST_F(OldFormTest, AFailedPaperPutsTheListBackOnThePaperInUse) {
  Show();
  LoadPhoto(60, 40);
  const QString broken = folder_.filePath(QStringLiteral("broken.jpg"));
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\xFF\xD8 not a picture");
  file.close();
  const int rough = static_cast<int>(Items(form_->skinComboBox1).indexOf(QStringLiteral("rough")));
  const int kraft = static_cast<int>(Items(form_->skinComboBox1).indexOf(QStringLiteral("kraft")));
  ASSERT_TRUE(QFile::remove(folder_.filePath(QStringLiteral("texture/kraft.bmp"))));
  struct Case {
    const char* what;
    int index;
    QString named;
  };
  const Case cases[] = {
      {"custom paper that is no picture", 1, QStringLiteral("broken.jpg")},
      {"catalogue paper gone from its folder", kraft, QStringLiteral("kraft.bmp")}};
  ChoosePaper(rough);
  Click(form_->Button3);
  const Raster onRough = Sketch();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ModalWatch watch([&](QWidget* modal) {
      if (qobject_cast<QFileDialog*>(modal) != nullptr) {
        ChooseFile(modal, broken);
      } else {
        qobject_cast<QDialog*>(modal)->reject();
      }
    });
    ChoosePaper(c.index);
    ASSERT_EQ(watch.Messages().size(), 1);
    EXPECT_TRUE(watch.Messages().first().contains(c.named));
    EXPECT_EQ(form_->skinComboBox1->currentIndex(), rough);
    Click(form_->Button3);
    EXPECT_EQ(Sketch(), onRough);
  }
}

TEST_F(OldFormTest, APictureDroppedOnTheWindowOpens) {
  Show();
  const QString file = WritePatternPhoto(folder_, QStringLiteral("dropped.bmp"), 50, 30);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(file)});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(form_.get(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(form_.get(), &drop);
  EXPECT_EQ(Photo(), PatternPhoto(50, 30));
}

// The paint hand-off asks for a save right after Convert and again after a retouch; the paint
// program gets the saved file.
TEST_F(OldFormTest, EditAndPrintAsksToSaveFirst) {
  Show();
  LoadPhoto(120, 90);
  QTemporaryDir programs;
  const QByteArray savedPath = qgetenv("PATH");
  qputenv("PATH", programs.path().toLocal8Bit());
  QFile paint(programs.filePath(QStringLiteral("mtpaint")));
  ASSERT_TRUE(paint.open(QIODevice::WriteOnly));
  paint.write(
      QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1/opened'\n").arg(programs.path()).toUtf8());
  paint.close();
  paint.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QString saveAs;  // empty: cancel the save dialog
  ModalWatch watch([&saveAs](QWidget* modal) {
    if (qobject_cast<QFileDialog*>(modal) != nullptr && !saveAs.isEmpty()) {
      ChooseFile(modal, saveAs);
    } else {
      qobject_cast<QDialog*>(modal)->reject();
    }
  });
  const QString opened = programs.filePath(QStringLiteral("opened"));

  Click(form_->Button3);
  Click(form_->Button6);  // asked, then cancelled: nothing opens
  EXPECT_EQ(watch.Seen(),
            (QStringList{QStringLiteral("MessageBox"), QStringLiteral("SavePictureDialog")}));
  saveAs = folder_.filePath(QStringLiteral("sketch one"));
  Click(form_->Button6);  // asked, saved as a bitmap (the dialog's first filter), opened
  const QString written = saveAs + QStringLiteral(".bmp");
  EXPECT_EQ(form_->SavePictureDialog1.FileName(), written);
  EXPECT_EQ(graphitine::LoadPicture(written.toStdString()), Sketch());
  EXPECT_TRUE(QTest::qWaitFor([&opened] { return QFile::exists(opened); }, 5000));

  ManualPage();  // empties the last saved name, as Convert does
  Click(form_->RadioButton2);
  form_->SavePictureDialog1.SetFileName(written);
  MoveOnSketch(100, 60, Qt::ControlModifier);  // a retouch since the save
  const qsizetype seenBefore = watch.Seen().size();
  saveAs.clear();
  Click(form_->Button6);
  EXPECT_EQ(watch.Seen().mid(seenBefore),
            (QStringList{QStringLiteral("MessageBox"), QStringLiteral("SavePictureDialog")}));
  qputenv("PATH", savedPath);
  QFile list(opened);
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(list.readAll()).trimmed(), written);
}

// A paint program that cannot be started gives its error code; xdg-open starting and then
// finding no program for the file is told in the notice.
TEST_F(OldFormTest, EditAndPrintSaysWhenNoPaintProgramOpenedTheSketch) {
  Show();
  Click(form_->Button3);
  const QString saved = folder_.filePath(QStringLiteral("sketch.jpg"));
  form_->SavePicture(saved, 1);
  struct Case {
    const char* what;
    int xdgOpen;  // its exit status; none on the path when negative
    QStringList messages;
    QString notice;
  };
  const Case cases[] = {
      {"no program at all", -1, {QStringLiteral("错误代码 2")}, QString()},
      {"xdg-open finds nothing",
       3,
       {},
       QStringLiteral("没有绘图程序打开\n%1\nxdg-open 找不到可以打开它的程序。")
           .arg(NoticePath(saved))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakePrograms programs;
    if (c.xdgOpen >= 0) programs.AddProgram(QStringLiteral("xdg-open"), c.xdgOpen);
    form_->Notice()->SetMessageText(QString());
    ModalWatch watch;
    Click(form_->Button6);
    if (!c.notice.isEmpty()) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return form_->Notice()->NoticeWindow()->isVisible(); }));
    }
    EXPECT_EQ(watch.Messages(), c.messages);
    EXPECT_EQ(form_->Notice()->MessageText(), c.notice);
    if (!c.notice.isEmpty()) {
      EXPECT_EQ(form_->Notice()->Title(), QStringLiteral("编辑打印"));
    }
  }
}

}  // namespace
