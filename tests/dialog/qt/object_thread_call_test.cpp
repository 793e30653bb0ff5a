// Calls carried from a worker to the thread that owns an object.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "dialog/dialog_fixture.h"
#include "dialog/window/qt/object_thread_call.h"

namespace zaltor {
namespace {

using testing::ServeUntil;

TEST(ObjectThreadCallTest, ACallRunsOnTheObjectsThreadAndTheCallerGetsItsResult) {
  QObject target;
  QThread* ranOn = nullptr;
  int sideEffect = 0;
  int result = 0;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    result = win::CallOnObjectThread(&target, [&] {
      ranOn = QThread::currentThread();
      return 42;
    });
    win::CallOnObjectThread(&target, [&] { sideEffect = result + 1; });
    done.store(true);
  });
  ASSERT_TRUE(ServeUntil([&done] { return done.load(); }));
  worker.join();
  EXPECT_EQ(ranOn, QThread::currentThread());
  EXPECT_EQ(result, 42);
  EXPECT_EQ(sideEffect, 43);

  // On the object's own thread the call runs at once, with no event loop.
  EXPECT_EQ(win::CallOnObjectThread(&target, [] { return 5; }), 5);
}

// Deletes its victim when the first call reaches the application's thread,
// just before the call is delivered.
class DeleteBeforeDelivery : public QObject {
 public:
  explicit DeleteBeforeDelivery(QObject* victim) : victim(victim) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (victim != nullptr && event->type() >= QEvent::User) {
      delete victim;
      victim = nullptr;
    }
    return false;
  }

 private:
  QObject* victim;
};

TEST(ObjectThreadCallTest, ACallToAnObjectDeletedBeforeItsTurnIsDroppedAndTheCallerGoesOn) {
  auto* target = new QObject;
  DeleteBeforeDelivery filter(target);
  qApp->installEventFilter(&filter);
  bool ran = false;
  int result = -1;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    result = win::CallOnObjectThread(target, [&ran] {
      ran = true;
      return 7;
    });
    done.store(true);
  });
  ASSERT_TRUE(ServeUntil([&done] { return done.load(); }));
  worker.join();
  qApp->removeEventFilter(&filter);
  EXPECT_FALSE(ran);
  EXPECT_EQ(result, 0);
}

}  // namespace
}  // namespace zaltor
