// SkinTimer on a SkinManualClock: ticks fall due one interval apart, in time order across
// timers, and stop with Stop, a restart, the timer's end or the clock's end.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStringList>
#include <memory>

#include "skin/base/timer_p.h"

namespace {

TEST(SkinTimerTest, TicksOneIntervalApartFromTheStart) {
  const struct {
    int interval;
    std::vector<int> steps;  // successive Advance calls
    int ticks;
  } cases[] = {
      {100, {350}, 3},    {100, {99}, 0},        {100, {100}, 1},
      {100, {50, 50}, 1}, {100, {99, 1, 99}, 1}, {100, {100, 100}, 2},
      {7, {1000}, 142},   {0, {1000}, 0},        {-1, {1000}, 0},
  };
  for (const auto& c : cases) {
    SkinManualClock clock;
    SkinTimer timer;
    QSignalSpy ticks(&timer, &SkinTimer::Tick);
    timer.Start(c.interval);
    for (int step : c.steps) clock.Advance(step);
    EXPECT_EQ(ticks.count(), c.ticks) << "interval " << c.interval;
  }
}

TEST(SkinTimerTest, TimersTickInTimeOrderAndTiesInStartOrder) {
  SkinManualClock clock;
  SkinTimer slow, fast, alsoSlow;
  QStringList order;
  QObject::connect(&slow, &SkinTimer::Tick, [&] { order << QString("slow@%1").arg(clock.Now()); });
  QObject::connect(&fast, &SkinTimer::Tick, [&] { order << QString("fast@%1").arg(clock.Now()); });
  QObject::connect(&alsoSlow, &SkinTimer::Tick,
                   [&] { order << QString("alsoSlow@%1").arg(clock.Now()); });
  slow.Start(100);
  fast.Start(40);
  alsoSlow.Start(100);
  clock.Advance(120);
  EXPECT_EQ(order.join(' ').toStdString(), "fast@40 fast@80 slow@100 alsoSlow@100 fast@120");
  EXPECT_EQ(clock.Now(), 120);
}

TEST(SkinTimerTest, StopRestartAndDeletionEndTheTicks) {
  SkinManualClock clock;
  SkinTimer timer;
  QSignalSpy ticks(&timer, &SkinTimer::Tick);
  timer.Start(100);
  clock.Advance(150);
  timer.Start(100);  // a restart counts from now
  clock.Advance(90);
  EXPECT_EQ(ticks.count(), 1);
  clock.Advance(10);
  EXPECT_EQ(ticks.count(), 2);
  timer.Stop();
  EXPECT_FALSE(timer.IsActive());
  clock.Advance(1000);
  EXPECT_EQ(ticks.count(), 2);

  auto doomed = std::make_unique<SkinTimer>();
  doomed->Start(10);
  doomed.reset();
  clock.Advance(100);  // no tick of a timer that is gone
}

TEST(SkinTimerTest, TickMayStopOrDeleteTimers) {
  SkinManualClock clock;
  auto first = std::make_unique<SkinTimer>();
  auto second = std::make_unique<SkinTimer>();
  int firstTicks = 0, secondTicks = 0;
  QObject::connect(first.get(), &SkinTimer::Tick, [&] {
    ++firstTicks;
    second.reset();
    first->Stop();
  });
  QObject::connect(second.get(), &SkinTimer::Tick, [&] { ++secondTicks; });
  first->Start(10);
  second->Start(10);
  clock.Advance(100);
  EXPECT_EQ(firstTicks, 1);
  EXPECT_EQ(secondTicks, 0);
}

TEST(SkinTimerTest, ClockGoneLeavesItsTimersSilent) {
  SkinTimer timer;
  QSignalSpy ticks(&timer, &SkinTimer::Tick);
  {
    SkinManualClock clock;
    timer.Start(10);
    clock.Advance(10);
  }
  SkinManualClock later;
  later.Advance(100);
  EXPECT_EQ(ticks.count(), 1);
  timer.Stop();
}

}  // namespace
