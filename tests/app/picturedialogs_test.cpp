#include "app/picturedialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "skin/buttons/button.h"
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

// The one question before replacing a file, whether the name was typed with its extension or
// gains it on writing: the program's box, No by default, and No goes back to the dialog with
// the name chosen.
TEST(SaveDialogTest, ReplacingAFileIsAskedOnceAndNoReturnsToTheDialog) {
  QTemporaryDir folder;
  const QString written = folder.filePath(QStringLiteral("sketch.jpg"));
  const auto withExtension = [](const QString& chosen, int) {
    return chosen.endsWith(QLatin1String(".jpg")) ? chosen : chosen + QStringLiteral(".jpg");
  };
  for (const QString& typed : {folder.filePath(QStringLiteral("sketch")), written}) {
    SCOPED_TRACE(typed.toStdString());
    QFile::remove(written);
    TPictureDialog dialog(TPictureDialog::Mode::Save, QString::fromUtf8(kSavePictureFilters));
    QStringList offered;
    QList<bool> noIsDefault;
    int boxes = 0;
    ModalWatch watch([&](QWidget* modal) {
      if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        offered << files->selectedFiles().value(0);
        ChooseFile(files, typed);
        return;
      }
      noIsDefault << modal->findChildren<TSkinButton*>().at(1)->Default();
      PressMessageButton(modal, boxes++ == 0 ? 1 : 0);  // No, then Yes
    });
    // Nothing to replace: no question.
    EXPECT_EQ(dialog.Execute(nullptr, FolderPurpose::Save, withExtension), typed);
    EXPECT_TRUE(watch.Messages().isEmpty());

    QFile existing(written);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    offered.clear();
    EXPECT_EQ(dialog.Execute(nullptr, FolderPurpose::Save, withExtension), typed);
    EXPECT_EQ(watch.Seen(), (QStringList{"SavePictureDialog", "SavePictureDialog", "MessageBox",
                                         "SavePictureDialog", "MessageBox"}));
    EXPECT_EQ(watch.Messages(),
              QStringList(2, QStringLiteral("%1 已经存在。\n要替换它吗?").arg(written)));
    EXPECT_EQ(noIsDefault, (QList<bool>{true, true}));
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[1], typed);
  }
}

}  // namespace
