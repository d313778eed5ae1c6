#include "app/stallwatchdog.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

using std::chrono::milliseconds;

// Collects the watchdog's notes, which come from the interface thread and the watching thread.
class Notes {
 public:
  StallWatchdog::Report Sink() {
    return [this](const QString& line) {
      const std::lock_guard<std::mutex> hold(lock_);
      lines_.append(line);
    };
  }
  QStringList Lines() const {
    const std::lock_guard<std::mutex> hold(lock_);
    return lines_;
  }

 private:
  mutable std::mutex lock_;
  QStringList lines_;
};

// The milliseconds a note gives.
int Length(const QString& line) {
  const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("(\\d+) ms")).match(line);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Lets the event loop turn until the watchdog has ticked at least once.
void LetItStart() { QTest::qWait(50); }

TEST(StallWatchdogTest, ABlockedEventLoopIsNotedWithHowLongItWasHeldUp) {
  Notes notes;
  StallWatchdog watchdog(milliseconds(100), notes.Sink());
  LetItStart();
  std::this_thread::sleep_for(milliseconds(400));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !notes.Lines().isEmpty(); }, 1000));
  const QStringList lines = notes.Lines();
  ASSERT_EQ(lines.size(), 1) << lines.join(u'\n').toStdString();
  EXPECT_TRUE(lines.first().contains(QStringLiteral("blocked for")));
  // The sleep less one heartbeat period at most, and never the whole time the test ran.
  EXPECT_GE(Length(lines.first()), 370);
  EXPECT_LT(Length(lines.first()), 2000);
}

// A loop that never turns again gives no tick to measure from: the watching thread notes it
// while it lasts, once.
TEST(StallWatchdogTest, ALoopHeldUpForLongIsNotedWhileItLasts) {
  Notes notes;
  StallWatchdog watchdog(milliseconds(10), notes.Sink());
  LetItStart();
  std::this_thread::sleep_for(milliseconds(800));
  const QStringList whileHeld = notes.Lines();
  ASSERT_EQ(whileHeld.size(), 1) << whileHeld.join(u'\n').toStdString();
  EXPECT_TRUE(whileHeld.first().contains(QStringLiteral("so far")));
  EXPECT_GE(Length(whileHeld.first()), 250);
}

}  // namespace
