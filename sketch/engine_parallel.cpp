#include "sketch/engine_parallel.h"

#include <algorithm>

#include "sketch/workerpool.h"

namespace graphitine {

namespace {

// The number of threads a request for `threads` can have: 0 or less is every thread of the
// shared pool (one per core); more than the pool has are as many as it has.
int ThreadsFor(int threads) {
  const int pool = std::max(WorkerPool::Shared().Threads(), 1);
  return threads > 0 ? std::min(threads, pool) : pool;
}

}  // namespace

void ForEachRowChunk(int threads, int top, int bottom, int minimumRows,
                     const std::function<void(int first, int last)>& work, std::stop_token stop) {
  if (top > bottom) return;
  const long long rows = static_cast<long long>(bottom) - top + 1;
  const long long width = ThreadsFor(threads);
  // About eight chunks per thread, so that a thread slowed by other work gets fewer of them.
  const long long chunkRows =
      std::max<long long>(std::max(1, minimumRows), (rows + 8 * width - 1) / (8 * width));
  const auto chunks = static_cast<std::size_t>((rows + chunkRows - 1) / chunkRows);
  auto chunk = [&](std::size_t index) {
    const long long first = top + static_cast<long long>(index) * chunkRows;
    const long long last = std::min<long long>(bottom, first + chunkRows - 1);
    work(static_cast<int>(first), static_cast<int>(last));
  };
  // Only a request for one thread stays on the caller's: any other counts against the pool,
  // even where the pool has a single thread.
  if (threads == 1) {
    WorkerPool::RunOnThisThread(chunks, chunk, stop);
  } else {
    WorkerPool::Shared().Run(chunks, threads, chunk, std::move(stop));
  }
}

}  // namespace graphitine
