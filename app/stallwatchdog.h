#pragma once
// A watchdog over the interface thread, for soak runs: it notes on stderr every time the event
// loop could not run for longer than a limit, with how long it was held up. A heartbeat timer on
// the interface thread measures the gaps between its ticks; a thread of its own notes a loop that
// stays held up (a deadlock) while it lasts, since no tick would ever report it.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

class StallWatchdog : public QObject {
 public:
  // Receives each note, one line without its end.
  using Report = std::function<void(const QString&)>;

  // Watches the thread the watchdog is created on, from the first turn of its event loop.
  StallWatchdog(std::chrono::milliseconds limit, Report report, QObject* parent = nullptr);
  ~StallWatchdog() override;

  // Starts a watchdog reporting on stderr when GRAPHITINE_WATCHDOG_MS holds a positive number of
  // milliseconds; nothing otherwise. It lives as long as the parent.
  static void InstallFromEnvironment(QObject* parent);

 private:
  void Tick();
  void Watch(const std::stop_token& stop);

  const std::chrono::milliseconds limit_;
  const std::chrono::milliseconds period_;
  const Report report_;
  QTimer heartbeat_;
  QElapsedTimer clock_;
  qint64 lastTick_ = -1;  // interface thread only; none yet: the wait for the loop to start is
                          // not a stall
  std::atomic<std::int64_t> beat_{0};  // the last tick's time, for the watching thread
  std::jthread watcher_;
};
