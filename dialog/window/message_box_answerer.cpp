#include <mutex>
#include <utility>

#include "dialog/window/message_box.h"

namespace zaltor::win {

namespace {

// Set by a test on one thread, asked by the box's thread.
std::mutex answererMutex;
MessageBoxAnswerer scriptedAnswerer;

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
  std::lock_guard<std::mutex> lock(answererMutex);
  scriptedAnswerer = std::move(answerer);
}

MessageBoxAnswerer CurrentMessageBoxAnswerer() {
  std::lock_guard<std::mutex> lock(answererMutex);
  return scriptedAnswerer;
}

}  // namespace zaltor::win
