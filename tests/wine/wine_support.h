// What the tests under Wine share: shell commands, waiting for what Wine does
// in its own time, and an X display of their own.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>

namespace zaltor::testing {

// The shell command's exit status; -1 when it did not exit.
int Shell(const std::string& command);

// What the shell command wrote to its standard output.
std::string Output(const std::string& command);

// Asks done every quarter second until it holds; false if it did not
// within limit.
bool WaitFor(const std::function<bool()>& done, std::chrono::seconds limit);

// An Xvfb server that picks a display number nobody uses and says which
// once it serves; stopped when this goes.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  std::string name;  // empty when no server started

 private:
  pid_t server = -1;
};

}  // namespace zaltor::testing
