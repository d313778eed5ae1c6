#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <unordered_set>

#include "sketch/batchlist.h"
#include "sketch/batchplan.h"
#include "sketch/batchrun.h"
#include "sketch/bmpfile.h"
#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/picturefile.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;
using ::testing::HasSubstr;

std::vector<PictureItem> Items(const std::vector<std::string>& texts) {
  std::vector<PictureItem> items;
  for (const std::string& text : texts) items.push_back({text, text});
  return items;
}

std::vector<std::string> Outputs(const std::vector<BatchJob>& jobs) {
  std::vector<std::string> names;
  for (const BatchJob& job : jobs) names.push_back(job.output);
  return names;
}

TEST(BatchNames, OutputNameAndKindFollowTheShownText) {
  EXPECT_EQ(BatchOutputName("/out", "/pics/sub/a.jpg"), "/out/a.jpg");
  EXPECT_EQ(BatchOutputName("/out/", "/pics/a.bmp"), "/out//a.bmp");  // accepted by the system
  EXPECT_EQ(BatchOutputName("/out", "a.jpg"), "/outa.jpg");
  EXPECT_EQ(BatchOutputKind("/pics/a.jpg"), 1);
  EXPECT_EQ(BatchOutputKind("/pics/a.bmp"), 2);
  EXPECT_EQ(BatchOutputKind("/pics/ajpg"), 1);  // only the last three characters count
  EXPECT_EQ(InsertBeforeLastDot("/out/a.b.jpg", "3"), "/out/a.b3.jpg");
  EXPECT_EQ(InsertBeforeLastDot("/out/a", "3"), "/out/a3");
}

TEST(BatchNames, SameNameFromTwoFoldersGetsItsPosition) {
  TempDir out;
  const auto jobs = PlanBatch(Items({"/p/a.jpg", "/q/a.jpg", "/q/b.bmp"}), out.str());
  EXPECT_EQ(Outputs(jobs), (std::vector<std::string>{out.str() + "/a.jpg", out.str() + "/a1.jpg",
                                                     out.str() + "/b.bmp"}));
  EXPECT_EQ(jobs[0].kind, 1);
  EXPECT_EQ(jobs[2].kind, 2);
  EXPECT_EQ(jobs[1].index, 1u);
}

TEST(BatchNames, OutputFolderEqualToTheSourceNumbersEveryItem) {
  TempDir src;
  WriteText(src / "a.jpg", "photo");
  WriteText(src / "b.bmp", "photo");
  const auto jobs = PlanBatch(Items({src.str() + "/a.jpg", src.str() + "/b.bmp"}), src.str());
  EXPECT_EQ(Outputs(jobs),
            (std::vector<std::string>{src.str() + "/a0.jpg", src.str() + "/b1.bmp"}));
}

TEST(BatchNames, TakenNumberedNamesAreNumberedFurther) {
  TempDir out;
  for (const char* name : {"a.jpg", "a1.jpg", "a1-1.jpg"}) WriteText(out / name, "taken");
  const auto jobs = PlanBatch(Items({"/x/z.jpg", "/p/a.jpg", "/q/z.jpg", "/r/a1.jpg"}), out.str());
  EXPECT_EQ(Outputs(jobs), (std::vector<std::string>{
                               out.str() + "/z.jpg",
                               out.str() + "/a1-2.jpg",  // a.jpg, a1.jpg and a1-1.jpg exist
                               out.str() + "/z2.jpg",    // z.jpg is the first item's
                               out.str() + "/a13.jpg",   // a1.jpg exists
                           }));
}

TEST(BatchNames, AnExistingFolderOrDanglingLinkCountsAsTaken) {
  TempDir out;
  fs::create_directory(out / "a.jpg");
  fs::create_symlink(out / "nowhere", out / "b.bmp");
  const auto jobs = PlanBatch(Items({"/p/a.jpg", "/p/b.bmp"}), out.str());
  EXPECT_EQ(Outputs(jobs),
            (std::vector<std::string>{out.str() + "/a0.jpg", out.str() + "/b1.bmp"}));
}

