#include "app/stallwatchdog.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <utility>

namespace {

// A loop held up this many limits is noted while it lasts, once.
constexpr int kHangLimits = 25;

void ToStandardError(const QString& line) {
  std::fprintf(stderr, "graphitine: %s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
}

}  // namespace

StallWatchdog::StallWatchdog(std::chrono::milliseconds limit, Report report, QObject* parent)
    : QObject(parent),
      limit_(limit),
      period_(std::max<std::chrono::milliseconds>(limit / 4, std::chrono::milliseconds(1))),
      report_(std::move(report)) {
  clock_.start();
  heartbeat_.setTimerType(Qt::PreciseTimer);
  heartbeat_.setInterval(period_);
  connect(&heartbeat_, &QTimer::timeout, this, [this] { Tick(); });
  heartbeat_.start();
  watcher_ = std::jthread([this](const std::stop_token& stop) { Watch(stop); });
}

StallWatchdog::~StallWatchdog() {
  watcher_.request_stop();
  watcher_.join();
}

void StallWatchdog::Tick() {
  const qint64 now = clock_.elapsed();
  const qint64 late = now - lastTick_ - period_.count();
  const bool first = lastTick_ < 0;
  lastTick_ = now;
  beat_.store(now, std::memory_order_relaxed);
  if (!first && late > limit_.count())
    report_(QStringLiteral("the interface thread was blocked for %1 ms").arg(late));
}

void StallWatchdog::Watch(const std::stop_token& stop) {
  std::mutex lock;
  std::condition_variable_any wake;
  std::unique_lock<std::mutex> hold(lock);
  std::int64_t reportedBeat = -1;
  for (;;) {
    wake.wait_for(hold, stop, limit_, [] { return false; });
    if (stop.stop_requested()) return;
    const std::int64_t beat = beat_.load(std::memory_order_relaxed);
    const qint64 silent = clock_.elapsed() - beat;
    if (silent > kHangLimits * limit_.count() && beat != reportedBeat) {
      reportedBeat = beat;
      report_(QStringLiteral("the interface thread has been blocked for %1 ms so far").arg(silent));
    }
  }
}

void StallWatchdog::InstallFromEnvironment(QObject* parent) {
  bool number = false;
  const int limit = qEnvironmentVariableIntValue("GRAPHITINE_WATCHDOG_MS", &number);
  if (!number || limit <= 0) return;
  new StallWatchdog(std::chrono::milliseconds(limit), ToStandardError, parent);
}
