#pragma once
// The main window shown with its batch window, and a tree of pictures to collect.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/batch/batchform.h"
#include "app/forms.h"
#include "mainwindow/oldform_fixture.h"
#include "skin/bars/progressbar.h"
#include "skin/buttons/checkbox.h"
#include "skin/inputs/listbox.h"

class BatchTest : public OldFormTest {
 protected:
  void ShowBoth() {
    Show();
    ASSERT_TRUE(BatchForm);
    Click(form_->CheckBox1);
    ASSERT_TRUE(BatchForm->isVisible());
  }

  // A file under the tree, its folders made first.
  QString Put(const QString& name, int width = 24, int height = 16) {
    const QString path = tree_.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    graphitine::WritePicture(PatternPhoto(width, height), path.toStdString(),
                             name.toLower().endsWith(QStringLiteral(".bmp"))
                                 ? graphitine::PictureFormat::Bitmap
                                 : graphitine::PictureFormat::Jpeg,
                             {width, height});
    return path;
  }

  // Adds the folder through the add button and its folder dialog.
  void AddFolder(const QString& folder) {
    ModalWatch watch([&](QWidget* dialog) { ChooseFile(dialog, folder); });
    Click(BatchForm->Button2);
    EXPECT_EQ(watch.Seen(), QStringList{QStringLiteral("FolderDialog")});
  }

  QStringList Listed() const { return BatchForm->ListBox1->Items(); }

  QString InTree(const QString& name) const {
    return QDir::toNativeSeparators(tree_.filePath(name));
  }

  QTemporaryDir tree_;
};
