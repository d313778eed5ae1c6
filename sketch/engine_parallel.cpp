#include "sketch/engine_parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace graphitine {

int ThreadsFor(int threads) {
  if (threads > 0) return threads;
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void ForEachRowChunk(int threads, int top, int bottom, int minimumRows,
                     const std::function<void(int first, int last)>& work) {
  if (top > bottom) return;
  const long long rows = static_cast<long long>(bottom) - top + 1;
  threads = ThreadsFor(threads);
  // About eight chunks per thread, so that a thread slowed by other work gets fewer of them.
  const long long chunkRows =
      std::max<long long>(std::max(1, minimumRows), (rows + 8LL * threads - 1) / (8LL * threads));
  const long long chunks = (rows + chunkRows - 1) / chunkRows;
  threads = static_cast<int>(std::min<long long>(threads, chunks));
  if (threads == 1) {
    work(top, bottom);
    return;
  }

  std::atomic<long long> next{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  auto run = [&] {
    for (long long chunk = next++; chunk < chunks; chunk = next++) {
      const long long first = top + chunk * chunkRows;
      const long long last = std::min<long long>(bottom, first + chunkRows - 1);
      try {
        work(static_cast<int>(first), static_cast<int>(last));
      } catch (...) {
        const std::lock_guard<std::mutex> hold(failureLock);
        if (!failure) failure = std::current_exception();
        next = chunks;
      }
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  for (int i = 1; i < threads; ++i) {
    try {
      helpers.emplace_back(run);
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the ones running share the chunks
    }
  }
  run();
  for (std::thread& helper : helpers) helper.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace graphitine
