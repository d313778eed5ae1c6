// The main window under conditions nobody plans for: the shown photo's file deleted or replaced,
// a full disk while saving, a texture folder that cannot be read, a cache folder that takes no
// files. Each ends in a clear message naming the file, or in nothing at all, never in a lost file.
#include <QFileDialog>
#include <functional>

#include "mainwindow/oldform_fixture.h"
#include "sketch/engine.h"
#include "sketch/temporaryfiles.h"
#include "skin/buttons/button.h"

using graphitine::Raster;

namespace {

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                QDir::NoDotAndDotDot);
}

void WriteBytes(const QString& file, const QByteArray& bytes) {
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
  out.write(bytes);
}

// Answers the save or open dialog with the file (and the filter, when given) and every message
// box with its first button (OK, or Yes to replacing a file), recording it.
ModalWatch::Answer Choose(const QString& file, int filter = 0) {
  return [file, filter](QWidget* modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      if (filter > 0) dialog->selectNameFilter(dialog->nameFilters().at(filter - 1));
      ChooseFile(dialog, file);
    } else {
      PressMessageButton(modal, 0);
    }
  };
}

// The photo is read whole when it opens: what happens to its file afterwards changes nothing
// shown, converted or saved, and opening it again reads the file as it is now.
TEST_F(OldFormTest, ThePhotosFileDeletedOrReplacedWhileShown) {
  Show();
  struct Case {
    const char* what;
    std::function<void(const QString& file)> change;
    bool reopens;  // whether opening the file again succeeds
  };
  const Case cases[] = {
      {"deleted", [](const QString& file) { ASSERT_TRUE(QFile::remove(file)); }, false},
      {"replaced by a broken file", [](const QString& file) { WriteBytes(file, "BM broken"); },
       false},
      {"replaced by another photo",
       [this](const QString& file) {
         QFile::remove(file);
         WritePatternPhoto(folder_, QFileInfo(file).fileName(), 30, 50);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString shown = WritePatternPhoto(folder_, QStringLiteral("shown.bmp"), 60, 40);
    form_->LoadPicture(shown);
    c.change(shown);

    Click(form_->Button3);
    EXPECT_EQ(Sketch(), graphitine::Convert(PatternPhoto(60, 40), graphitine::ConvertSettings{}));
    const QString saved = folder_.filePath(QStringLiteral("saved.bmp"));
    {
      ModalWatch watch(Choose(saved, 2));
      Click(form_->Button5);
      EXPECT_TRUE(watch.Messages().isEmpty());
    }
    EXPECT_EQ(graphitine::LoadPicture(saved.toStdString()), Sketch());

    ModalWatch watch(Choose(shown));
    Click(form_->Button2);
    if (c.reopens) {
      EXPECT_TRUE(watch.Messages().isEmpty());
      EXPECT_EQ(Photo(), PatternPhoto(30, 50));
    } else {
      ASSERT_EQ(watch.Messages().size(), 1);
      EXPECT_TRUE(watch.Messages().first().contains(shown));
      EXPECT_EQ(Photo(), PatternPhoto(60, 40));
    }
    QFile::remove(shown);
    QFile::remove(saved);
  }
}

// The disk fills up part way through the write: the file that was there stays as it was, no
// temporary file is left, the message names the file and the last saved name stays.
TEST_F(OldFormTest, AFullDiskWhileSavingKeepsTheFileThatWasThere) {
  Show();
  Click(form_->Button3);
  struct Case {
    int filter;
    const char* name;
  };
  const Case cases[] = {{1, "kept.jpg"}, {2, "kept.bmp"}, {3, "kept.wmf"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString file = folder_.filePath(QString::fromLatin1(c.name));
    WriteBytes(file, "the user's earlier sketch");
    form_->SavePictureDialog1.SetFileName(QStringLiteral("earlier.bmp"));
    const QStringList before = Entries(folder_.path());
    graphitine::LimitTemporaryFileSpace(64);
    ModalWatch watch(Choose(file, c.filter));
    Click(form_->Button5);
    graphitine::LimitTemporaryFileSpace(std::nullopt);
    // The question whether to replace the file, then the failure.
    ASSERT_EQ(watch.Messages().size(), 2);
    EXPECT_TRUE(watch.Messages().last().contains(file));
    // The system's words, or libjpeg's own ("out of disk space?").
    EXPECT_TRUE(watch.Messages().last().contains(QStringLiteral("space")));
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the user's earlier sketch"));
    EXPECT_EQ(Entries(folder_.path()), before);
    EXPECT_EQ(form_->SavePictureDialog1.FileName(), QStringLiteral("earlier.bmp"));
  }
}

// A texture folder that cannot be read gives only the two fixed papers, without a message.
TEST_F(OldFormTest, AnUnreadableTextureFolderListsOnlyTheFixedPapers) {
  const QString texture = folder_.filePath(QStringLiteral("texture"));
  struct Case {
    const char* what;
    std::function<void()> make;
  };
  const Case cases[] = {
      // Permissions stop no one running as root; a loop of links stops everyone.
      {"a loop of links", [&] { ASSERT_TRUE(QFile::link(texture, texture)); }},
      {"a file", [&] { WriteBytes(texture, "no folder"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(texture);  // a link or a file; a folder stays for the next line
    ASSERT_TRUE(QDir(texture).removeRecursively());
    ASSERT_FALSE(QFileInfo(texture).isSymLink());
    c.make();
    ModalWatch watch;
    Show(!QFile::exists(folder_.filePath(QStringLiteral("J.jpg"))));
    EXPECT_TRUE(watch.Messages().isEmpty());
    EXPECT_EQ(Items(form_->skinComboBox1),
              (QStringList{QStringLiteral("空白"), QStringLiteral("自定义")}));
    EXPECT_FALSE(Photo().IsEmpty());
    form_.reset();
  }
}

// Neither the program's folder (/proc takes no files, not even from root) nor the cache folder
// (a file stands where it would be) takes the attachment: the message names it and no mail
// dialog opens.
TEST(HostileFoldersTest, NoFolderTakesTheAttachment) {
  QTemporaryDir home;
  const QString cacheFile = home.filePath(QStringLiteral("cache"));
  WriteBytes(cacheFile, "not a folder");
  const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
  qputenv("XDG_CACHE_HOME", cacheFile.toLocal8Bit());
  {
    TOldForm form("/proc");
    form.LoadPicture(WritePatternPhoto(home, QStringLiteral("photo.bmp"), 40, 30));
    form.BitBtn6Click();
    ModalWatch watch;
    emit form.BitBtn2->OnClick();
    EXPECT_EQ(watch.Seen(), QStringList{QStringLiteral("MessageBox")});
    ASSERT_EQ(watch.Messages().size(), 1);
    EXPECT_TRUE(watch.Messages().first().contains(QStringLiteral("sketch.jpg")));
  }
  qputenv("XDG_CACHE_HOME", savedCache);
  if (savedCache.isEmpty()) qunsetenv("XDG_CACHE_HOME");
}

}  // namespace
