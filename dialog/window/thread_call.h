// Carrying a call to the thread that owns a window. A control may be read or
// changed from any thread: the call runs on the window's thread, and the
// caller waits for it there, while that thread keeps serving its events.
#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <type_traits>
#include <utility>

namespace zaltor::win {

// Runs call on object's thread and waits until it has run there, or has been
// dropped unrun because the object went first, as Qt drops a call to a
// deleted object.
void RunOnThreadOf(QObject* object, const std::function<void()>& call);

// Queues call for object's thread and returns at once; dropped likewise.
void PostToThreadOf(QObject* object, std::function<void()> call);

// Runs call on object's thread and returns its result. On that thread itself
// it runs at once. The object's thread must never be waiting for the caller.
template <class Call>
auto CallOnThreadOf(QObject* object, Call&& call) -> decltype(call()) {
  using Result = decltype(call());
  if (QThread::currentThread() == object->thread()) return call();
  if constexpr (std::is_void_v<Result>) {
    RunOnThreadOf(object, [&call] { call(); });
  } else {
    Result result{};
    RunOnThreadOf(object, [&call, &result] { result = call(); });
    return result;
  }
}

}  // namespace zaltor::win
