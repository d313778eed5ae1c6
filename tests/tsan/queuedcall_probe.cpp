// A program apart from Graphitine that shows what ThreadSanitizer makes of a call queued to
// another thread through Qt's event queue. The posting thread builds the call and queues it; the
// receiving thread runs it from turns of its event loop. Qt orders the two (the queue is taken
// under Qt's own mutex), and that is Qt's documented contract, but Qt is not instrumented: the
// sanitizer never sees that mutex and reports the call's captures as a data race between the
// thread that built them and the thread that runs them. There is no race here.
//
//   g++ -std=c++20 -g -fsanitize=thread -fPIC tests/tsan/queuedcall_probe.cpp \
//     $(pkg-config --cflags --libs Qt6Core) -o /tmp/queuedcall_probe && /tmp/queuedcall_probe
//
// reports "data race" (read in the queued lambda on the main thread, previous write by
// operator new in QMetaObject::invokeMethod on the posting thread); with
// TSAN_OPTIONS=suppressions=tests/tsan/tsan.supp it reports nothing.
#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  std::atomic<bool> answered = false;
  std::thread poster([&] {
    std::function<int()> question = [] { return 42; };
    QMetaObject::invokeMethod(
        &application,
        [question, &answered] {
          std::printf("%d\n", question());
          answered = true;
        },
        Qt::QueuedConnection);
  });
  // Turns of the event loop between short sleeps, as a test waiting for a condition does.
  while (!answered) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  poster.join();
  return 0;
}
