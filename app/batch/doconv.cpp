#include "app/batch/doconv.h"

#include <QMetaObject>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "sketch/errors.h"

using graphitine::BatchJob;
using graphitine::ConvertedPicture;

namespace {

// Runs the question on context's thread and waits for its answer; nothing when the run is
// stopped first (the question may still run later; its answer is then dropped).
template <typename T>
std::optional<T> Ask(QObject* context, std::function<T()> question, const std::stop_token& stop) {
  struct Answer {
    std::mutex lock;
    std::condition_variable_any ready;
    std::optional<T> value;
  };
  auto answer = std::make_shared<Answer>();
  QMetaObject::invokeMethod(
      context,
      [answer, question = std::move(question)] {
        T value = question();
        const std::lock_guard<std::mutex> guard(answer->lock);
        answer->value = std::move(value);
        answer->ready.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock<std::mutex> guard(answer->lock);
  answer->ready.wait(guard, stop, [&] { return answer->value.has_value(); });
  return std::move(answer->value);
}

}  // namespace

// The picture waiting to be shown. Only the latest is kept, and at most one is shown per
// kShowInterval: showing a large photo and sketch scales both to their views on the interface
// thread, time taken from the window and from the run on a machine with few cores.
struct DoConv::Shown {
  static constexpr std::chrono::milliseconds kShowInterval{300};

  std::mutex lock;
  std::optional<std::pair<ConvertedPicture, std::string>> latest;
  bool posted = false;  // a show is on its way to the interface thread
  std::chrono::steady_clock::time_point lastPosted;
};

DoConv::DoConv(QObject* context, Hooks hooks, int parallel)
    : context_(context),
      hooks_(std::move(hooks)),
      parallel_(parallel),
      shown_(std::make_shared<Shown>()),
      thread_([this](std::stop_token stop) { Execute(std::move(stop)); }) {}

DoConv::~DoConv() {
  thread_.request_stop();
  thread_.join();
}

void DoConv::Post(std::function<void()> call) const {
  QMetaObject::invokeMethod(context_, std::move(call), Qt::QueuedConnection);
}

void DoConv::Execute(std::stop_token stop) {
  const graphitine::BatchReport report = graphitine::RunBatch(
      [&]() -> std::optional<BatchJob> {
        std::optional<std::optional<BatchJob>> job = Ask(context_, hooks_.nextItem, stop);
        return job ? std::move(*job) : std::nullopt;
      },
      [&](const BatchJob& job, std::stop_token itemStop) { ConvertItem(job, std::move(itemStop)); },
      parallel_, [&](const graphitine::BatchProgress&, const graphitine::BatchFailure*) {
        Post(hooks_.itemEnded);
      },
      stop);
  {
    // The window is left showing the last finished picture.
    const std::lock_guard<std::mutex> guard(shown_->lock);
    PostShow();
  }
  Post([ended = hooks_.ended, report] { ended(report); });
}

void DoConv::ConvertItem(const BatchJob& job, std::stop_token stop) {
  const std::optional<graphitine::SketchSettings> settings =
      Ask(context_, hooks_.itemSettings, stop);
  if (!settings) throw graphitine::Stopped();
  ConvertedPicture picture = graphitine::ConvertBatchJob(job, settings->ForConvert(), stop);
  const std::string written = graphitine::SaveNameFor(job.output, job.kind);
  const std::lock_guard<std::mutex> guard(shown_->lock);
  shown_->latest.emplace(std::move(picture), written);
  if (std::chrono::steady_clock::now() - shown_->lastPosted >= Shown::kShowInterval) PostShow();
}

// Hands the latest picture to the interface thread, unless one is on its way (which then takes
// the latest). Called with shown_->lock held.
void DoConv::PostShow() {
  if (shown_->posted || !shown_->latest) return;
  shown_->posted = true;
  shown_->lastPosted = std::chrono::steady_clock::now();
  Post([shown = shown_, show = hooks_.show] {
    std::optional<std::pair<ConvertedPicture, std::string>> latest;
    {
      const std::lock_guard<std::mutex> guard(shown->lock);
      latest.swap(shown->latest);
      shown->posted = false;
    }
    if (latest) show(std::move(latest->first), latest->second);
  });
}
