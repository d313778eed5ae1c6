#include "sketch/workerpool.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <system_error>
#include <utility>

#include "sketch/errors.h"

namespace graphitine {

namespace {

thread_local bool onPoolThread = false;

using Task = std::function<void()>;

}  // namespace

// Everything here is read and written under the pool's lock while the caller is joined; its
// owner's thread uses it alone before joining and after leaving. A thread reaches a caller only
// through the pool's list, or while running one of its tasks, and the owner leaves only once no
// task is queued or running: so no thread touches a caller after its owner has left.
struct WorkerPool::Caller {
  Caller(std::stop_token stop, int width) : stop(std::move(stop)), width(width) {}
  Caller(const Caller&) = delete;
  Caller& operator=(const Caller&) = delete;
  virtual ~Caller() = default;

  // Whether a task is waiting to start.
  virtual bool Queued() const = 0;
  // The next task; only when one is queued.
  virtual Task Take() = 0;
  // Forgets every task not yet started.
  virtual void Drop() = 0;

  bool HasTaskFor() const { return Queued() && active < width; }
  bool Done() const { return active == 0 && !Queued(); }
  void Fail(std::exception_ptr error) {
    if (failure) return;
    failure = std::move(error);
    Drop();
  }
  void StopNow() {
    stopped = true;
    Drop();
  }
  // Runs a task taken from this caller on the calling thread.
  static std::exception_ptr RunTask(const Task& task) {
    try {
      task();
    } catch (...) {
      return std::current_exception();
    }
    return nullptr;
  }
  // After the tasks: the first failure, else Stopped if tasks were dropped by a stop.
  void Finish() const {
    if (failure) std::rethrow_exception(failure);
    if (stopped) throw Stopped();
  }

  std::stop_token stop;
  int width;
  int active = 0;  // threads running one of its tasks now
  bool stopped = false;
  std::exception_ptr failure;
  std::condition_variable done;  // it has become Done
};

// The tasks of one Run: indices handed out in order.
struct WorkerPool::IndexJob : Caller {
  IndexJob(std::size_t count, int width, const std::function<void(std::size_t)>& task,
           std::stop_token stop)
      : Caller(std::move(stop), width), count(count), task(task) {}
  bool Queued() const override { return next < count; }
  Task Take() override {
    return [this, index = next++] { task(index); };
  }
  void Drop() override { next = count; }

  std::size_t count;
  const std::function<void(std::size_t)>& task;
  std::size_t next = 0;
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

// The caller that has the fewest threads on it, so that callers served at once share the
// threads; among equals the oldest.
WorkerPool::Caller* WorkerPool::NextCaller() {
  Caller* best = nullptr;
  for (Caller* caller : callers_) {
    if (caller->HasTaskFor() && (best == nullptr || caller->active < best->active)) best = caller;
  }
  return best;
}

void WorkerPool::Work() {
  onPoolThread = true;
  std::unique_lock<std::mutex> hold(lock_);
  for (;;) {
    Caller* caller = NextCaller();
    if (caller == nullptr) {
      if (closing_) return;
      wake_.wait(hold);
      continue;
    }
    if (caller->stop.stop_requested()) {
      caller->StopNow();
      if (caller->Done()) caller->done.notify_all();
      continue;
    }
    Task task = caller->Take();
    ++caller->active;
    hold.unlock();
    std::exception_ptr failure = Caller::RunTask(task);
    task = nullptr;  // what it holds goes while the caller still waits for it
    hold.lock();
    --caller->active;
    if (failure) caller->Fail(std::move(failure));
    if (caller->Done()) caller->done.notify_all();
  }
}

void WorkerPool::Join(Caller& caller) {
  const std::lock_guard<std::mutex> hold(lock_);
  callers_.push_back(&caller);
  wake_.notify_all();
}

void WorkerPool::WaitUntilDone(Caller& caller, bool leave) {
  std::unique_lock<std::mutex> hold(lock_);
  caller.done.wait(hold, [&] { return caller.Done(); });
  if (leave) callers_.erase(std::find(callers_.begin(), callers_.end(), &caller));
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
  IndexJob job(count, width > 0 ? std::min(width, Threads()) : Threads(), task, std::move(stop));
  Join(job);
  WaitUntilDone(job, true);
  job.Finish();
}

struct TaskGroup::Queue : WorkerPool::Caller {
  Queue(std::stop_token stop, int width, bool here) : Caller(std::move(stop), width), here(here) {}
  bool Queued() const override { return !urgent.empty() || !normal.empty(); }
  Task Take() override {
    std::deque<Task>& from = urgent.empty() ? normal : urgent;
    Task task = std::move(from.front());
    from.pop_front();
    return task;
  }
  void Drop() override {
    urgent.clear();
    normal.clear();
  }

  const bool here;  // the tasks run on the creator's thread, in Wait
  std::deque<Task> urgent;
  std::deque<Task> normal;
};

TaskGroup::TaskGroup(std::stop_token stop, WorkerPool& pool)
    : pool_(pool),
      queue_(std::make_unique<Queue>(std::move(stop), std::max(pool.Threads(), 1),
                                     onPoolThread || pool.Threads() == 0)) {
  if (!queue_->here) pool_.Join(*queue_);
}

TaskGroup::~TaskGroup() {
  if (queue_->here) return;
  {
    const std::lock_guard<std::mutex> hold(pool_.lock_);
    queue_->Drop();
  }
  pool_.WaitUntilDone(*queue_, true);
}

void TaskGroup::Add(std::function<void()> task, bool urgent) {
  std::unique_lock<std::mutex> hold(pool_.lock_, std::defer_lock);
  if (!queue_->here) hold.lock();
  if (queue_->failure || queue_->stopped) return;
  (urgent ? queue_->urgent : queue_->normal).push_back(std::move(task));
  if (!queue_->here) pool_.wake_.notify_one();
}

void TaskGroup::Wait() {
  Queue& queue = *queue_;
  if (!queue.here) {
    pool_.WaitUntilDone(queue, false);
  } else {
    while (queue.Queued()) {
      if (queue.stop.stop_requested()) {
        queue.StopNow();
        break;
      }
      if (std::exception_ptr failure = Queue::RunTask(queue.Take())) queue.Fail(failure);
    }
  }
  queue.Finish();
}

}  // namespace graphitine
