// graphitine-sketch, run as a program: exit codes, messages and its output against the core's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "sketch/bmpfile.h"
#include "sketch/engine.h"
#include "sketch/jpegfile.h"
#include "sketch/paper.h"
#include "sketch/picturefile.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using ::testing::HasSubstr;
using ::testing::Not;

const fs::path kConverter = fs::path(GRAPHITINE_BIN_DIR) / "graphitine-sketch";

class Converter : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(kConverter)) << "build graphitine-sketch first";
    WriteJpeg(SamplePhoto(60, 40, 1), dir_ / "photo.jpg", 90);
    WriteBmp(SamplePhoto(7, 5, 9), dir_ / "paper.bmp");
    WriteText(dir_ / "broken.bmp", "BM broken");
  }
  ProcessResult Convert(const std::vector<std::string>& arguments) {
    return RunProgram(kConverter, arguments, dir_.path());
  }
  std::string At(const std::string& name) const { return (dir_ / name).string(); }

  TempDir dir_;
};

TEST_F(Converter, UsageErrorsExitWith2AndSayWhatIsAllowed) {
  struct Case {
    std::vector<std::string> arguments;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{}, "expected PHOTO and SKETCH"},
      {{"only-one.jpg"}, "expected PHOTO and SKETCH"},
      {{"--precision", "201", "a.jpg", "b.jpg"},
       "--precision must be a whole number from 0 to 200 (got '201')"},
      {{"--precision=-1", "a.jpg", "b.jpg"}, "from 0 to 200"},
      {{"--precision", "1x", "a.jpg", "b.jpg"}, "from 0 to 200"},
      {{"--line", "0", "a.jpg", "b.jpg"}, "--line must be a whole number from 1 to 15 (got '0')"},
      {{"--line", "16", "a.jpg", "b.jpg"}, "from 1 to 15"},
      {{"--jobs", "0", "--batch", ".", "."}, "--jobs must be a whole number from 1 to 256"},
      {{"--max-pixels", "0", "a.jpg", "b.jpg"},
       "--max-pixels must be a whole number from 1 to 268435456 (got '0')"},
      {{"--max-pixels=268435457", "a.jpg", "b.jpg"}, "from 1 to 268435456"},
      {{"--style", "crayon", "a.jpg", "b.jpg"},
       "--style must be pen, pencil or soft (got 'crayon')"},
      {{"--line"}, "--line needs a value"},
      {{"--colour", "a.jpg", "b.jpg"}, "unknown option '--colour'"},
      {{"--stretch", "a.jpg", "b.jpg"}, "--stretch needs a paper"},
      {{"a.jpg", "b.png"}, "it must end in .jpg, .jpeg, .bmp, .wmf or .emf"},
      {{"--batch", "."}, "--batch needs at least one FOLDER"},
      {{"--batch", "no-such-output", "."},
       "the output folder 'no-such-output' is not an existing folder"},
      {{"--batch", ".", "no-such-folder"}, "'no-such-folder' is not an existing folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const ProcessResult result = Convert(c.arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.err, HasSubstr(c.message));
    EXPECT_THAT(result.err, HasSubstr("Try 'graphitine-sketch --help'."));
  }
}

TEST_F(Converter, HelpAndVersion) {
  const ProcessResult help = Convert({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.out, HasSubstr("Usage: graphitine-sketch [options] PHOTO SKETCH"));
  EXPECT_THAT(help.out, HasSubstr("--batch OUTPUT_FOLDER FOLDER..."));
  EXPECT_THAT(help.out, HasSubstr("--max-pixels N"));
  EXPECT_THAT(help.out, HasSubstr("about 1.5 GiB of memory"));
  const ProcessResult version = Convert({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_THAT(version.out, ::testing::MatchesRegex("graphitine-sketch [0-9]+\\.[0-9]+\\.[0-9]+\n"));
}

TEST_F(Converter, SinglePhotoEqualsTheCoresConvert) {
  struct Case {
    std::vector<std::string> options;
    ConvertSettings settings;
    PaperMode paper;  // Tile without --paper means no paper
    bool withPaper;
  };
  const std::vector<Case> cases = {
      {{}, {170, 1, {SketchTool::Pencil, SketchPage::Automatic}, nullptr}, PaperMode::Tile, false},
      {{"--precision", "150", "--line", "2", "--style", "pen"},
       {150, 2, {SketchTool::Pen, SketchPage::Automatic}, nullptr},
       PaperMode::Tile,
       false},
      {{"--style=soft", "--paper", "paper.bmp"},
       {170, 1, {SketchTool::Soft, SketchPage::Automatic}, nullptr},
       PaperMode::Tile,
       true},
      {{"--paper", "paper.bmp", "--stretch", "--line", "3"},
       {170, 3, {SketchTool::Pencil, SketchPage::Automatic}, nullptr},
       PaperMode::Stretch,
       true},
  };
  const Raster photo = LoadPicture(dir_ / "photo.jpg");
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.options));
    std::vector<std::string> arguments = c.options;
    for (std::string& a : arguments) {
      if (a == "paper.bmp") a = At("paper.bmp");
    }
    arguments.push_back(At("photo.jpg"));
    arguments.push_back(At("sketch.bmp"));
    const ProcessResult result = Convert(arguments);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");

    const Paper paper{LoadPicture(dir_ / "paper.bmp"), c.paper};
    ConvertSettings settings = c.settings;
    if (c.withPaper) settings.paper = &paper;
    EXPECT_TRUE(ReadBmp(dir_ / "sketch.bmp") == graphitine::Convert(photo, settings));
  }
}

