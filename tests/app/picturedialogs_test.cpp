#include "app/picturedialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "support/modalwatch.h"

namespace {

TEST(QtNameFiltersTest, TextAndPatternPairsBecomeQtFilters) {
  EXPECT_EQ(
      QtNameFilters(QString::fromUtf8(kOpenPictureFilters)),
      (QStringList{QStringLiteral("All (*.jpg *.jpeg *.bmp)"),
                   QStringLiteral("JPEG Image File (*.jpg)"),
                   QStringLiteral("JPEG Image File (*.jpeg)"), QStringLiteral("Bitmaps (*.bmp)")}));
  // Texts without their patterns get them; a trailing text without patterns is dropped.
  EXPECT_EQ(QtNameFilters(QStringLiteral("Pictures|*.png;*.gif|Odd")),
            (QStringList{QStringLiteral("Pictures (*.png *.gif)")}));
}

TEST(PictureDialogTest, TheChosenFilterIsKeptForTheNextRun) {
  TPictureDialog dialog(TPictureDialog::Mode::Save, QString::fromUtf8(kSavePictureFilters),
                        kSaveDialogStartIndex);
  QStringList offered;
  ModalWatch watch([&offered](QWidget* modal) {
    auto* files = qobject_cast<QFileDialog*>(modal);
    offered << files->selectedNameFilter();
    files->selectNameFilter(QStringLiteral("Metafiles (*.wmf)"));
    ChooseFile(files, QStringLiteral("/tmp/sketch"));
  });
  EXPECT_EQ(dialog.Execute(nullptr, FolderPurpose::Save), QStringLiteral("/tmp/sketch"));
  EXPECT_EQ(dialog.FilterIndex(), 3);
  dialog.Execute(nullptr, FolderPurpose::Save);
  EXPECT_EQ(offered,
            (QStringList{QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("Metafiles (*.wmf)")}));
}

TEST(ConfirmReplaceWrittenTest, AsksOnlyWhenTheLongerNameExists) {
  QTemporaryDir folder;
  const QString name = folder.filePath(QStringLiteral("sketch"));
  const QString written = name + QStringLiteral(".jpg");
  int answers = 0;
  ModalWatch watch([&answers](QWidget* box) { PressMessageButton(box, answers++ == 0 ? 1 : 0); });

  EXPECT_TRUE(ConfirmReplaceWritten(name, written, nullptr));  // nothing to replace
  QFile existing(written);
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  EXPECT_TRUE(ConfirmReplaceWritten(written, written, nullptr));  // the dialog asked already
  EXPECT_FALSE(ConfirmReplaceWritten(name, written, nullptr));    // No
  EXPECT_TRUE(ConfirmReplaceWritten(name, written, nullptr));     // Yes
  EXPECT_EQ(watch.Messages().size(), 2);
}

}  // namespace
