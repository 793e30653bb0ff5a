// Helpers for the dialog tests: environment variables set for one test,
// scripted message boxes, a program that records how it was started, and
// waiting on the dialog's thread while another thread works.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "dialog/window/message_box.h"
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

// A shell script that writes its arguments, one a line, into a file of its
// own per start (record.1, record.2 ...) below dir.
class RecordingProgram {
 public:
  RecordingProgram();
  const std::string& Path() const { return path; }
  // The arguments of each start so far, in the order of the starts.
  std::vector<std::vector<std::string>> Starts() const;
  // Waits until count starts have been recorded.
  bool WaitForStarts(std::size_t count) const;

 private:
  TempTree dir;
  std::string path;
};

}  // namespace zaltor::testing
