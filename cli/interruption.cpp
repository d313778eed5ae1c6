#include "cli/interruption.h"

#include <pthread.h>

#include <csignal>
#include <thread>

#include "sketch/temporaryfiles.h"

namespace graphitine::cli {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

[[noreturn]] void EndBy(int signal) {
  RemoveTemporaryFilesBeforeExit();
  std::signal(signal, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  std::raise(signal);
  std::_Exit(128 + signal);  // not reached: the signal's default action ends the process
}

}  // namespace

void RemoveTemporaryFilesOnSignals() {
  sigset_t taken;
  sigemptyset(&taken);
  bool any = false;
  for (int signal : kSignals) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
      sigaddset(&taken, signal);
      any = true;
    }
  }
  if (!any || pthread_sigmask(SIG_BLOCK, &taken, nullptr) != 0) return;
  std::thread([taken] {
    int signal = 0;
    while (sigwait(&taken, &signal) != 0) {
    }
    EndBy(signal);
  }).detach();
}

}  // namespace graphitine::cli
