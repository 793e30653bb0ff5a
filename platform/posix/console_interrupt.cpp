#include "cli/interrupt.h"

#include <signal.h>
#include <unistd.h>

#include <thread>

#include "engine/front_end.h"

namespace zaltor {

void WatchForInterrupt() {
  // The signal is taken by a thread of its own with sigwait, so that the
  // stop goes through the running flag's mutex and not through a handler.
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread([set] {
    int signal = 0;
    sigwait(&set, &signal);
    SetRunning(0);
    sigwait(&set, &signal);
    _exit(130);
  }).detach();
}

}  // namespace zaltor
