// Message boxes with the Win32 style bits and answer codes of
// platform/message_box_codes.h. A box may be asked for from any thread: it is
// shown on its owner's thread (the application's when there is no owner) and
// the caller waits for the answer.
#pragma once

#include <functional>
#include <string>

#include "platform/message_box_codes.h"

namespace zaltor::win {

class DialogWindow;

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  unsigned style = 0;
  DialogWindow* owner = nullptr;
};

// Replaces the boxes by a function that answers them; it runs on the thread
// the box would have been shown on. An empty function restores the boxes.
using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
// The function set above, or an empty one: each host asks it before it
// shows a box.
MessageBoxAnswerer CurrentMessageBoxAnswerer();

// A box's request; without a caption of its own it carries the application's name.
MessageBoxRequest MakeMessageBoxRequest(DialogWindow* owner, const char* text, const char* caption,
                                        unsigned style);

// Shows the box and returns the answer code.
int MessageBox(DialogWindow* owner, const char* text, const char* caption, unsigned style);

// The application's name: the program file's name without directory and
// extension. Boxes without a caption of their own carry it.
std::string ApplicationName();

// A box with the application's name as caption, owned by the active window.
int AppMessageBox(const char* text, unsigned style);

}  // namespace zaltor::win
