// The batch window: its layout, where it shows, the check box, collecting folders through the
// folder dialog, the list's preview and the Delete key, and what it tells its host.
#include <QKeyEvent>
#include <QSignalSpy>

#include "batch/batch_fixture.h"
#include "skin/buttons/button.h"
#include "skin/inputs/edit.h"
#include "skin/window/form.h"
#include "skin/window/titlebar.h"

namespace {

TEST_F(BatchTest, IsAToolWindowOverTheMainWindowWithItsControlsInPlace) {
  ShowBoth();
  TBatchForm& batch = Batch();
  EXPECT_EQ(batch.parent(), form_.get());
  EXPECT_TRUE(batch.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(batch.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_EQ(batch.skinForm1->Caption(), QStringLiteral("   批量转换    "));
  EXPECT_EQ(batch.skinForm1->size(), QSize(157, 353));
  QStringList shownButtons;
  const TSkinTitleBarButtons& buttons = batch.skinForm1->TitleBar()->Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    if (buttons.Items(i)->Visible())
      shownButtons << QString::number(buttons.Items(i)->ButtonType());
  }
  EXPECT_EQ(shownButtons, QStringList{QString::number(skinClose)});
  const std::pair<QWidget*, QRect> places[] = {
      {batch.Button2, {8, 32, 105, 25}},    {batch.ListBox1, {8, 61, 137, 137}},
      {batch.Button1, {7, 208, 113, 25}},   {batch.Edit1, {8, 237, 137, 21}},
      {batch.Button3, {8, 272, 89, 25}},    {batch.ProgressBar1, {8, 304, 142, 17}},
      {batch.StyleLabel, {8, 327, 142, 16}}};
  // Places inside the skinned frame, title bar included.
  for (const auto& [control, place] : places) {
    EXPECT_EQ(QRect(control->mapTo(batch.skinForm1, QPoint()), control->size()), place)
        << control->objectName().toStdString();
  }
  EXPECT_TRUE(batch.ListBox1->MultiSelect());
  EXPECT_EQ(batch.ListBox1->ItemHeight(), 13);
  EXPECT_TRUE(batch.Edit1->text().isEmpty());
  EXPECT_FALSE(batch.StopButton->isVisible());
}

TEST_F(BatchTest, FirstShowsAtTheMainWindowsCornerLaterWhereTheUserLeftIt) {
  Show();
  form_->move(40, 30);
  TBatchForm& batch = Batch();
  ASSERT_FALSE(batch.isVisible());
  Click(form_->CheckBox1);
  ASSERT_TRUE(batch.isVisible());
  EXPECT_EQ(batch.pos(), form_->pos());

  // Closing it unticks the box; the box shows it again where the user moved it.
  batch.move(300, 200);
  batch.close();
  EXPECT_FALSE(batch.isVisible());
  EXPECT_FALSE(form_->CheckBox1->Checked());
  Click(form_->CheckBox1);
  EXPECT_TRUE(batch.isVisible());
  EXPECT_EQ(batch.pos(), QPoint(300, 200));
  Click(form_->CheckBox1);
  EXPECT_FALSE(batch.isVisible());
}

TEST_F(BatchTest, AddingFoldersListsTheirPicturesOnceByLowerCasedNames) {
  Put(QStringLiteral("Pics/Photo.JPG"));
  Put(QStringLiteral("Pics/b.bmp"));
  Put(QStringLiteral("Pics/c.jpeg"));
  Put(QStringLiteral("Pics/Sub/X.jpg"));
  ShowBoth();
  AddFolder(InTree(QStringLiteral("Pics/Sub")));
  EXPECT_EQ(Listed(), QStringList{InTree(QStringLiteral("Pics/Sub/x.jpg"))});

  // The parent lists the sub-folder again, by its lower-cased name; the same folder a second
  // time adds nothing.
  AddFolder(InTree(QStringLiteral("Pics")));
  QStringList expected = {
      InTree(QStringLiteral("Pics/Sub/x.jpg")), InTree(QStringLiteral("Pics/photo.jpg")),
      InTree(QStringLiteral("Pics/b.bmp")), InTree(QStringLiteral("Pics/sub/x.jpg"))};
  QStringList listed = Listed();
  std::sort(expected.begin() + 1, expected.end());
  std::sort(listed.begin() + 1, listed.end());
  EXPECT_EQ(listed, expected);
  AddFolder(InTree(QStringLiteral("Pics")));
  EXPECT_EQ(Listed().size(), 4);

  // The list scrolls sideways as far as its widest item, and a click opens the picture from
  // where it is on disk.
  const QFontMetrics metrics(Batch().ListBox1->font());
  int widest = 0;
  for (const QString& item : Listed()) widest = std::max(widest, metrics.horizontalAdvance(item));
  EXPECT_EQ(Batch().ListBox1->HorizontalExtent(), widest + 2);
  const int lower = static_cast<int>(Listed().indexOf(InTree(QStringLiteral("Pics/sub/x.jpg"))));
  Batch().ListBox1->setCurrentRow(lower);
  emit Batch().ListBox1->OnClick();
  EXPECT_EQ(Photo(), graphitine::LoadPicture(
                         tree_.filePath(QStringLiteral("Pics/Sub/X.jpg")).toStdString()));
}

// An item whose file vanished after it was listed: its preview names the file, and the main
// window keeps its photo.
TEST_F(BatchTest, APreviewOfAFileGoneFromDiskIsReportedAndKeepsThePhoto) {
  const QString file = Put(QStringLiteral("Pics/gone.jpg"));
  ShowBoth();
  AddFolder(InTree(QStringLiteral("Pics")));
  const graphitine::Raster before = Photo();
  ASSERT_TRUE(QFile::remove(file));
  ModalWatch watch;
  Batch().ListBox1->setCurrentRow(0);
  emit Batch().ListBox1->OnClick();
  ASSERT_EQ(watch.Messages().size(), 1);
  EXPECT_TRUE(watch.Messages().first().contains(QStringLiteral("gone.jpg")));
  EXPECT_EQ(Photo(), before);
  EXPECT_TRUE(Batch().isVisible());
}

TEST_F(LoneBatchTest, CancellingTheFolderDialogAddsNothing) {
  ModalWatch watch;
  Click(Batch().Button2);
  EXPECT_EQ(watch.Seen(), QStringList{QStringLiteral("FolderDialog")});
  EXPECT_TRUE(Listed().isEmpty());
  EXPECT_EQ(Batch().ListBox1->HorizontalExtent(), 2);
}

TEST_F(LoneBatchTest, TheOutputFolderButtonFillsTheEditOnlyWhenAFolderIsChosen) {
  Batch().Edit1->setText(QStringLiteral("typed"));
  {
    ModalWatch cancel;
    Click(Batch().Button1);
  }
  EXPECT_EQ(Batch().Edit1->text(), QStringLiteral("typed"));
  ModalWatch choose([&](QWidget* dialog) { ChooseFile(dialog, tree_.path()); });
  Click(Batch().Button1);
  EXPECT_EQ(Batch().Edit1->text(), QDir::toNativeSeparators(tree_.path()));
}

TEST_F(LoneBatchTest, DeleteRemovesTheSelectedItemsOnly) {
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) Put(QString::fromLatin1(name));
  AddFolder(tree_.path());
  QStringList all = Listed();
  all.sort();
  Batch().ListBox1->SetItems(all);
  struct Case {
    QList<int> selected;
    QStringList left;
  };
  const Case cases[] = {
      {{}, all}, {{1, 3}, {all[0], all[2]}}, {{0}, {all[2]}}, {{0}, {}}, {{}, {}},
  };
  for (const Case& c : cases) {
    Batch().ListBox1->clearSelection();
    for (int row : c.selected) Batch().ListBox1->item(row)->setSelected(true);
    QTest::keyClick(Batch().ListBox1, Qt::Key_Delete);
    EXPECT_EQ(Listed(), c.left);
  }
}

// A click on an item hands the host the picture where it is on disk; the host decides whether
// to open it. A click on no item hands nothing.
TEST_F(LoneBatchTest, AClickOnAnItemAsksTheHostToPreviewItsFile) {
  const QString photo = Put(QStringLiteral("Pics/Photo.JPG"));
  AddFolder(tree_.filePath(QStringLiteral("Pics")));
  ASSERT_EQ(Listed(), QStringList{InTree(QStringLiteral("Pics/photo.jpg"))});
  emit Batch().ListBox1->OnClick();
  EXPECT_TRUE(previewed_.isEmpty());
  Batch().ListBox1->setCurrentRow(0);
  emit Batch().ListBox1->OnClick();
  EXPECT_EQ(previewed_, QStringList{photo});
}

TEST_F(LoneBatchTest, HidingTheWindowTellsItsOwner) {
  QSignalSpy hidden(&Batch(), &TBatchForm::Hidden);
  Batch().close();
  EXPECT_EQ(hidden.count(), 1);
  Batch().show();
  Batch().hide();
  EXPECT_EQ(hidden.count(), 2);
}

}  // namespace
