// The dialogs' last folders: one per purpose, kept in the user's configuration folder (the test
// run's own, see support/main.cpp) from one run to the next; a settings file that is damaged or
// cannot be written costs the remembering, nothing else.
#include "app/lastfolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/batch/folderchooser.h"
#include "app/picturedialogs.h"
#include "support/modalwatch.h"

namespace {

class LastFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folders_.isValid());
    ASSERT_FALSE(SettingsFile().isEmpty());
    QFile::remove(SettingsFile());
    for (const char* name : {"open", "save", "paper", "add", "output"}) {
      ASSERT_TRUE(QDir(folders_.path()).mkdir(QLatin1String(name)));
    }
  }
  void TearDown() override { QFile::remove(SettingsFile()); }

  QString Folder(const char* name) const { return folders_.filePath(QLatin1String(name)); }

  // What a dialog offers when nothing (or nothing usable) is remembered.
  static QString Default() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
  }

  void WriteSettings(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(SettingsFile()).absolutePath());
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QTemporaryDir folders_;
};

const std::pair<FolderPurpose, const char*> kPurposes[] = {
    {FolderPurpose::Open, "open"},          {FolderPurpose::Save, "save"},
    {FolderPurpose::Paper, "paper"},        {FolderPurpose::BatchAdd, "add"},
    {FolderPurpose::BatchOutput, "output"},
};

TEST_F(LastFoldersTest, EachPurposeKeepsItsOwnFolderInTheUsersConfiguration) {
  for (const auto& [purpose, name] : kPurposes) EXPECT_EQ(LastFolder(purpose), Default());
  for (const auto& [purpose, name] : kPurposes) RememberFolder(purpose, Folder(name));
  for (const auto& [purpose, name] : kPurposes) EXPECT_EQ(LastFolder(purpose), Folder(name));
  EXPECT_EQ(SettingsFile(), QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) +
                                QStringLiteral("/graphitine/graphitine.conf"));
  QFile file(SettingsFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains(Folder("paper").toUtf8()));
}

// The file a previous run left behind is what this run starts from.
TEST_F(LastFoldersTest, FoldersComeBackAfterARestart) {
  WriteSettings("[LastFolders]\nopen=" + Folder("open").toUtf8() +
                "\nbatchOutput=" + Folder("output").toUtf8() + "\n");
  EXPECT_EQ(LastFolder(FolderPurpose::Open), Folder("open"));
  EXPECT_EQ(LastFolder(FolderPurpose::BatchOutput), Folder("output"));
  EXPECT_EQ(LastFolder(FolderPurpose::Save), Default());
}

TEST_F(LastFoldersTest, AFolderThatIsGoneIsForgotten) {
  RememberFolder(FolderPurpose::Save, Folder("save"));
  ASSERT_TRUE(QDir(Folder("save")).removeRecursively());
  EXPECT_EQ(LastFolder(FolderPurpose::Save), Default());
}

TEST_F(LastFoldersTest, ADamagedSettingsFileIsIgnoredAndWrittenAnew) {
  WriteSettings(QByteArray("\x01\x02[[[LastFolders\nopen=\xff\xfe\n==\n", 28));
  for (const auto& [purpose, name] : kPurposes) EXPECT_EQ(LastFolder(purpose), Default());
  RememberFolder(FolderPurpose::Open, Folder("open"));
  EXPECT_EQ(LastFolder(FolderPurpose::Open), Folder("open"));
}

// The configuration folder is a file here: nothing can be written under it.
TEST_F(LastFoldersTest, AnUnwritableSettingsFileCostsOnlyTheRemembering) {
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  const QString blocker = folders_.filePath(QStringLiteral("config-is-a-file"));
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  qputenv("XDG_CONFIG_HOME", blocker.toLocal8Bit());
  RememberFolder(FolderPurpose::Paper, Folder("paper"));
  EXPECT_EQ(LastFolder(FolderPurpose::Paper), Default());
  qputenv("XDG_CONFIG_HOME", saved);
}

// The open dialog serves both opening photos and choosing a paper: each starts where it ended
// last time; the photo's file is offered only in its own folder.
TEST_F(LastFoldersTest, TheDialogsStartInTheFolderOfTheirPurpose) {
  TPictureDialog dialog(TPictureDialog::Mode::Open, QString::fromUtf8(kOpenPictureFilters));
  QStringList startedIn;
  QString choose;
  ModalWatch watch([&](QWidget* modal) {
    startedIn << qobject_cast<QFileDialog*>(modal)->directory().absolutePath();
    ChooseFile(modal, choose);
  });
  choose = Folder("open") + QStringLiteral("/a.jpg");
  dialog.Execute(nullptr, FolderPurpose::Open);
  dialog.SetFileName(choose);
  choose = Folder("paper") + QStringLiteral("/p.bmp");
  dialog.Execute(nullptr, FolderPurpose::Paper);
  choose = Folder("open") + QStringLiteral("/b.jpg");
  dialog.Execute(nullptr, FolderPurpose::Open);
  choose = Folder("paper") + QStringLiteral("/q.bmp");
  dialog.Execute(nullptr, FolderPurpose::Paper);
  choose = Folder("add");
  ChooseFolder(QStringLiteral("Add"), nullptr, FolderPurpose::BatchAdd);
  ChooseFolder(QStringLiteral("Add"), nullptr, FolderPurpose::BatchAdd);
  EXPECT_EQ(startedIn, (QStringList{Default(), Default(), Folder("open"), Folder("paper"),
                                    Default(), Folder("add")}));
}

}  // namespace