TEST(BatchNames, AnItemNamedWhenItStartsAvoidsFilesAndNamesTakenByTheRun) {
  TempDir out;
  WriteText(out / "a.jpg", "taken");
  std::unordered_set<std::string> taken{out.str() + "/b2.bmp"};
  const PictureItem b{"/p/b.bmp", "/p/b.bmp"};
  EXPECT_EQ(NameBatchJob(0, b, out.str(), taken).output, out.str() + "/b.bmp");
  EXPECT_EQ(NameBatchJob(2, b, out.str(), taken).output, out.str() + "/b2-1.bmp");
  const BatchJob a = NameBatchJob(5, {"/q/a.jpg", "/q/A.JPG"}, out.str(), taken);
  EXPECT_EQ(a.output, out.str() + "/a5.jpg");
  EXPECT_EQ(a.kind, 1);
  EXPECT_EQ(a.source.path, "/q/A.JPG");
  EXPECT_EQ(taken.count(out.str() + "/a5.jpg"), 1u);
}

TEST(BatchRun, JobsDecidedWhileTheRunGoesAreEachRunOnce) {
  for (int parallel : {1, 3}) {
    SCOPED_TRACE(parallel);
    std::size_t handedOut = 0;
    std::mutex lock;
    std::vector<std::size_t> ran;
    std::vector<std::size_t> totals;
    const BatchReport report = RunBatch(
        [&]() -> std::optional<BatchJob> {
          // The list grows by one item for every item handed out, up to twelve.
          if (handedOut == 12) return std::nullopt;
          return BatchJob{handedOut++, {}, "", 1};
        },
        [&](const BatchJob& job, std::stop_token) {
          if (job.index == 7) throw std::runtime_error("broken");
          const std::lock_guard<std::mutex> guard(lock);
          ran.push_back(job.index);
        },
        parallel,
        [&](const BatchProgress& progress, const BatchFailure*) {
          totals.push_back(progress.total);
        });
    std::sort(ran.begin(), ran.end());
    EXPECT_EQ(ran, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11}));
    EXPECT_EQ(report.total, 12u);
    EXPECT_EQ(report.written, 11u);
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].index, 7u);
    EXPECT_FALSE(report.stopped);
    EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end()));
  }
}

TEST(BatchRun, AStopAskedBetweenJobsEndsTheRunAsStopped) {
  std::stop_source stop;
  std::size_t handedOut = 0;
  const BatchReport report = RunBatch(
      [&]() -> std::optional<BatchJob> {
        return BatchJob{handedOut++, {}, "", 1};
      },
      [&](const BatchJob& job, std::stop_token) {
        if (job.index == 2) stop.request_stop();
      },
      2, {}, stop.get_token());
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.written, report.total);
  EXPECT_LE(report.total, 4u);
}

TEST(BatchRun, EveryItemRunsOnceFailuresAreListedInOrderAndTheRunGoesOn) {
  std::vector<BatchJob> jobs;
  for (std::size_t i = 0; i < 40; ++i) {
    jobs.push_back(BatchJob{i, {"item" + std::to_string(i), "file" + std::to_string(i)}, "", 1});
  }
  for (int parallel : {1, 2, 4}) {
    SCOPED_TRACE(parallel);
    std::vector<std::atomic<int>> runs(jobs.size());
    std::size_t calls = 0, lastDone = 0;
    bool ordered = true;
    const BatchReport report = RunBatch(
        jobs,
        [&](const BatchJob& job, std::stop_token) {
          ++runs[job.index];
          if (job.index % 7 == 3) throw std::runtime_error("broken " + job.source.text);
        },
        parallel,
        [&](const BatchProgress& progress, const BatchFailure*) {
          ++calls;
          ordered = ordered && progress.done == lastDone + 1 && progress.total == jobs.size();
          lastDone = progress.done;
        });
    for (const auto& count : runs) EXPECT_EQ(count.load(), 1);
    EXPECT_EQ(calls, jobs.size());
    EXPECT_TRUE(ordered);
    EXPECT_EQ(report.total, 40u);
    EXPECT_EQ(report.written, 34u);
    ASSERT_EQ(report.failures.size(), 6u);
    for (std::size_t k = 0; k < report.failures.size(); ++k) {
      EXPECT_EQ(report.failures[k].index, 3 + 7 * k);
      EXPECT_EQ(report.failures[k].source, "file" + std::to_string(3 + 7 * k));
      EXPECT_EQ(report.failures[k].reason, "broken item" + std::to_string(3 + 7 * k));
    }
  }
}

