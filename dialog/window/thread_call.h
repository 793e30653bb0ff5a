// Carrying a call to the thread that owns a window. A control may be read or
// changed from any thread: the call runs on the window's thread, and the
// caller waits for it there, while that thread keeps serving its events.
#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace zaltor::win {

class DialogWindow;

// True on the thread that owns the window.
bool OnThreadOf(const DialogWindow& window);

// Runs call on the window's thread and waits until it has run there, or has
// been dropped unrun because the window went first.
void RunOnThreadOf(DialogWindow& window, const std::function<void()>& call);

// Queues call for the window's thread and returns at once; dropped likewise.
void PostToThreadOf(DialogWindow& window, std::function<void()> call);

// Runs call on the window's thread and returns its result. On that thread
// itself it runs at once. The window's thread must never be waiting for the
// caller.
template <class Call>
auto CallOnThreadOf(DialogWindow& window, Call&& call) -> decltype(call()) {
  using Result = decltype(call());
  if (OnThreadOf(window)) return call();
  if constexpr (std::is_void_v<Result>) {
    RunOnThreadOf(window, [&call] { call(); });
  } else {
    Result result{};
    RunOnThreadOf(window, [&call, &result] { result = call(); });
    return result;
  }
}

}  // namespace zaltor::win
