// The program's command line: a photo given there is opened instead of the start picture (one
// that cannot be read is reported, and the start picture comes instead); help, version and
// usage errors answer on the terminal, help and version without a display.
#include "app/commandline.h"

#include <QFile>
#include <QProcess>
#include <functional>
#include <optional>

#include "mainwindow/oldform_fixture.h"

using graphitine::PictureFormat;
using graphitine::Raster;

namespace {

class CommandLineTest : public OldFormTest {
 protected:
  QString Write(const QString& name, PictureFormat format) {
    const QString path = folder_.filePath(name);
    graphitine::WritePicture(PatternPhoto(60, 90), path.toStdString(), format, {60, 90});
    return path;
  }
};

TEST_F(CommandLineTest, APhotoGivenIsOpenedInsteadOfTheStartPictureAndABadOneIsReported) {
  struct Case {
    const char* what;
    std::function<QStringList()> photos;  // the arguments after the program's name and options
    bool opened;                          // else the start picture shows
    QStringList options = {};
    std::optional<ProgramLanguage> language = std::nullopt;
  };
  const Case cases[] = {
      {"no file", [] { return QStringList(); }, false},
      {"a JPEG", [this] { return QStringList{Write("photo.jpg", PictureFormat::Jpeg)}; }, true},
      {"a BMP", [this] { return QStringList{Write("photo.bmp", PictureFormat::Bitmap)}; }, true},
      {"a missing file", [this] { return QStringList{folder_.filePath("missing.jpg")}; }, false},
      {"a file that is no picture",
       [this] {
         QFile text(folder_.filePath(QStringLiteral("notes.jpg")));
         EXPECT_TRUE(text.open(QIODevice::WriteOnly));
         text.write("not a picture\n");
         return QStringList{text.fileName()};
       },
       false},
      {"English",
       [] { return QStringList(); },
       false,
       {"--language", "en"},
       ProgramLanguage::English},
      {"Chinese and a BMP",
       [this] { return QStringList{Write("photo.bmp", PictureFormat::Bitmap)}; },
       true,
       {"--language=zh"},
       ProgramLanguage::Chinese},
  };
  const QString start = folder_.filePath(QStringLiteral("J.jpg"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(GRAPHITINE_BIN_DIR "/J.jpg"), start));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QStringList photos = c.photos();
    TCommandLine commandLine;
    ASSERT_TRUE(
        commandLine.Process(QStringList{QStringLiteral("graphitine")} + c.options + photos));
    ASSERT_EQ(commandLine.Photo().has_value(), !photos.isEmpty());
    EXPECT_EQ(commandLine.Language(), c.language);
    ModalWatch watch;
    Show(/*startPicture=*/false, commandLine.Photo());  // the start picture is in place

    const QString shown = c.opened ? photos.first() : start;
    EXPECT_EQ(Photo(), graphitine::LoadPicture(shown.toStdString()));
    const bool reported = !c.opened && !photos.isEmpty();
    ASSERT_EQ(watch.Messages().size(), reported ? 1 : 0);
    if (reported) {
      EXPECT_TRUE(watch.Messages().first().contains(photos.first()));
    }
    // The paper list is filled as at any start.
    EXPECT_EQ(form_->skinComboBox1->count(), 4);
  }
}

// The real program: help and version need no display; a command line it cannot carry out
// ends it with 1 and says why, before any window opens.
TEST(CommandLineProgramTest, HelpVersionAndUsageErrorsAnswerOnTheTerminal) {
  struct Case {
    QStringList arguments;
    bool display;  // else neither X, Wayland nor a Qt platform is set
    int exitCode;
    const char* out;
    const char* err;
  };
  const Case cases[] = {
      {{"--help"}, false, 0, "[photo]", ""},
      {{"-h"}, false, 0, "--language <zh|en>", ""},
      {{"--version"}, false, 0, "Graphitine " GRAPHITINE_VERSION "\n", ""},
      {{"a.jpg", "b.jpg"}, true, 1, "", "Only one photo can be opened; 2 were given."},
      {{"--frobnicate"}, true, 1, "", "Unknown option 'frobnicate'"},
      {{"--language", "fr"}, true, 1, "", "Unknown language 'fr': give zh or en."},
      {{"--language", "en", "--version"}, false, 0, "Graphitine " GRAPHITINE_VERSION "\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(QString::fromLatin1(name));
    }
    if (c.display) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), "offscreen");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(GRAPHITINE_BIN_DIR "/graphitine"), c.arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), c.exitCode);
    EXPECT_TRUE(QString::fromLocal8Bit(program.readAllStandardOutput()).contains(c.out));
    EXPECT_TRUE(QString::fromLocal8Bit(program.readAllStandardError()).contains(c.err));
  }
}

}  // namespace
