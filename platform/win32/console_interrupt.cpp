#include "platform/console_interrupt.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>

namespace zaltor {

namespace {

std::atomic<int> interrupts{0};
void (*stopSearch)() = nullptr;

// Console control handlers run on a thread of their own, so stop may take
// locks.
BOOL WINAPI OnControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (interrupts.fetch_add(1) == 0) {
    stopSearch();
    return TRUE;
  }
  std::_Exit(130);
}

}  // namespace

void WatchForInterrupt(void (*stop)()) {
  stopSearch = stop;
  SetConsoleCtrlHandler(OnControl, TRUE);
}

}  // namespace zaltor
