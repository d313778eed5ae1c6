// graphitine-sketch: the command-line converter. It reads, converts and writes with the same
// core functions as the program's windows, so its sketches equal theirs.
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "cli/interruption.h"
#include "cli/options.h"
#include "cli/progressbar.h"
#include "sketch/batchlist.h"
#include "sketch/batchplan.h"
#include "sketch/batchrun.h"
#include "sketch/convertfile.h"
#include "sketch/engine.h"
#include "sketch/paper.h"
#include "sketch/picturefile.h"

namespace graphitine::cli {

namespace {

constexpr int kAllWritten = 0;
constexpr int kSomeFailed = 1;
constexpr int kUsageError = 2;

void Complain(const std::string& text) {
  std::fprintf(stderr, "graphitine-sketch: %s\n", text.c_str());
}

int ConvertOne(const Options& options, const ConvertSettings& settings) {
  ConvertPictureFile(options.photo, SketchLimits(options.format, options.maxPixels), settings,
                     options.sketch, options.format, ExistingFile::Replace, {}, KeptPictures::None);
  return kAllWritten;
}

int ConvertFolders(const Options& options, const ConvertSettings& settings) {
  std::vector<PictureItem> items;
  for (const std::string& folder : options.folders) findall(folder, items);
  const std::vector<BatchJob> jobs = PlanBatch(items, options.outputFolder);

  const auto start = std::chrono::steady_clock::now();
  const bool showBar = !options.quiet && isatty(STDERR_FILENO) != 0;
  ProgressBar bar(stderr);
  if (showBar) bar.Show(0, jobs.size());
  const BatchReport report = RunBatch(
      jobs,
      [&](const BatchJob& job, std::stop_token stop) {
        ConvertBatchJob(job, settings, std::move(stop), options.maxPixels, KeptPictures::None);
      },
      options.jobs,
      [&](const BatchProgress& progress, const BatchFailure*) {
        if (showBar) bar.Show(progress.done, progress.total);
      });
  bar.Finish();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  for (const BatchFailure& failure : report.failures) {
    Complain("failed: " + failure.source + ": " + failure.reason);
  }
  if (!options.quiet) {
    std::fprintf(stderr, "Converted %zu of %zu pictures into %s in %.1f s (%.2f pictures/s)",
                 report.written, report.total, options.outputFolder.c_str(), seconds,
                 seconds > 0 ? report.total / seconds : 0.0);
    if (!report.failures.empty()) std::fprintf(stderr, "; %zu failed", report.failures.size());
    std::fprintf(stderr, ".\n");
  }
  return report.failures.empty() ? kAllWritten : kSomeFailed;
}

int Run(const std::vector<std::string>& arguments) {
  Options options;
  try {
    const unsigned cores = std::thread::hardware_concurrency();
    options = ParseOptions(arguments, cores == 0 ? 1 : static_cast<int>(cores));
  } catch (const UsageError& error) {
    Complain(error.what());
    std::fprintf(stderr, "Try 'graphitine-sketch --help'.\n");
    return kUsageError;
  }
  if (options.mode == Mode::Help) {
    std::fputs(UsageText().c_str(), stdout);
    return kAllWritten;
  }
  if (options.mode == Mode::Version) {
    std::printf("graphitine-sketch %s\n", GRAPHITINE_VERSION);
    return kAllWritten;
  }

  try {
    Paper paper;
    ConvertSettings settings;
    settings.precision = options.precision;
    settings.lineStep = options.line;
    settings.choice = SketchChoice{options.style, SketchPage::Automatic};
    if (!options.paper.empty()) {
      PictureLimits paperLimits;
      paperLimits.maxPixels = options.maxPixels;
      paper.picture = LoadPicture(options.paper, paperLimits);
      paper.mode = options.stretch ? PaperMode::Stretch : PaperMode::Tile;
      settings.paper = &paper;
    }
    return options.mode == Mode::Batch ? ConvertFolders(options, settings)
                                       : ConvertOne(options, settings);
  } catch (const std::exception& error) {
    Complain(error.what());
    return kSomeFailed;
  }
}

}  // namespace

}  // namespace graphitine::cli

int main(int argc, char** argv) {
  // Large blocks freed by one photo are kept for the next one of a batch instead of going back
  // to the system and coming again as fresh pages: libjpeg's coefficients of a progressive photo
  // alone are 54 MB for 18 megapixels.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  graphitine::cli::RemoveTemporaryFilesOnSignals();
  return graphitine::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
