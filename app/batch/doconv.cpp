#include "app/batch/doconv.h"

#include <QMetaObject>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "app/guardedhandler.h"
#include "sketch/errors.h"

using graphitine::BatchJob;
using graphitine::ConvertedPicture;

namespace {

// Runs the question on context's thread and waits for its answer; nothing when the run is
// stopped first (the question may still run later; its answer is then dropped). A question
// that fails raises its error here, on the asking thread: it never leaves through the
// interface thread's event loop, and the asker never waits for an answer that cannot come.
template <typename T>
std::optional<T> Ask(QObject* context, std::function<T()> question, const std::stop_token& stop) {
  struct Answer {
    std::mutex lock;
    std::condition_variable_any ready;
    std::optional<T> value;
    std::exception_ptr failure;
  };
  auto answer = std::make_shared<Answer>();
  QMetaObject::invokeMethod(
      context,
      [answer, question = std::move(question)] {
        std::optional<T> value;
        std::exception_ptr failure;
        try {
          value = question();
        } catch (...) {
          failure = std::current_exception();
        }
        const std::lock_guard<std::mutex> guard(answer->lock);
        answer->value = std::move(value);
        answer->failure = failure;
        answer->ready.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock<std::mutex> guard(answer->lock);
  answer->ready.wait(guard, stop,
                     [&] { return answer->value.has_value() || answer->failure != nullptr; });
  if (answer->failure) std::rethrow_exception(answer->failure);
  return std::move(answer->value);
}

}  // namespace

// A finished picture, and its views' images once they are made.
struct DoConv::Finished {
  ConvertedPicture picture;
  std::string written;
  std::size_t order;  // the item's place among the items the run took, from 1
  ScaledPicture photoView;
  ScaledPicture sketchView;
};

// The pictures on their way to the window. At most one is shown per kShowInterval (counted from
// the run's start), and only while none is still on its way, and the last one at the end:
// scaling a large photo and sketch to the views takes a run's thread from converting, so only
// the pictures that will be shown are scaled, and on the run's threads, never the interface
// thread's. Items finish out of order when several convert at once; a picture is shown only
// when no item after it in the list was shown or is waiting, so the run ends showing its last
// item.
struct DoConv::Shown {
  static constexpr std::chrono::milliseconds kShowInterval{1000};

  std::mutex lock;
  std::unordered_map<std::string, std::size_t> order;  // the items taken, by output name
  std::optional<Finished> latest;                      // the latest item's picture not handed over
  std::size_t newest = 0;  // the order of the latest item shown or waiting
  bool posted = false;     // a picture is on its way to the interface thread
  std::chrono::steady_clock::time_point lastPosted = std::chrono::steady_clock::now();
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

// An error outside any item goes to the general error report on the interface thread.
void DoConv::PostFailure(std::exception_ptr failure) const {
  Post([failure] { RunGuarded([&] { std::rethrow_exception(failure); }); });
}

void DoConv::Execute(std::stop_token stop) {
  const graphitine::BatchReport report = graphitine::RunBatch(
      [&]() -> std::optional<BatchJob> {
        try {
          std::optional<std::optional<BatchJob>> job = Ask(context_, hooks_.nextItem, stop);
          if (!job || !*job) return std::nullopt;
          const std::lock_guard<std::mutex> guard(shown_->lock);
          const std::size_t taken = shown_->order.size() + 1;
          shown_->order.emplace((*job)->output, taken);
          return std::move(*job);
        } catch (...) {
          PostFailure(std::current_exception());  // no item can be named: the run ends
          return std::nullopt;
        }
      },
      [&](const BatchJob& job, std::stop_token itemStop) { ConvertItem(job, std::move(itemStop)); },
      parallel_,
      [&](const graphitine::BatchProgress&, const graphitine::BatchFailure*) {
        Post(hooks_.itemEnded);
      },
      stop);
  // The window is left showing the last finished picture.
  std::optional<Finished> last;
  {
    const std::lock_guard<std::mutex> guard(shown_->lock);
    last.swap(shown_->latest);
  }
  try {
    if (last) ShowFinished(std::move(*last), stop, ScaledPicture::On::Pool);  // idle by now
  } catch (...) {
    PostFailure(std::current_exception());
  }
  Post([ended = hooks_.ended, report] { ended(report); });
}

void DoConv::ConvertItem(const BatchJob& job, std::stop_token stop) {
  const std::optional<BatchItemSettings> settings = Ask(context_, hooks_.itemSettings, stop);
  if (!settings) throw graphitine::Stopped();
  Finished finished{graphitine::ConvertBatchJob(job, settings->Convert(), stop),
                    graphitine::SaveNameFor(job.output, job.kind),
                    0,
                    {},
                    {}};
  {
    const std::lock_guard<std::mutex> guard(shown_->lock);
    finished.order = shown_->order.at(job.output);
    if (finished.order < shown_->newest) return;
    shown_->newest = finished.order;
    const auto now = std::chrono::steady_clock::now();
    if (shown_->posted || now - shown_->lastPosted < Shown::kShowInterval) {
      shown_->latest = std::move(finished);
      return;
    }
    shown_->posted = true;
    shown_->lastPosted = now;
    shown_->latest.reset();  // an item before this one
  }
  ShowFinished(std::move(finished), stop, ScaledPicture::On::ThisThread);
}

// While items convert, the views' images are scaled on the item's thread alone: it would only
// wait while the pool's threads did it, and they are busy converting, so the scaling would wait
// its turn among their bands, keeping this item's place in the run idle all the while.
void DoConv::MakeViews(Finished& finished, const std::stop_token& stop, ScaledPicture::On on) {
  const graphitine::Raster& photo = finished.picture.photo;
  const QSize photoSize(photo.Width(), photo.Height());
  const std::optional<QSize> size = Ask<QSize>(
      context_, [viewSize = hooks_.viewSize, photoSize] { return viewSize(photoSize); }, stop);
  if (!size) return;
  finished.photoView.Scale(photo, *size, on);
  finished.sketchView.Scale(finished.picture.sketch, *size, on);
}

// Makes the views' images here and hands the picture to the interface thread.
void DoConv::ShowFinished(Finished finished, const std::stop_token& stop, ScaledPicture::On on) {
  MakeViews(finished, stop, on);
  auto shown = std::make_shared<Finished>(std::move(finished));
  Post([shown, state = shown_, show = hooks_.show] {
    show(std::move(shown->picture), std::move(shown->photoView), std::move(shown->sketchView),
         shown->written);
    const std::lock_guard<std::mutex> guard(state->lock);
    state->posted = false;
  });
}
