// File themes: look-ups by entry number, finding and loading the file, keeping the loaded theme
// on errors, re-applying to the form's skinned components, and the theme carried in memory.
#include "skin/look/filetheme.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "skin/look/builtinfiletheme.h"
#include "skin/look/filethememgr.h"
#include "skin/look/themefilewriter.h"
#include "skin/look/thememarkers_p.h"
#include "tests/skin/support/skinprobe.h"
#include "tests/skin/support/themefilebytes.h"

namespace {

constexpr int kButtonImage = 1, kButtonTransparentBool = 2, kTitleBarButtonTopInt = 9,
              kFormBackgroundColor = 15, kFormBorderWidthInt = 17, kMenuFontColor = 22;

QByteArray BmpBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

// 6 × 2, three 2-pixel frames in red, green and blue.
QImage ThreeFrames() {
  QImage image(6, 2, QImage::Format_RGB32);
  for (int x = 0; x < 6; ++x) {
    const QRgb colour = x < 2 ? qRgb(255, 0, 0) : x < 4 ? qRgb(0, 255, 0) : qRgb(0, 0, 255);
    for (int y = 0; y < 2; ++y) image.setPixel(x, y, colour);
  }
  return image;
}

// A theme with a button picture, a background colour, a border width and a transparency flag.
void WriteTheme(const QString& path, int borderWidth, TColor background = 0x123456) {
  TSkinThemeFileWriter writer(path);
  writer.AddFileData(QStringLiteral("ButtonImage"), BmpBytes(ThreeFrames()));
  writer.AddInteger(QStringLiteral("FormBackgroundColor"), static_cast<std::int32_t>(background));
  writer.AddInteger(QStringLiteral("FormBorderWidthInt"), borderWidth);
  writer.AddBool(QStringLiteral("ButtonTransparentBool"), true);
}

class FileThemeTest : public ::testing::Test {
 protected:
  ScratchFolder folder;
  const QString themePath = folder.Path(QStringLiteral("look.skin"));
  void SetUp() override { WriteTheme(themePath, 3); }
};

TEST_F(FileThemeTest, ManagerAnswersByEntryNumber) {
  TSkinFileThemeMgr mgr;
  EXPECT_EQ(mgr.GetInt(kFormBorderWidthInt), 0) << "nothing loaded";
  EXPECT_EQ(mgr.GetColor(kFormBackgroundColor), 0u);
  EXPECT_FALSE(mgr.GetBool(kButtonTransparentBool));

  ASSERT_TRUE(mgr.LoadFromFile(themePath));
  EXPECT_EQ(mgr.GetInt(kFormBorderWidthInt), 3);
  EXPECT_EQ(mgr.GetColor(kFormBackgroundColor), 0x123456u);
  EXPECT_TRUE(mgr.GetBool(kButtonTransparentBool));
  QImage picture;
  mgr.GetBitmap(kButtonImage, &picture);
  EXPECT_EQ(picture.size(), QSize(6, 2));
  EXPECT_EQ(picture.pixel(5, 1), qRgb(0, 0, 255));

  EXPECT_EQ(mgr.GetInt(kTitleBarButtonTopInt), -1) << "absent";
  EXPECT_EQ(mgr.GetColor(kMenuFontColor), kSkinAbsentColor);
  for (int outside : {0, 49, -3}) EXPECT_EQ(mgr.GetInt(outside), -1) << outside;
  QImage untouched(3, 3, QImage::Format_RGB32);
  untouched.fill(Qt::yellow);
  const QImage before = untouched;
  mgr.GetBitmap(10, &untouched);
  EXPECT_EQ(untouched, before) << "absent picture leaves the bitmap alone";
}

TEST_F(FileThemeTest, ManagerKeepsItsFileWhenTheNewOneIsMissingOrDamaged) {
  TSkinFileThemeMgr mgr;
  ASSERT_TRUE(mgr.LoadFromFile(themePath));
  EXPECT_FALSE(mgr.LoadFromFile(folder.Path(QStringLiteral("missing.skin"))));
  const QString cut = folder.Path(QStringLiteral("cut.skin"));
  WriteBytes(cut, ReadBytes(themePath).left(120));
  EXPECT_THROW(mgr.LoadFromFile(cut), SkinError);
  EXPECT_EQ(mgr.GetInt(kFormBorderWidthInt), 3);
}

TEST_F(FileThemeTest, PictureIsUndecodableLeavesTheBitmapAlone) {
  {
    TSkinThemeFileWriter writer(themePath);
    writer.AddFileData(QStringLiteral("ButtonImage"), QByteArray("BM not a picture"));
  }
  TSkinFileTheme theme;
  theme.SetThemeFile(themePath);
  QImage bitmap(1, 1, QImage::Format_RGB32);
  theme.GetBitmap(kButtonImage, &bitmap);
  EXPECT_EQ(bitmap.size(), QSize(1, 1));
}

TEST_F(FileThemeTest, ThemeCutsFramesOnlyWhenBothAreGiven) {
  TSkinFileTheme theme;
  EXPECT_FALSE(theme.CanUse());
  theme.SetThemeFile(themePath);
  ASSERT_TRUE(theme.CanUse());
  EXPECT_EQ(theme.ThemeFile(), themePath);
  struct Case {
    int count, index;
    QSize size;
    QRgb first;
  } cases[] = {{0, 0, {6, 2}, qRgb(255, 0, 0)},
               {3, 0, {6, 2}, qRgb(255, 0, 0)},
               {0, 2, {6, 2}, qRgb(255, 0, 0)},
               {3, 2, {2, 2}, qRgb(0, 255, 0)},
               {3, 3, {2, 2}, qRgb(0, 0, 255)}};
  for (const Case& c : cases) {
    QImage bitmap;
    theme.GetBitmap(kButtonImage, &bitmap, c.count, c.index);
    EXPECT_EQ(bitmap.size(), c.size) << c.count << "/" << c.index;
    EXPECT_EQ(bitmap.pixel(0, 0), c.first) << c.count << "/" << c.index;
  }
  EXPECT_EQ(theme.GetInt(kFormBorderWidthInt), 3);
  EXPECT_EQ(theme.GetInt(kTitleBarButtonTopInt), -1);
  EXPECT_FALSE(theme.GetBool(42));
}

TEST_F(FileThemeTest, BareNameIsFoundInTheProgramsFolder) {
  const QString name =
      QStringLiteral("filetheme-test-%1.skin").arg(QCoreApplication::applicationPid());
  const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  WriteTheme(besideProgram, 5);
  TSkinFileTheme theme;
  theme.SetThemeFile(name);
  QFile::remove(besideProgram);
  EXPECT_EQ(theme.ThemeFile(), besideProgram);
  EXPECT_EQ(theme.GetInt(kFormBorderWidthInt), 5);

  // A path whose folder lacks the file falls back to its name beside the program, too.
  WriteTheme(besideProgram, 6);
  theme.SetThemeFile(folder.Path(name));
  QFile::remove(besideProgram);
  EXPECT_EQ(theme.GetInt(kFormBorderWidthInt), 6);
}

TEST_F(FileThemeTest, MissingInvalidOrDamagedFilesLeaveTheLoadedTheme) {
  TSkinFileTheme theme;
  theme.SetThemeFile(themePath);

  theme.SetThemeFile(folder.Path(QStringLiteral("nowhere.skin")));
  EXPECT_EQ(theme.ThemeFile(), themePath) << "missing everywhere: silently ignored";

  const QString photo = folder.Path(QStringLiteral("photo.skin"));
  WriteBytes(photo, QByteArray(300, 'j'));
  try {
    theme.SetThemeFile(photo);
    FAIL() << "no error for a file that is no theme";
  } catch (const SkinError& error) {
    EXPECT_EQ(error.message(), QStringLiteral("Invalid skin file!"));
    EXPECT_EQ(error.fileName(), photo);
  }

  const QString cut = folder.Path(QStringLiteral("cut.skin"));
  WriteBytes(cut, ReadBytes(themePath).left(120));
  try {
    theme.SetThemeFile(cut);
    FAIL() << "no error for a cut picture";
  } catch (const SkinError& error) {
    EXPECT_EQ(error.fileName(), cut);
    EXPECT_NE(error.message().indexOf(QStringLiteral("ButtonImage")), -1) << error.what();
  }
  EXPECT_TRUE(theme.CanUse());
  EXPECT_EQ(theme.ThemeFile(), themePath);
  EXPECT_EQ(theme.GetInt(kFormBorderWidthInt), 3);
}

TEST_F(FileThemeTest, LoadingReappliesToTheFormsSkinnedComponentsThatUseIt) {
  QWidget form;
  auto* theme = new TSkinFileTheme(&form);
  TSkinFileTheme otherTheme;
  auto* user = new TSkinProbe(&form, QStringLiteral("user"));
  QWidget* panel = new QWidget(&form);
  auto* nested = new TSkinProbe(panel, QStringLiteral("nested"));
  auto* other = new TSkinProbe(&form, QStringLiteral("other"));
  TSkinProbe* plain = new PlainProbe(&form, QStringLiteral("plain"));
  for (TSkinProbe* probe : {user, nested, plain}) probe->SetFileTheme(theme);
  other->SetFileTheme(&otherTheme);
  for (TSkinProbe* probe : {user, nested, other, plain})
    probe->SetUIStyle(TSkinUIStyle::FromThemeFile);
  const int readsBefore[] = {user->reads, nested->reads, other->reads, plain->reads};

  theme->SetThemeFile(themePath);
  EXPECT_EQ(user->reads, readsBefore[0] + 1);
  EXPECT_EQ(nested->reads, readsBefore[1] + 1) << "components deeper in the form count too";
  EXPECT_EQ(other->reads, readsBefore[2]) << "uses another theme";
  EXPECT_EQ(plain->reads, readsBefore[3]) << "class name without the TSkin prefix";
  EXPECT_EQ(user->backgroundColor, 0x123456u) << "the look now comes from the file";

  theme->SetThemeFile(themePath);
  EXPECT_EQ(user->reads, readsBefore[0] + 1) << "the same file again changes nothing";
}

TEST_F(FileThemeTest, BuiltInThemeGivesTheSameLookUpsAsTheFile) {
  TSkinFileTheme fromFile;
  fromFile.SetThemeFile(themePath);
  TSkinBuiltInFileTheme builtIn;
  builtIn.SetThemeFile(themePath);
  EXPECT_FALSE(builtIn.CanUse()) << "naming the file loads nothing";
  const QByteArray stored = builtIn.SkinData();
  EXPECT_EQ(stored, ReadBytes(themePath));

  TSkinBuiltInFileTheme loaded;
  loaded.SetSkinData(stored);
  ASSERT_TRUE(loaded.CanUse());
  for (int entry = 1; entry <= kSkinThemeEntryCount; ++entry) {
    EXPECT_EQ(loaded.GetInt(entry), fromFile.GetInt(entry)) << entry;
    EXPECT_EQ(loaded.GetColor(entry), fromFile.GetColor(entry)) << entry;
    EXPECT_EQ(loaded.GetBool(entry), fromFile.GetBool(entry)) << entry;
    QImage a, b;
    loaded.GetBitmap(entry, &a);
    fromFile.GetBitmap(entry, &b);
    EXPECT_EQ(a, b) << entry;
  }
  EXPECT_EQ(loaded.SkinData(), stored) << "held bytes are stored again";
}

TEST_F(FileThemeTest, BuiltInThemeRefusesBytesThatAreNoThemeAndKeepsItsOwn) {
  TSkinBuiltInFileTheme theme;
  theme.SetSkinData(ReadBytes(themePath));
  EXPECT_THROW(theme.SetSkinData(QByteArray(50, 'x')), SkinError);
  EXPECT_THROW(theme.SetSkinData(ReadBytes(themePath).left(120)), SkinError);
  theme.SetSkinData(QByteArray());
  EXPECT_EQ(theme.GetInt(kFormBorderWidthInt), 3);
  EXPECT_EQ(theme.SkinData(), ReadBytes(themePath));
}

}  // namespace
