#pragma once
// Threads for work that splits into many small tasks. One pool serves the whole process, with as
// many threads as the machine has cores, and the tasks of everyone who calls it at once share
// those threads evenly: a conversion started during a batch, or two batch items converting at
// once, never run more of these threads than there are cores.
//
// A task should never wait on a pool thread for another task's output: only the caller's own
// thread waits, for its tasks to end. Work whose steps feed each other is a TaskGroup, whose
// tasks add the tasks that their output makes ready instead of waiting for it, so that while any
// caller has a task queued, no pool thread is idle.
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace graphitine {

class WorkerPool {
 public:
  // The process's pool, one thread per core, started on first use and kept to the end.
  static WorkerPool& Shared();

  explicit WorkerPool(int threads);
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;
  ~WorkerPool();

  int Threads() const { return static_cast<int>(threads_.size()); }

  // Runs task(0) .. task(count - 1), each at most once, on up to `width` of the pool's threads
  // (all of them when width is 0 or less), and returns when every task that started has ended;
  // the calling thread only waits. Tasks are not started once stop is requested: the call then
  // raises Stopped. The first exception a task throws is rethrown here, and the tasks not yet
  // started are skipped. Called from one of the pool's own threads (or on a pool without
  // threads), the tasks run one after the other on the calling thread.
  void Run(std::size_t count, int width, const std::function<void(std::size_t)>& task,
           std::stop_token stop = {});

  // The same on the calling thread alone, for work too small to hand over.
  static void RunOnThisThread(std::size_t count, const std::function<void(std::size_t)>& task,
                              const std::stop_token& stop);

 private:
  friend class TaskGroup;
  // What the pool's threads take tasks from: a Run's IndexJob, or a TaskGroup.
  struct Caller;
  struct IndexJob;
  void Work();
  Caller* NextCaller();
  // Makes the caller's tasks available to the threads.
  void Join(Caller& caller);
  // Waits until the caller has no task queued or running, and with leave, takes it back: after
  // that no thread touches it.
  void WaitUntilDone(Caller& caller, bool leave);

  std::mutex lock_;
  std::condition_variable wake_;  // a caller has tasks, or the pool is closing
  std::vector<Caller*> callers_;  // callers being served, oldest first
  bool closing_ = false;
  std::vector<std::thread> threads_;
};

// Tasks of one piece of work, added one at a time, each once what it needs is there: a task
// that finds nothing to do yet returns, and the task whose output it waits for adds it again.
// The tasks run on the pool's threads while the creator's thread waits in Wait; created on one
// of the pool's own threads (or on a pool without threads), the group runs its tasks one after
// the other in Wait, on that thread.
class TaskGroup {
 public:
  explicit TaskGroup(std::stop_token stop = {}, WorkerPool& pool = WorkerPool::Shared());
  TaskGroup(const TaskGroup&) = delete;
  TaskGroup& operator=(const TaskGroup&) = delete;
  // Drops the tasks still queued and waits for the running ones: they may use what the creator
  // owns.
  ~TaskGroup();

  // Queues a task; from the creator's thread before Wait, or from a task of the group. Urgent
  // tasks start before the group's other queued tasks: they are the steps that the rest waits
  // for. Tasks added once the group failed or was stopped are dropped.
  void Add(std::function<void()> task, bool urgent = false);

  // Returns once no task is queued or running. The first exception a task threw is rethrown (the
  // tasks queued after it were dropped); otherwise Stopped is raised when stop was requested
  // before every task had started.
  void Wait();

 private:
  struct Queue;
  WorkerPool& pool_;
  std::unique_ptr<Queue> queue_;
};

}  // namespace graphitine
