#pragma once
// Threads for work that splits into many small tasks (bands of rows). One pool serves the whole
// process, with as many threads as the machine has cores, and the tasks of everyone who calls
// it at once share those threads evenly: a conversion started during a batch, or two batch
// items converting at once, never run more of these threads than there are cores.
#include <condition_variable>
#include <cstddef>
#include <functional>
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
  struct Job;
  void Work();
  Job* NextJob();

  std::mutex lock_;
  std::condition_variable wake_;  // a job was added, or the pool is closing
  std::vector<Job*> jobs_;        // jobs with tasks left or still running, oldest first
  bool closing_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace graphitine
