// Feeds arbitrary command lines to graphitine-sketch's option parser. The input is the arguments
// separated by zero bytes; its first byte, less 8, is the default number of jobs (the number of
// cores). The parser must fail only with UsageError and a text that says why, and what it
// returns must be a command line the converter can carry out: every number in its range, a
// paper for --stretch, existing folders for a batch.
#include "cli/options.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "tools/fuzz/check.h"

namespace {

namespace cli = graphitine::cli;

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

void CheckCarriedOut(const cli::Options& o) {
  // Help and the version stop the parse where they stand: nothing is carried out.
  if (o.mode == cli::Mode::Help || o.mode == cli::Mode::Version) return;
  FUZZ_CHECK(o.precision >= cli::kMinPrecision && o.precision <= cli::kMaxPrecision);
  FUZZ_CHECK(o.line >= cli::kMinLine && o.line <= cli::kMaxLine);
  FUZZ_CHECK(o.jobs >= cli::kMinJobs && o.jobs <= cli::kMaxJobs);
  FUZZ_CHECK(o.maxPixels >= 1 && o.maxPixels <= graphitine::kMaxPicturePixels);
  FUZZ_CHECK(!o.stretch || !o.paper.empty());
  switch (o.mode) {
    case cli::Mode::Single:
      FUZZ_CHECK(o.folders.empty() && o.outputFolder.empty());
      break;
    case cli::Mode::Batch:
      FUZZ_CHECK(!o.folders.empty() && IsFolder(o.outputFolder));
      for (const std::string& folder : o.folders) FUZZ_CHECK(IsFolder(folder));
      break;
    default:
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int defaultJobs = static_cast<int>(data[0]) - 8;
  std::vector<std::string> arguments(1);
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] == 0) {
      arguments.emplace_back();
    } else {
      arguments.back() += static_cast<char>(data[i]);
    }
  }
  if (size == 1) arguments.clear();
  try {
    CheckCarriedOut(cli::ParseOptions(arguments, defaultJobs));
  } catch (const cli::UsageError& error) {
    FUZZ_CHECK(std::string(error.what()).size() > 10);
  }
  return 0;
}
