// What both hosts' message boxes share: the request and the scripted answerer.
#include "dialog/window/message_box.h"

#include <mutex>
#include <utility>

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

MessageBoxRequest MakeMessageBoxRequest(DialogWindow* owner, const char* text, const char* caption,
                                        unsigned style) {
  MessageBoxRequest request;
  request.text = text != nullptr ? text : "";
  request.caption = caption != nullptr ? caption : ApplicationName();
  request.style = style;
  request.owner = owner;
  return request;
}

}  // namespace zaltor::win
