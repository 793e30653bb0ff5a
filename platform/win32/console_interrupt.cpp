#include "cli/interrupt.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>

#include "engine/front_end.h"

namespace zaltor {

namespace {

std::atomic<int> interrupts{0};

// Console control handlers run on a thread of their own, so taking the
// running flag's mutex here is safe.
BOOL WINAPI OnControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (interrupts.fetch_add(1) == 0) {
    SetRunning(0);
    return TRUE;
  }
  std::_Exit(130);
}

}  // namespace

void WatchForInterrupt() { SetConsoleCtrlHandler(OnControl, TRUE); }

}  // namespace zaltor
