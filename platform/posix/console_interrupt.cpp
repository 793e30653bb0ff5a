#include "platform/console_interrupt.h"

#include <signal.h>
#include <unistd.h>

#include <thread>

namespace zaltor {

void WatchForInterrupt(void (*stop)()) {
  // The signal is taken by a thread of its own with sigwait, so that the
  // stop runs on an ordinary thread and not in a handler.
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread([set, stop] {
    int signal = 0;
    sigwait(&set, &signal);
    stop();
    sigwait(&set, &signal);
    _exit(130);
  }).detach();
}

}  // namespace zaltor