// A window's stop button: the item that sees the request ends with Stopped, no later item starts.
TEST(BatchRun, AskedToStopItStartsNoFurtherItem) {
  std::vector<BatchJob> jobs;
  for (std::size_t i = 0; i < 30; ++i) jobs.push_back(BatchJob{i, {}, "", 1});
  for (int parallel : {1, 3}) {
    SCOPED_TRACE(parallel);
    std::stop_source stop;
    std::atomic<int> started{0};
    std::size_t progressCalls = 0;
    const BatchReport report = RunBatch(
        jobs,
        [&](const BatchJob& job, std::stop_token token) {
          ++started;
          if (job.index == 4) stop.request_stop();
          if (token.stop_requested()) throw Stopped();
        },
        parallel, [&](const BatchProgress&, const BatchFailure*) { ++progressCalls; },
        stop.get_token());
    EXPECT_TRUE(report.stopped);
    EXPECT_TRUE(report.failures.empty());
    // Item 4 and the items the other workers had already started end without being written.
    EXPECT_LE(started.load(), 5 + (parallel - 1));
    EXPECT_LT(report.written, static_cast<std::size_t>(started.load()));
    EXPECT_EQ(progressCalls, report.written);
  }
}

// The run's stop with real conversions, asked when the first item ends: an item still converting
// ends at its next step without writing anything, and no later item starts.
TEST(BatchRun, AStopEndsARunOfConversionsPromptly) {
  TempDir src, out;
  std::vector<PictureItem> items;
  for (int i = 0; i < 20; ++i) {
    const fs::path photo = src / ("photo" + std::to_string(i) + ".jpg");
    WriteJpeg(SamplePhoto(300, 400, static_cast<unsigned>(i)), photo, 90);
    items.push_back({photo.string(), photo.string()});
  }
  const std::vector<BatchJob> jobs = PlanBatch(items, out.str());
  for (KeptPictures kept : {KeptPictures::Both, KeptPictures::None}) {
    std::stop_source stop;
    const BatchReport report = RunBatch(
        jobs,
        [&](const BatchJob& job, std::stop_token token) {
          ConvertBatchJob(job, ConvertSettings{}, std::move(token), kMaxPicturePixels, kept);
        },
        2, [&](const BatchProgress&, const BatchFailure*) { stop.request_stop(); },
        stop.get_token());
    EXPECT_TRUE(report.stopped);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_GE(report.written, 1u);
    EXPECT_LE(report.written, 2u);
    EXPECT_EQ(out.Names(out.path()).size(), report.written);  // no temporary file either
    fs::remove_all(out.path());
    fs::create_directories(out.path());
  }
}

// Two folders with a picture of the same name, a broken one, and an output file in the way.
class BatchFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteJpeg(SamplePhoto(40, 30, 1), InNewFolder(src_ / "One" / "A.JPG"), 90);
    WriteBmp(SamplePhoto(30, 20, 2), InNewFolder(src_ / "Two" / "a.jpg"));  // a bitmap, named .jpg
    WriteBmp(SamplePhoto(25, 25, 3), src_ / "Two" / "pic.bmp");
    WriteText(src_ / "Two" / "broken.bmp", "BM this is not a bitmap");
    fs::create_directories(out_ / "first");
    fs::create_directories(out_ / "second");
  }
  std::vector<BatchJob> Plan(const std::string& output) {
    std::vector<PictureItem> items;
    findall((src_ / "One").string(), items);
    findall((src_ / "Two").string(), items);
    return PlanBatch(items, output);
  }
  TempDir src_, out_;
};

