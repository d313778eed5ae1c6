#include "sketch/batchrun.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "sketch/errors.h"
#include "sketch/picturefile.h"

namespace graphitine {

namespace {

// The run behind both forms of RunBatch. With a known total, progress counts against it;
// otherwise against the jobs handed out so far.
BatchReport Run(const BatchSource& next, const BatchStep& step, std::size_t threads,
                std::optional<std::size_t> knownTotal, const BatchProgressReport& progress,
                const std::stop_token& stop) {
  BatchReport report;
  std::mutex sourceLock;  // one call of next at a time
  std::mutex mutex;       // guards report and the progress calls
  BatchProgress state;
  state.total = knownTotal.value_or(0);

  auto claim = [&]() -> std::optional<BatchJob> {
    const std::lock_guard<std::mutex> lock(sourceLock);
    if (stop.stop_requested()) {
      const std::lock_guard<std::mutex> reportLock(mutex);
      report.stopped = true;  // the source may have had more
      return std::nullopt;
    }
    std::optional<BatchJob> job = next();
    if (job) {
      const std::lock_guard<std::mutex> reportLock(mutex);
      ++report.total;
      if (!knownTotal) ++state.total;
    }
    return job;
  };

  auto work = [&] {
    for (std::optional<BatchJob> job = claim(); job; job = claim()) {
      std::string reason;
      try {
        if (stop.stop_requested()) throw Stopped();
        step(*job, stop);
      } catch (const Stopped&) {
        const std::lock_guard<std::mutex> lock(mutex);
        report.stopped = true;
        continue;
      } catch (const std::exception& error) {
        reason = error.what();
        if (reason.empty()) reason = "unknown error";
      } catch (...) {
        reason = "unknown error";
      }
      const std::lock_guard<std::mutex> lock(mutex);
      ++state.done;
      const BatchFailure* failure = nullptr;
      if (reason.empty()) {
        ++report.written;
      } else {
        ++state.failed;
        report.failures.push_back(BatchFailure{job->index, job->source.path.string(), reason});
        failure = &report.failures.back();
      }
      if (progress) progress(state, failure);
    }
  };

  if (threads <= 1) {
    work();
  } else {
    std::vector<std::jthread> workers;
    for (std::size_t t = 0; t < threads; ++t) workers.emplace_back(work);
  }
  if (knownTotal) {
    report.stopped = report.stopped && report.written + report.failures.size() < *knownTotal;
    report.total = *knownTotal;
  }
  std::sort(report.failures.begin(), report.failures.end(),
            [](const BatchFailure& a, const BatchFailure& b) { return a.index < b.index; });
  return report;
}

std::size_t Threads(int parallel) { return static_cast<std::size_t>(std::max(parallel, 1)); }

}  // namespace

BatchReport RunBatch(const BatchSource& next, const BatchStep& step, int parallel,
                     const BatchProgressReport& progress, std::stop_token stop) {
  return Run(next, step, Threads(parallel), std::nullopt, progress, stop);
}

BatchReport RunBatch(const std::vector<BatchJob>& jobs, const BatchStep& step, int parallel,
                     const BatchProgressReport& progress, std::stop_token stop) {
  std::size_t next = 0;
  const BatchSource source = [&]() -> std::optional<BatchJob> {
    if (next == jobs.size()) return std::nullopt;
    return jobs[next++];
  };
  return Run(source, step, std::min(Threads(parallel), jobs.size()), jobs.size(), progress, stop);
}

ConvertedPicture ConvertBatchJob(const BatchJob& job, const ConvertSettings& settings,
                                 std::stop_token stop, std::int64_t maxPixels, KeptPictures kept) {
  const std::string written = SaveNameFor(job.output, job.kind);
  const PictureFormat format = SaveFormatFor(written, job.kind);
  return ConvertPictureFile(job.source.path, SketchLimits(format, maxPixels), settings, written,
                            format, ExistingFile::Keep, std::move(stop), kept);
}

}  // namespace graphitine
