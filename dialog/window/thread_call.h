// Carrying a call to the thread that owns a window. A control may be read or
// changed from any thread: the call runs on the window's thread, and the
// caller waits for it there, while that thread keeps serving its events.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <type_traits>
#include <utility>

namespace zaltor::win {

// Runs call on object's thread and returns its result. On that thread itself
// it runs at once. The object's thread must never be waiting for the caller.
template <class Call>
auto CallOnThreadOf(QObject* object, Call&& call) -> decltype(call()) {
  using Result = decltype(call());
  if (QThread::currentThread() == object->thread()) return call();
  if constexpr (std::is_void_v<Result>) {
    QMetaObject::invokeMethod(object, std::forward<Call>(call), Qt::BlockingQueuedConnection);
  } else {
    Result result{};
    QMetaObject::invokeMethod(object, [&] { result = call(); }, Qt::BlockingQueuedConnection);
    return result;
  }
}

}  // namespace zaltor::win
