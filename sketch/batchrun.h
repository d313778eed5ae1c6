#pragma once
// Running a planned batch: every job once, several at a time if asked, failures reported per
// item while the run goes on with the next one, until the caller asks it to stop.
#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "sketch/batchplan.h"
#include "sketch/convertfile.h"
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
  bool stopped = false;  // stop was asked for before every item had run: the rest did not
};

struct BatchProgress {
  std::size_t done = 0;  // finished items, failed ones included
  std::size_t failed = 0;
  std::size_t total = 0;
};

// One item's work, which checks the stop token where it can (Convert does between bands of
// rows); an exception is that item's failure, except Stopped.
using BatchStep = std::function<void(const BatchJob&, std::stop_token)>;
// Called after each finished item, one call at a time (from whichever thread finished it).
using BatchProgressReport = std::function<void(const BatchProgress&, const BatchFailure*)>;

// Hands out the next job of a run, or nothing when the run has no more. Called one call at a
// time, from whichever thread is free for the next item.
using BatchSource = std::function<std::optional<BatchJob>()>;

// Runs step for every job that next hands out, with up to `parallel` jobs at once (at least
// one), and returns when next has no more and every started job has ended; so the jobs may be
// decided while the run goes. Stopping, failures and progress are as below; total counts the
// jobs handed out.
BatchReport RunBatch(const BatchSource& next, const BatchStep& step, int parallel,
                     const BatchProgressReport& progress = {}, std::stop_token stop = {});

// Runs step for every job with up to `parallel` jobs at once (at least one) and returns when
// all have finished. Once stop is requested no further item starts, and the run returns when
// the items that had started have ended; an item whose step raised Stopped counts as neither
// written nor failed, and gets no progress call.
BatchReport RunBatch(const std::vector<BatchJob>& jobs, const BatchStep& step, int parallel,
                     const BatchProgressReport& progress = {}, std::stop_token stop = {});

// The step of the converter: loads the source from where it really is, converts it with the
// settings and saves the sketch under the planned name and kind, overlapped on the shared worker
// pool (ConvertPictureFile). A source of more than maxPixels pixels, or whose sketch the planned
// format cannot hold, fails before it is decoded. A file that appeared under that name since
// planning is never replaced: the item fails instead. The conversion stops (raising Stopped,
// writing nothing) once stop is requested. Returns the photo and its sketch, for showing them
// (unless kept is None).
ConvertedPicture ConvertBatchJob(const BatchJob& job, const ConvertSettings& settings,
                                 std::stop_token stop = {},
                                 std::int64_t maxPixels = kMaxPicturePixels,
                                 KeptPictures kept = KeptPictures::Both);

}  // namespace graphitine
