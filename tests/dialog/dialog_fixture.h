// Helpers for the dialog tests: environment variables set for one test,
// scripted message boxes, a program that records how it was started, and
// waiting on the dialog's thread while another thread works.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "dialog/window/dialog_window.h"
#include "dialog/window/message_box.h"
#include "platform/file_system.h"
#include "support/temp_tree.h"

namespace zaltor::testing {

// Sets or unsets variables and restores them when it goes.
class EnvironmentGuard {
 public:
  ~EnvironmentGuard();
  void Set(const char* name, const char* value);  // nullptr unsets
 private:
  std::map<std::string, std::optional<std::string>> saved;
};

// Answers every message box from a script, records each one with the thread
// it was answered on, and restores real boxes when it goes.
class ScriptedBoxes {
 public:
  ScriptedBoxes();
  ~ScriptedBoxes();
  // Answers in order; when they run out, the first button's answer.
  std::vector<int> answers;
  // Called for each box after recording it, on the answering thread.
  std::function<void(const win::MessageBoxRequest&)> onBox;

  struct Box {
    std::string text;
    std::string caption;
    unsigned style;
    std::thread::id thread;
  };
  std::vector<Box> Boxes();

 private:
  std::mutex mutex;
  std::vector<Box> boxes;
  std::size_t next = 0;
};

// Serves the dialog thread's events until done() holds or the time is up;
// false on time out.
bool ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(20));

// A program that writes its arguments, one a line, into a file of its own per
// start (record.1, record.2 ...) below dir, after a first line that orders
// the starts: a shell script on POSIX, a small program on Windows
// (host_support.cpp of each host).
class RecordingProgram {
 public:
  RecordingProgram();
  // What EDITOR names to start it.
  const std::string& Path() const { return path; }
  // The arguments of each start so far, in the order of the starts.
  std::vector<std::vector<std::string>> Starts() const;
  // Waits until count starts have been recorded.
  bool WaitForStarts(std::size_t count) const;

 private:
  TempTree dir;
  std::string path;
};

// What each host's host_support.cpp provides.

// Sets the variable in this process's environment; nullptr unsets it.
void SetVariable(const char* name, const char* value);

// The host's file system with drive C: standing for the host directory
// hostC where the host maps drives itself (POSIX); on Windows the drives are
// the system's and hostC is not used.
std::unique_ptr<FileSystem> HostDrivesOnto(const std::string& hostC);
// Presses Tab in the dialog as the user does; the id of the control that
// has the focus then.
int PressTab(win::DialogWindow& dialog);
// What the list of combo box id shows when it is dropped: how many items
// fit, whether it has a scroll bar for the rest, and whether the combo box's
// tooltip would show over it when the mouse rests there.
struct DroppedList {
  int items;
  bool scrolls;
  bool tip;
};
DroppedList DropList(win::DialogWindow& dialog, int id);

}  // namespace zaltor::testing
