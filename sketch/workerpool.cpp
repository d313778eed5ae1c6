#include "sketch/workerpool.h"

#include <algorithm>
#include <exception>
#include <system_error>

#include "sketch/errors.h"

namespace graphitine {

namespace {

thread_local bool onPoolThread = false;

}  // namespace

struct WorkerPool::Job {
  std::size_t count = 0;
  int width = 0;
  const std::function<void(std::size_t)>* task = nullptr;
  std::stop_token stop;
  std::size_t next = 0;      // the next task to hand out
  std::size_t finished = 0;  // tasks that ended or will never start
  int active = 0;            // threads running one of its tasks now
  bool stopped = false;
  std::exception_ptr failure;
  std::condition_variable done;

  bool HasTasksFor() const { return next < count && active < width; }
  // No task is handed out after this; the ones running finish.
  void SkipTheRest() {
    finished += count - next;
    next = count;
  }
};

// Never destroyed: a thread that has not finished its work when the process ends may still be
// waiting in it.
WorkerPool& WorkerPool::Shared() {
  static WorkerPool* pool =
      new WorkerPool(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
  return *pool;
}

WorkerPool::WorkerPool(int threads) {
  threads_.reserve(static_cast<std::size_t>(std::max(threads, 0)));
  for (int i = 0; i < threads; ++i) {
    try {
      threads_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the ones running share the work
    }
  }
}

WorkerPool::~WorkerPool() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    closing_ = true;
  }
  wake_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

// The job that has the fewest threads on it, so that jobs running at once share the threads.
WorkerPool::Job* WorkerPool::NextJob() {
  Job* best = nullptr;
  for (Job* job : jobs_) {
    if (job->HasTasksFor() && (best == nullptr || job->active < best->active)) best = job;
  }
  return best;
}

void WorkerPool::Work() {
  onPoolThread = true;
  std::unique_lock<std::mutex> hold(lock_);
  for (;;) {
    Job* job = NextJob();
    if (job == nullptr) {
      if (closing_) return;
      wake_.wait(hold);
      continue;
    }
    if (job->stop.stop_requested()) {
      job->stopped = true;
      job->SkipTheRest();
      if (job->finished == job->count) job->done.notify_all();
      continue;
    }
    const std::size_t index = job->next++;
    ++job->active;
    hold.unlock();
    std::exception_ptr failure;
    try {
      (*job->task)(index);
    } catch (...) {
      failure = std::current_exception();
    }
    hold.lock();
    --job->active;
    ++job->finished;
    if (failure && !job->failure) {
      job->failure = failure;
      job->SkipTheRest();
    }
    if (job->finished == job->count) job->done.notify_all();
  }
}

void WorkerPool::RunOnThisThread(std::size_t count, const std::function<void(std::size_t)>& task,
                                 const std::stop_token& stop) {
  for (std::size_t i = 0; i < count; ++i) {
    if (stop.stop_requested()) throw Stopped();
    task(i);
  }
}

void WorkerPool::Run(std::size_t count, int width, const std::function<void(std::size_t)>& task,
                     std::stop_token stop) {
  if (count == 0) return;
  if (onPoolThread || threads_.empty()) {
    RunOnThisThread(count, task, stop);
    return;
  }
  Job job;
  job.count = count;
  job.width = width > 0 ? std::min(width, Threads()) : Threads();
  job.task = &task;
  job.stop = std::move(stop);
  std::unique_lock<std::mutex> hold(lock_);
  jobs_.push_back(&job);
  wake_.notify_all();
  job.done.wait(hold, [&] { return job.finished == job.count; });
  jobs_.erase(std::find(jobs_.begin(), jobs_.end(), &job));
  hold.unlock();
  if (job.failure) std::rethrow_exception(job.failure);
  if (job.stopped) throw Stopped();
}

}  // namespace graphitine