TEST_F(Converter, SketchExtensionDecidesTheFormatAndTheNameIsKept) {
  const Raster sketch = graphitine::Convert(LoadPicture(dir_ / "photo.jpg"), ConvertSettings{});
  struct Case {
    const char* name;
    PictureFormat format;
  };
  for (const Case& c :
       {Case{"s.jpeg", PictureFormat::Jpeg}, Case{"S.JPG", PictureFormat::Jpeg},
        Case{"s.bmp", PictureFormat::Bitmap}, Case{"s.wmf", PictureFormat::PlaceableMetafile},
        Case{"s.emf", PictureFormat::EnhancedMetafile}}) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(Convert({At("photo.jpg"), At(c.name)}).exitCode, 0);
    WritePicture(sketch, dir_ / "expected", c.format, {60, 40});
    EXPECT_EQ(ReadFile(dir_ / c.name), ReadFile(dir_ / "expected"));
  }
}

TEST_F(Converter, UnreadablePhotoOrPaperExitsWith1AndNamesTheFile) {
  ProcessResult result = Convert({At("broken.bmp"), At("out.jpg")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "graphitine-sketch: Bitmap image is not valid (file size 9 bytes): \"" +
                            At("broken.bmp") + "\"\n");
  result = Convert({At("missing.jpg"), At("out.jpg")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("Cannot open file \"" + At("missing.jpg") + "\""));
  result = Convert({"--paper", At("broken.bmp"), At("photo.jpg"), At("out.jpg")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("Bitmap image is not valid"));
  EXPECT_FALSE(fs::exists(dir_ / "out.jpg"));
}

// The claim in the header decides: the file holds no pixel data worth decoding.
TEST_F(Converter, ASketchTheOutputCannotHoldFailsBeforeDecoding) {
  const Bytes tall = RunLengthBitmap(32, 5701656, false);
  const std::string tooLarge =
      "The sketch of this picture is too large for a JPEG file (33 x 5701657 pixels, at most "
      "65500 a side): ";
  WriteFile(dir_ / "tall.bmp", tall);
  ProcessResult result = Convert({At("tall.bmp"), At("out.jpg")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "graphitine-sketch: " + tooLarge + "\"" + At("tall.bmp") + "\"\n");

  // In a batch a source named .jpg is written as JPEG, whatever it holds.
  WriteFile(dir_ / "in" / "tall.jpg", tall);
  fs::create_directory(dir_ / "out");
  result = Convert({"-q", "--batch", At("out"), At("in")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("failed: " + At("in/tall.jpg") + ": " + tooLarge));
  EXPECT_TRUE(fs::is_empty(dir_ / "out"));
}

TEST_F(Converter, MaxPixelsLowersTheLimitForPhotoAndPaper) {
  ProcessResult result = Convert({"--max-pixels", "2399", At("photo.jpg"), At("out.jpg")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "graphitine-sketch: Picture is too large (60 x 40 pixels): \"" +
                            At("photo.jpg") + "\"\n");
  EXPECT_EQ(Convert({"--max-pixels=2400", At("photo.jpg"), At("out.jpg")}).exitCode, 0);

  result = Convert({"--max-pixels=34", "--paper", At("paper.bmp"), At("photo.jpg"), At("out.bmp")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("Picture is too large (7 x 5 pixels): \"" + At("paper.bmp")));
}

// The hidden temporary files the converter writes through, in a folder.
std::vector<std::string> TemporaryFilesIn(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.front() == '.' && name.ends_with(".tmp")) found.push_back(name);
  }
  return found;
}

// Ctrl-C or a kill while sketches are being written: the converter removes what it was
// writing and ends by that signal.
TEST_F(Converter, AnInterruptedConverterRemovesWhatItWasWriting) {
  // Large enough that writing each JPEG takes a while; bitmaps named .jpg are written as JPEG.
  WriteBmp(SamplePhoto(3000, 2000, 5), InNewFolder(dir_ / "in" / "p0.jpg"));
  for (const char* name : {"p1.jpg", "p2.jpg", "p3.jpg"}) {
    fs::copy_file(dir_ / "in" / "p0.jpg", dir_ / "in" / name);
  }
  struct Case {
    const char* name;
    int signal;
    std::vector<std::string> arguments;  // writing into out/
  };
  const std::vector<Case> cases = {
      {"single photo, SIGTERM", SIGTERM, {At("in/p0.jpg"), At("out/sketch.jpg")}},
      {"batch, two at once, SIGINT", SIGINT, {"-q", "--jobs", "2", "--batch", At("out"), At("in")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_ / "out");
    fs::create_directory(dir_ / "out");
    std::vector<std::string> command = {kConverter.string()};
    command.insert(command.end(), c.arguments.begin(), c.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    // Whatever this test runs under, the converter starts with the signals' usual actions.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, c.signal);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, argv[0], nullptr, &attributes, argv.data(), environ), 0);
    posix_spawnattr_destroy(&attributes);

    int status = 0;
    bool writing = false;
    while (!writing && waitpid(child, &status, WNOHANG) == 0) {
      writing = !TemporaryFilesIn(dir_ / "out").empty();
      if (!writing) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(writing) << "the converter ended before it wrote anything";
    kill(child, c.signal);
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << "status " << status;
    EXPECT_EQ(TemporaryFilesIn(dir_ / "out"), std::vector<std::string>{});
  }
}

TEST_F(Converter, BatchReportsFailedItemsGoesOnAndExitsWith1) {
  WriteJpeg(SamplePhoto(30, 20, 2), InNewFolder(dir_ / "in" / "Sub" / "Two.JPG"), 90);
  fs::copy_file(dir_ / "photo.jpg", dir_ / "in" / "one.jpg");
  fs::copy_file(dir_ / "broken.bmp", dir_ / "in" / "broken.bmp");
  WriteText(dir_ / "in" / "ignored.jpeg", "not collected");
  fs::create_directory(dir_ / "out");

  const ProcessResult result = Convert({"--batch", At("out"), At("in")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("graphitine-sketch: failed: " + At("in/broken.bmp") +
                                    ": Bitmap image is not valid"));
  EXPECT_THAT(result.err, HasSubstr("Converted 2 of 3 pictures into " + At("out")));
  EXPECT_THAT(result.err, HasSubstr("; 1 failed."));
  EXPECT_THAT(result.err, Not(HasSubstr("\r")));  // no progress bar off a terminal
  EXPECT_EQ(dir_.Names(dir_ / "out"), (std::vector<std::string>{"one.jpg", "two.jpg"}));

  // Again into the same folder: nothing is replaced, every output gets its number.
  const ProcessResult again = Convert({"-q", "--batch", At("out"), At("in")});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_THAT(again.err, Not(HasSubstr("Converted")));
  EXPECT_THAT(again.err, HasSubstr("failed: " + At("in/broken.bmp")));
  EXPECT_EQ(dir_.Names(dir_ / "out").size(), 4u);
}

TEST_F(Converter, BatchOutputDoesNotDependOnJobs) {
  for (int i = 0; i < 5; ++i) {
    WriteJpeg(SamplePhoto(40, 30, 10 + i),
              InNewFolder(dir_ / "in" / ("p" + std::to_string(i) + ".jpg")), 90);
  }
  WriteBmp(SamplePhoto(20, 20, 3), dir_ / "in" / "p0.bmp");
  fs::create_directory(dir_ / "one");
  fs::create_directory(dir_ / "three");
  ASSERT_EQ(Convert({"--jobs", "1", "--style", "pen", "--batch", At("one"), At("in")}).exitCode, 0);
  ASSERT_EQ(Convert({"--jobs=3", "--style", "pen", "--batch", At("three"), At("in")}).exitCode, 0);
  const std::vector<std::string> names = dir_.Names(dir_ / "one");
  ASSERT_EQ(names.size(), 6u);
  ASSERT_EQ(names, dir_.Names(dir_ / "three"));
  for (const std::string& name : names) {
    EXPECT_EQ(ReadFile(dir_ / "one" / name), ReadFile(dir_ / "three" / name)) << name;
  }
}

TEST_F(Converter, BatchWithNothingToConvertSucceeds) {
  fs::create_directories(dir_ / "empty");
  const ProcessResult result = Convert({"--batch", At("empty"), At("empty")});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_THAT(result.err, HasSubstr("Converted 0 of 0 pictures"));
}

}  // namespace
}  // namespace graphitine
