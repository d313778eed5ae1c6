// The skinned folder and file lists and the filter choice: what they list from a scratch folder,
// masks and filters as the file dialogs write them, and opening a folder by double click and by
// Enter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "skin/inputs/directorylistbox.h"
#include "skin/inputs/filelistbox.h"
#include "skin/inputs/filtercombobox.h"
#include "tests/skin/support/active_window_fixture.h"

namespace {

class FolderListsTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    ActiveWindowTest::SetUp();
    ASSERT_TRUE(scratch_.isValid());
    for (const char* name : {"b.JPG", "a.jpg", "c.bmp", "notes.txt", "README", ".hidden.jpg"}) {
      QFile file(scratch_.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const char* name : {"portraits", "landscapes"})
      ASSERT_TRUE(QDir(scratch_.path()).mkdir(name));
  }

  static QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts.append(list.item(i)->text().trimmed());
    return texts;
  }

  QTemporaryDir scratch_;
};

TEST_F(FolderListsTest, FileListShowsTheFilesTheMaskMatches) {
  TSkinFileListBox files(&window_);
  files.SetDirectory(scratch_.path());
  struct Case {
    const char* mask;
    QStringList expected;
  };
  const Case cases[] = {
      {"*.*", {"a.jpg", "b.JPG", "c.bmp", "notes.txt", "README"}},
      {"*.jpg", {"a.jpg", "b.JPG"}},
      {"*.jpg; *.bmp", {"a.jpg", "b.JPG", "c.bmp"}},
  };
  for (const Case& c : cases) {
    files.SetMask(c.mask);
    EXPECT_EQ(Texts(files), c.expected) << c.mask;
  }
  files.setCurrentRow(1);
  EXPECT_EQ(files.FileName(), QDir(scratch_.path()).filePath("b.JPG"));
  files.SetDirectory(scratch_.filePath("missing"));
  EXPECT_EQ(files.Directory(), QDir(scratch_.path()).absolutePath())
      << "a missing folder is refused";
}

TEST_F(FolderListsTest, FolderListOpensFoldersByDoubleClickAndEnter) {
  TSkinDirectoryListBox folders(&window_);
  folders.setGeometry(10, 10, 200, 180);
  folders.show();
  folders.SetDirectory(scratch_.path());
  const QStringList shown = Texts(folders);
  ASSERT_GE(shown.size(), 3);
  EXPECT_EQ(shown.mid(shown.size() - 2), (QStringList{"landscapes", "portraits"}));
  EXPECT_EQ(shown[shown.size() - 3], QDir(scratch_.path()).dirName())
      << "the folder itself, after its parents";

  const int portraits = static_cast<int>(shown.size()) - 1;
  folders.scrollToItem(folders.item(portraits));
  QApplication::processEvents();  // the list lays its items out
  const QPoint at = folders.visualItemRect(folders.item(portraits)).center();
  QTest::mouseClick(folders.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(folders.viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(folders.Directory(), QDir(scratch_.filePath("portraits")).absolutePath());

  folders.setFocus();
  folders.setCurrentRow(folders.count() - 2);  // back up at the scratch folder
  QTest::keyClick(&folders, Qt::Key_Return);
  EXPECT_EQ(folders.Directory(), QDir(scratch_.path()).absolutePath());
}

TEST(SkinFilterComboBox, ListsDescriptionsAndGivesTheChosenPattern) {
  TSkinFilterComboBox filter;
  filter.SetFilter("Pictures|*.jpg;*.bmp|Text|*.txt|Bare");
  ASSERT_EQ(filter.count(), 3);
  const char* const masks[] = {"*.jpg;*.bmp", "*.txt", "*.*"};
  for (int i = 0; i < 3; ++i) {
    filter.setCurrentIndex(i);
    EXPECT_EQ(filter.Mask(), masks[i]) << filter.currentText().toStdString();
  }
}

}  // namespace
