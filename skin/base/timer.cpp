#include <algorithm>
#include <chrono>

#include "skin/base/timer_p.h"

namespace {
SkinManualClock* currentClock = nullptr;
}

SkinTimer::SkinTimer(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, &SkinTimer::Tick);
}

SkinTimer::~SkinTimer() { Stop(); }

void SkinTimer::Start(int intervalMs) {
  Stop();
  interval_ = intervalMs;
  active_ = true;
  if (intervalMs <= 0) return;
  clock_ = SkinManualClock::Current();
  if (clock_ != nullptr) {
    due_ = clock_->Now() + intervalMs;
    clock_->Add(this);
  } else {
    timer_.start(intervalMs);
  }
}

void SkinTimer::Stop() {
  active_ = false;
  timer_.stop();
  if (clock_ != nullptr) clock_->Remove(this);
  clock_ = nullptr;
}

std::uint32_t SkinTickCount() {
  if (currentClock != nullptr) return static_cast<std::uint32_t>(currentClock->Now());
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

SkinManualClock::SkinManualClock(long long start) : previous_(currentClock), now_(start) {
  currentClock = this;
}

SkinManualClock::~SkinManualClock() {
  for (SkinTimer* timer : timers_) timer->clock_ = nullptr;
  currentClock = previous_;
}

SkinManualClock* SkinManualClock::Current() { return currentClock; }

void SkinManualClock::Add(SkinTimer* timer) { timers_.push_back(timer); }

void SkinManualClock::Remove(SkinTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void SkinManualClock::Advance(int ms) {
  const long long end = now_ + ms;
  for (;;) {
    // A tick may start, stop or delete timers, so the next one is looked up afresh each time.
    auto next =
        std::min_element(timers_.begin(), timers_.end(),
                         [](const SkinTimer* a, const SkinTimer* b) { return a->due_ < b->due_; });
    if (next == timers_.end() || (*next)->due_ > end) break;
    SkinTimer* timer = *next;
    now_ = timer->due_;
    timer->due_ += timer->interval_;
    emit timer->Tick();
  }
  now_ = end;
}