TEST_F(BatchFolders, ConvertsIntoTheOutputFolderAndNeverReplacesAFile) {
  const std::string output = (out_ / "first").string();
  WriteText(out_ / "first" / "pic.bmp", "keep me");
  const std::vector<BatchJob> jobs = Plan(output);
  ASSERT_EQ(jobs.size(), 4u);
  ConvertSettings settings;
  const BatchReport report = RunBatch(
      jobs, [&](const BatchJob& job, std::stop_token) { ConvertBatchJob(job, settings); }, 2);
  EXPECT_EQ(report.written, 3u);
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_EQ(report.failures[0].source, (src_ / "Two" / "broken.bmp").string());
  EXPECT_THAT(report.failures[0].reason, HasSubstr("Bitmap image is not valid"));

  EXPECT_EQ(ReadText(out_ / "first" / "pic.bmp"), "keep me");
  // Each output is the sketch of its own source, in the kind its shown name asks for.
  for (const BatchJob& job : jobs) {
    if (job.source.text.find("broken") != std::string::npos) continue;
    SCOPED_TRACE(job.output);
    const Raster photo = LoadPicture(job.source.path);
    const Raster written = LoadPicture(job.output);
    EXPECT_EQ(written.Width(), photo.Width() + 1);
    EXPECT_EQ(written.Height(), photo.Height() + 1);
    const Bytes head = ReadFile(job.output);
    EXPECT_EQ(head[0] == 0xFF, job.kind == 1);
  }
  // The file system decides the order inside a folder, and so the position numbers.
  std::vector<std::string> expected = {"pic.bmp"};
  for (const BatchJob& job : jobs) {
    const std::string n = std::to_string(job.index);
    const std::string& text = job.source.text;
    if (text == (src_ / "One" / "a.jpg").string()) expected.push_back("a.jpg");
    if (text == (src_ / "Two" / "a.jpg").string()) expected.push_back("a" + n + ".jpg");
    if (text == (src_ / "Two" / "pic.bmp").string()) expected.push_back("pic" + n + ".bmp");
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(out_.Names(out_ / "first"), expected);
}

TEST_F(BatchFolders, ResultDoesNotDependOnHowManyRunAtOnce) {
  ConvertSettings settings;
  settings.choice.checked = SketchTool::Pen;
  for (const char* folder : {"first", "second"}) {
    const int parallel = std::string(folder) == "first" ? 1 : 3;
    RunBatch(
        Plan((out_ / folder).string()),
        [&](const BatchJob& job, std::stop_token) { ConvertBatchJob(job, settings); }, parallel);
  }
  const std::vector<std::string> names = out_.Names(out_ / "first");
  ASSERT_EQ(names, out_.Names(out_ / "second"));
  ASSERT_EQ(names.size(), 3u);
  for (const std::string& name : names) {
    EXPECT_EQ(ReadFile(out_ / "first" / name), ReadFile(out_ / "second" / name)) << name;
  }
}

TEST_F(BatchFolders, AStoppedConversionWritesNothing) {
  const std::vector<BatchJob> jobs = Plan((out_ / "first").string());
  std::stop_source stop;
  stop.request_stop();
  EXPECT_THROW(ConvertBatchJob(jobs[0], ConvertSettings{}, stop.get_token()), Stopped);
  EXPECT_TRUE(fs::is_empty(out_ / "first"));
}

TEST_F(BatchFolders, AFileThatAppearsAfterPlanningIsNotReplaced) {
  const std::vector<BatchJob> jobs = Plan((out_ / "first").string());
  WriteText(jobs[0].output, "came later");
  try {
    ConvertBatchJob(jobs[0], ConvertSettings{});
    FAIL();
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr("the file exists already"));
  }
  EXPECT_EQ(ReadText(jobs[0].output), "came later");
}

}  // namespace
}  // namespace graphitine
