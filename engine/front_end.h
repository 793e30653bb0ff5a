// The front-end channel: the only way the engine reaches the user. The
// dialog, the command line and the tests each implement FrontEnd; the engine
// talks to whichever one activeDialog points at.
#pragma once

#include <mutex>

#include "platform/message_box_codes.h"

namespace zaltor {

// The styles of the engine's boxes.
constexpr unsigned kStyleError = kMbIconHand;                     // 16
constexpr unsigned kStyleErrorQuestion = kMbIconHand | kMbYesNo;  // 20
constexpr unsigned kStyleStopQuestion = kMbIconQuestion | kMbYesNo;  // 36

// Control ids the engine asks the front end to focus.
constexpr int kControlDate = 1002;
constexpr int kControlTime = 1007;
constexpr int kControlSize = 1029;

// The running flag both threads share, always read and written under its
// mutex and never held while doing anything else.
class SearchControl {
 public:
  void SetRunning(int value);
  // The value set last: 1 while a search may go on, 0 once it is to stop.
  int SearchIsRunning();

 private:
  std::mutex mutex;
  int running = 0;
};

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // A message box with the program's caption; returns the answer code.
  virtual int DialogMessageBox(const char* text, unsigned style) = 0;
  // Shows text in the status line.
  virtual void SetStatusText(const char* text) = 0;
  // Moves the focus to the field of a rejected value.
  virtual void FocusControl(int controlId) = 0;

  SearchControl searchControl;
};

// The one front end of the process; set by the front end's constructor.
extern FrontEnd* activeDialog;

// The channel operations as the engine calls them. A missing text shows
// nothing (DialogMessageBox then answers 1); without an active front end the
// box answers 1, the status and focus requests are dropped and the search is
// not running.
int DialogMessageBox(const char* text, unsigned style);
void SetStatusText(const char* text);
void FocusControl(int controlId);
void SetRunning(int value);
int SearchIsRunning();

}  // namespace zaltor
