#pragma once
// Running a planned batch: every job once, several at a time if asked, failures reported per
// item while the run goes on with the next one.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "sketch/batchplan.h"
#include "sketch/engine.h"
#include "sketch/picturelimits.h"

namespace graphitine {

struct BatchFailure {
  std::size_t index = 0;  // position in the list
  std::string source;     // the file the item was read from
  std::string reason;     // the error's text
};

struct BatchReport {
  std::size_t total = 0;
  std::size_t written = 0;
  std::vector<BatchFailure> failures;  // in list order
};

struct BatchProgress {
  std::size_t done = 0;  // finished items, failed ones included
  std::size_t failed = 0;
  std::size_t total = 0;
};

// One item's work; an exception is that item's failure.
using BatchStep = std::function<void(const BatchJob&)>;
// Called after each finished item, one call at a time (from whichever thread finished it).
using BatchProgressReport = std::function<void(const BatchProgress&, const BatchFailure*)>;

// Runs step for every job with up to `parallel` jobs at once (at least one) and returns when
// all have finished.
BatchReport RunBatch(const std::vector<BatchJob>& jobs, const BatchStep& step, int parallel,
                     const BatchProgressReport& progress = {});

// The step of the converter: loads the source from where it really is, converts it with the
// settings and saves the sketch under the planned name and kind. A source of more than maxPixels
// pixels, or whose sketch the planned format cannot hold, fails before it is decoded. A file
// that appeared under that name since planning is never replaced: the item fails instead.
void ConvertBatchJob(const BatchJob& job, const ConvertSettings& settings,
                     std::int64_t maxPixels = kMaxPicturePixels);

}  // namespace graphitine
