// The shared worker pool: how many threads run at once, whether they are kept, how callers
// share them, stopping, and task groups whose tasks feed each other without holding a thread.
#include "sketch/workerpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
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

// A consumer whose input is not there yet returns and is added again by its producer, instead
// of holding its thread: while the producer works, the pool's other thread runs every task that
// another caller has queued. (Had the consumer waited on its thread, none of those could run
// before the producer gave up: it works until they have all run, or for at most 20 s.)
TEST(TaskGroup, ATaskWaitingForAnothersOutputGivesItsThreadBack) {
  WorkerPool pool(2);
  constexpr int kOthers = 20;
  std::atomic<int> othersRun{0}, othersOnProducersThread{0}, othersBeforeOutput{0};
  std::atomic<int> consumerRuns{0}, consumedOutputs{0};
  std::atomic<bool> output{false};
  std::atomic<std::thread::id> producersThread{};
  TaskGroup group({}, pool);
  const std::function<void()> consume = [&] {
    ++consumerRuns;
    if (output) ++consumedOutputs;
  };
  group.Add(
      [&] {
        producersThread = std::this_thread::get_id();
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (othersRun < kOthers && std::chrono::steady_clock::now() < deadline) {
          std::this_thread::sleep_for(1ms);
        }
        othersBeforeOutput = othersRun.load();
        output = true;
        group.Add(consume);
      },
      true);
  group.Add(consume);
  std::jthread other([&] {
    while (producersThread.load() == std::thread::id{}) std::this_thread::yield();
    pool.Run(kOthers, 0, [&](std::size_t) {
      if (std::this_thread::get_id() == producersThread.load()) ++othersOnProducersThread;
      ++othersRun;
    });
  });
  group.Wait();
  other.join();
  EXPECT_EQ(othersBeforeOutput.load(), kOthers);
  EXPECT_EQ(othersOnProducersThread.load(), 0);
  EXPECT_EQ(consumerRuns.load(), 2);
  EXPECT_GE(consumedOutputs.load(), 1);
}

// On one thread, so that nothing else starts while the failing task runs.
TEST(TaskGroup, AFailureDropsTheQueuedTasksAndIsRethrown) {
  WorkerPool pool(1);
  for (bool onPoolThread : {false, true}) {
    SCOPED_TRACE(onPoolThread ? "created on a pool thread" : "created on the caller's thread");
    std::atomic<int> ran{0}, later{0};
    auto run = [&] {
      TaskGroup group({}, pool);
      group.Add([&] {
        ++ran;
        group.Add([&] { ++later; });
        throw std::runtime_error("first");
      });
      group.Add([&] { ++later; });
      group.Wait();
    };
    try {
      if (onPoolThread) {
        pool.Run(1, 1, [&](std::size_t) { run(); });
      } else {
        run();
      }
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "first");
    }
    EXPECT_EQ(ran.load(), 1);
    EXPECT_EQ(later.load(), 0);
  }
}

TEST(TaskGroup, AskedToStopItStartsNoFurtherTaskAndRaisesStopped) {
  WorkerPool pool(2);
  std::stop_source stop;
  std::atomic<int> ran{0};
  TaskGroup group(stop.get_token(), pool);
  // Each task adds the next one; the fifth asks to stop.
  std::function<void()> step = [&] {
    if (++ran == 5) stop.request_stop();
    group.Add(step);
  };
  group.Add(step);
  EXPECT_THROW(group.Wait(), Stopped);
  EXPECT_EQ(ran.load(), 5);
}

// On one of the pool's own threads a group runs its tasks one after the other on that thread,
// the urgent ones first.
TEST(TaskGroup, CreatedOnAPoolThreadItRunsItsTasksThereInOrder) {
  WorkerPool pool(2);
  pool.Run(1, 1, [&](std::size_t) {
    const auto here = std::this_thread::get_id();
    std::string order;
    TaskGroup group({}, pool);
    auto task = [&](char name) {
      return [&, name] {
        EXPECT_EQ(std::this_thread::get_id(), here);
        order += name;
        if (name == 'a') group.Add([&] { order += 'd'; }, true);
      };
    };
    group.Add(task('a'));
    group.Add(task('b'));
    group.Add(task('c'), true);
    group.Wait();
    EXPECT_EQ(order, "cadb");
  });
}

}  // namespace
}  // namespace graphitine
