#include "sketch/batchrun.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "sketch/errors.h"
#include "sketch/picturefile.h"

namespace graphitine {

BatchReport RunBatch(const std::vector<BatchJob>& jobs, const BatchStep& step, int parallel,
                     const BatchProgressReport& progress, std::stop_token stop) {
  BatchReport report;
  report.total = jobs.size();
  std::atomic<std::size_t> next{0};
  std::mutex mutex;  // guards report and the progress calls
  BatchProgress state;
  state.total = jobs.size();

  auto work = [&] {
    for (std::size_t i = next++; i < jobs.size(); i = next++) {
      std::string reason;
      try {
        if (stop.stop_requested()) throw Stopped();
        step(jobs[i], stop);
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
        report.failures.push_back(
            BatchFailure{jobs[i].index, jobs[i].source.path.string(), reason});
        failure = &report.failures.back();
      }
      if (progress) progress(state, failure);
    }
  };

  const std::size_t threads =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(parallel, 1)), jobs.size());
  if (threads <= 1) {
    work();
  } else {
    std::vector<std::jthread> workers;
    for (std::size_t t = 0; t < threads; ++t) workers.emplace_back(work);
  }
  std::sort(report.failures.begin(), report.failures.end(),
            [](const BatchFailure& a, const BatchFailure& b) { return a.index < b.index; });
  return report;
}

ConvertedPicture ConvertBatchJob(const BatchJob& job, const ConvertSettings& settings,
                                 std::stop_token stop, std::int64_t maxPixels) {
  const std::string written = SaveNameFor(job.output, job.kind);
  const PictureFormat format = SaveFormatFor(written, job.kind);
  return ConvertPictureFile(job.source.path, SketchLimits(format, maxPixels), settings, written,
                            format, ExistingFile::Keep, std::move(stop));
}

}  // namespace graphitine
