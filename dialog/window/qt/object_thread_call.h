// Carrying a call to the thread of a Qt object: what the window layer's
// calls to a dialog's thread are made of on Qt.
#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <type_traits>

namespace zaltor::win {

// Runs call on object's thread and waits until it has run there, or has been
// dropped unrun because the object went first, as Qt drops a call to a
// deleted object.
void RunOnObjectThread(QObject* object, const std::function<void()>& call);

// Queues call for object's thread and returns at once; dropped likewise.
void PostToObjectThread(QObject* object, std::function<void()> call);

// Runs call on object's thread and returns its result; on that thread itself
// at once.
template <class Call>
auto CallOnObjectThread(QObject* object, Call&& call) -> decltype(call()) {
  using Result = decltype(call());
  if (QThread::currentThread() == object->thread()) return call();
  if constexpr (std::is_void_v<Result>) {
    RunOnObjectThread(object, [&call] { call(); });
  } else {
    Result result{};
    RunOnObjectThread(object, [&call, &result] { result = call(); });
    return result;
  }
}

}  // namespace zaltor::win
