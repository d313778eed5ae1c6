// The shared worker pool: how many threads run at once, whether they are kept, how callers
// share them, and stopping.
#include "sketch/workerpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include "sketch/engine_parallel.h"
#include "sketch/errors.h"

namespace graphitine {
namespace {

using namespace std::chrono_literals;

// Counts the threads inside a piece of work at once and the most there ever were.
class Occupancy {
 public:
  void Enter() {
    const int now = ++inside_;
    int most = most_.load();
    while (now > most && !most_.compare_exchange_weak(most, now)) {
    }
  }
  void Leave() { --inside_; }
  int Most() const { return most_.load(); }

 private:
  std::atomic<int> inside_{0};
  std::atomic<int> most_{0};
};

// A conversion started during a batch of several items at once: the row chunks of every caller
// together never run on more threads than the pool has, one per core.
TEST(WorkerPool, CallersAtOnceNeverRunMoreThreadsThanCores) {
  Occupancy occupancy;
  std::vector<std::jthread> callers;
  for (int c = 0; c < 3; ++c) {
    callers.emplace_back([&] {
      ForEachRowChunk(0, 0, 63, 1, [&](int, int) {
        occupancy.Enter();
        std::this_thread::sleep_for(1ms);
        occupancy.Leave();
      });
    });
  }
  callers.clear();
  EXPECT_GE(occupancy.Most(), 1);
  EXPECT_LE(occupancy.Most(), WorkerPool::Shared().Threads());
  EXPECT_LE(WorkerPool::Shared().Threads(), static_cast<int>(std::thread::hardware_concurrency()));
}

// Threads are started once and kept, not started anew for every call.
TEST(WorkerPool, ThreadsAreKeptFromCallToCall) {
  static std::atomic<int> threadsSeen{0};
  thread_local bool counted = false;
  for (int call = 0; call < 50; ++call) {
    ForEachRowChunk(0, 0, 99, 1, [](int, int) {
      if (!counted) ++threadsSeen;
      counted = true;
      std::this_thread::sleep_for(100us);  // long enough for every thread to take a chunk
    });
  }
  EXPECT_LE(threadsSeen.load(), WorkerPool::Shared().Threads());
}

// Two callers share the threads: a short job started while a long one holds every thread gets
// one as soon as a task of the long one ends, instead of waiting for all of them.
TEST(WorkerPool, ALaterJobGetsAThreadBeforeAnEarlierOneEnds) {
  WorkerPool pool(2);
  std::atomic<bool> longStarted{false}, shortDone{false}, longDoneFirst{false};
  std::jthread longCaller([&] {
    pool.Run(400, 0, [&](std::size_t) {
      longStarted = true;
      std::this_thread::sleep_for(1ms);
    });
    longDoneFirst = !shortDone;
  });
  while (!longStarted) std::this_thread::yield();
  pool.Run(2, 0, [](std::size_t) {});
  shortDone = true;
  longCaller.join();
  EXPECT_FALSE(longDoneFirst);
}

TEST(WorkerPool, AskedToStopItStartsNoFurtherTaskAndRaisesStopped) {
  WorkerPool pool(3);
  for (int width : {1, 0}) {
    SCOPED_TRACE(width);
    std::stop_source source;
    std::atomic<int> ran{0}, ranWhenAsked{0};
    auto task = [&](std::size_t i) {
      ++ran;
      if (i == 5) {
        ranWhenAsked = ran.load();
        source.request_stop();
      }
    };
    EXPECT_THROW(width == 1 ? WorkerPool::RunOnThisThread(100, task, source.get_token())
                            : pool.Run(100, width, task, source.get_token()),
                 Stopped);
    // Afterwards, at most the tasks the other threads had already taken.
    EXPECT_LE(ran.load(), ranWhenAsked.load() + (width == 1 ? 0 : 2));
  }
}

TEST(WorkerPool, ATaskOfAPoolThreadRunsItsOwnTasksOnThatThread) {
  WorkerPool pool(2);
  std::atomic<int> inner{0};
  pool.Run(4, 0, [&](std::size_t) {
    const auto outer = std::this_thread::get_id();
    pool.Run(3, 0, [&](std::size_t) {
      EXPECT_EQ(std::this_thread::get_id(), outer);
      ++inner;
    });
  });
  EXPECT_EQ(inner.load(), 12);
}

}  // namespace
}  // namespace graphitine
