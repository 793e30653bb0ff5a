// Programs started by name on Windows, found through PATH as the runtime
// finds them.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/process_start.h"

namespace zaltor {
namespace {

TEST(WindowsStartProcess, AProgramOnThePathIsFoundAtEveryStart) {
  const char* const argv[] = {"cmd", "/c", "exit", nullptr};
  // The editor is started twice in a row after a search: batch file, then result file.
  for (int start = 0; start < 3; ++start) EXPECT_EQ(StartProcess(argv), 0) << start;
  const char* const missing[] = {"no-such-program-here", nullptr};
  EXPECT_EQ(StartProcess(missing), ENOENT);
}

}  // namespace
}  // namespace zaltor
