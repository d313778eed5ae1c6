#pragma once
// A repeating interval timer for the controls' auto-repeat (held buttons, held track bars),
// window slides and the notice window's stay, with a time source that tests can replace: while a
// SkinManualClock exists, every SkinTimer started runs on it and ticks only when the clock is
// advanced, and SkinTickCount reads its time.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <vector>

class SkinManualClock;

class SkinTimer : public QObject {
  Q_OBJECT

 public:
  explicit SkinTimer(QObject* parent = nullptr);
  ~SkinTimer() override;

  // Ticks every interval milliseconds, the first time one interval after the start. An interval
  // of 0 or less never ticks, like the toolkit timer the controls were drawn up for.
  void Start(int intervalMs);
  void Stop();
  bool IsActive() const { return active_; }
  int Interval() const { return interval_; }

 signals:
  void Tick();

 private:
  friend class SkinManualClock;
  QTimer timer_;
  SkinManualClock* clock_ = nullptr;  // the clock driving this timer, when there is one
  long long due_ = 0;                 // the clock's time of the next tick
  int interval_ = 0;
  bool active_ = false;
};

// Milliseconds since an arbitrary start, wrapping at 2^32 like the platform's tick counter: the
// difference of two readings, taken as a signed 32-bit number, is the time between them.
std::uint32_t SkinTickCount();

// Replaces real time for the timers started during its lifetime. Advance(ms) moves the time on
// and fires, in time order, every tick that falls due up to the new time (ties in the order the
// timers were started). The time starts at `start`, so that a test can begin just before the
// tick counter wraps.
class SkinManualClock {
 public:
  explicit SkinManualClock(long long start = 0);
  ~SkinManualClock();
  SkinManualClock(const SkinManualClock&) = delete;
  SkinManualClock& operator=(const SkinManualClock&) = delete;

  void Advance(int ms);
  long long Now() const { return now_; }
  static SkinManualClock* Current();

 private:
  friend class SkinTimer;
  void Add(SkinTimer* timer);
  void Remove(SkinTimer* timer);

  SkinManualClock* previous_;
  long long now_ = 0;
  std::vector<SkinTimer*> timers_;
};
