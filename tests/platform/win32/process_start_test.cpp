// Programs started by name on Windows, found through PATH as the runtime
// finds them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

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

// The editor gets the result file as one argument wherever the temporary
// directory is, a user's name with a blank in it included.
TEST(WindowsStartProcess, AnArgumentWithABlankReachesTheProgramWhole) {
  char temp[MAX_PATH] = {};
  ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
  const std::string directory = std::string(temp) + "zaltor start test";
  CreateDirectoryA(directory.c_str(), nullptr);
  const std::string made = directory + "\\made by copy.txt";
  DeleteFileA(made.c_str());
  const char* const argv[] = {"cmd", "/c", "copy", "nul", made.c_str(), nullptr};
  ASSERT_EQ(StartProcess(argv), 0);
  bool found = false;
  for (int wait = 0; wait < 100 && !found; ++wait) {
    found = GetFileAttributesA(made.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!found) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_TRUE(found) << made;
  DeleteFileA(made.c_str());
  RemoveDirectoryA(directory.c_str());
}

}  // namespace
}  // namespace zaltor
