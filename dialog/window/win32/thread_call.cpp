// Calls carried to a dialog's thread the platform's way: a message sent to
// the dialog's window, served by that thread's message loop, which keeps
// serving while the sender waits. A window that has gone gets nothing, and
// the call is dropped.
#include "dialog/window/thread_call.h"

#include <memory>

#include "dialog/window/dialog_window.h"
#include "dialog/window/win32/dialog_host.h"

namespace zaltor::win {

bool OnThreadOf(const DialogWindow& window) { return GetCurrentThreadId() == window.Host().ThreadId(); }

void RunOnThreadOf(DialogWindow& window, const std::function<void()>& call) {
  HWND handle = window.Host().Handle();
  if (handle != nullptr) SendMessageA(handle, kSentCallMessage, 0, reinterpret_cast<LPARAM>(&call));
}

void PostToThreadOf(DialogWindow& window, std::function<void()> call) {
  auto posted = std::make_unique<std::function<void()>>(std::move(call));
  HWND handle = window.Host().Handle();
  if (handle != nullptr && PostMessageA(handle, kPostedCallMessage, 0, reinterpret_cast<LPARAM>(posted.get()))) {
    posted.release();
  }
}

}  // namespace zaltor::win
