#include "dialog/window/thread_call.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "dialog/window/dialog_window.h"
#include "dialog/window/qt/dialog_host.h"
#include "dialog/window/qt/object_thread_call.h"

namespace zaltor::win {

namespace {

// The caller waits on a mutex and condition variable of our own rather than
// on Qt's blocking connection. The two wait the same way, but Qt is not built
// for ThreadSanitizer, which could then not see that everything the caller
// wrote comes before the call, and everything the call wrote before the
// caller goes on; with these it can.
struct Handoff {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;

  void Finish() {
    {
      std::lock_guard<std::mutex> lock(mutex);
      done = true;
    }
    finished.notify_one();
  }
};

// Taken by the caller once its event is built and by the receiver before it
// looks at any event, so that the event's making comes before its reading.
std::mutex publishMutex;

const QEvent::Type kCallEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class CallEvent : public QEvent {
 public:
  // Without a handoff nobody waits for the call.
  CallEvent(QObject* target, std::function<void()> call, std::shared_ptr<Handoff> handoff)
      : QEvent(kCallEvent), target(target), call(std::move(call)), handoff(std::move(handoff)) {}
  // A call is dropped unrun when its object has gone before its turn came,
  // or when Qt discards the event; a waiting caller is released either way.
  ~CallEvent() override {
    if (!ran && handoff != nullptr) handoff->Finish();
  }
  CallEvent(const CallEvent&) = delete;
  CallEvent& operator=(const CallEvent&) = delete;

  // On the target's thread, which alone may delete the target.
  void Run() {
    if (target.isNull()) return;
    ran = true;
    call();
    if (handoff != nullptr) handoff->Finish();
  }

 private:
  QPointer<QObject> target;
  std::function<void()> call;
  std::shared_ptr<Handoff> handoff;
  bool ran = false;
};

// Lives on the target thread for one call, and goes when it has run it.
class CallReceiver : public QObject {
 protected:
  bool event(QEvent* event) override {
    { std::lock_guard<std::mutex> lock(publishMutex); }
    if (event->type() != kCallEvent) return QObject::event(event);
    static_cast<CallEvent*>(event)->Run();
    deleteLater();
    return true;
  }
};

void PostCall(QObject* object, std::function<void()> call, std::shared_ptr<Handoff> handoff) {
  auto* receiver = new CallReceiver;
  receiver->moveToThread(object->thread());
  auto* event = new CallEvent(object, std::move(call), std::move(handoff));
  { std::lock_guard<std::mutex> publish(publishMutex); }
  QCoreApplication::postEvent(receiver, event);
}

}  // namespace

void RunOnObjectThread(QObject* object, const std::function<void()>& call) {
  auto handoff = std::make_shared<Handoff>();
  std::unique_lock<std::mutex> lock(handoff->mutex);
  PostCall(object, call, handoff);
  handoff->finished.wait(lock, [&handoff] { return handoff->done; });
}

void PostToObjectThread(QObject* object, std::function<void()> call) { PostCall(object, std::move(call), nullptr); }

bool OnThreadOf(const DialogWindow& window) { return QThread::currentThread() == window.Host().thread(); }

void RunOnThreadOf(DialogWindow& window, const std::function<void()>& call) { RunOnObjectThread(&window.Host(), call); }

void PostToThreadOf(DialogWindow& window, std::function<void()> call) {
  PostToObjectThread(&window.Host(), std::move(call));
}

}  // namespace zaltor::win
