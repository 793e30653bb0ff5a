// The dialog's tests built for Windows, run under Wine on a virtual X display
// of their own, in Wine's virtual desktop: without a window manager Wine
// waits two seconds for each window it hides, and a crash must end the run
// rather than wait for a debugger.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "support/cli_run.h"
#include "support/temp_tree.h"
#include "wine/wine_support.h"

namespace zaltor::testing {
namespace {

TEST(WineDialogSuite, TheDialogsTestsPassOnWindows) {
  const char* named = std::getenv("ZALTOR_WINDOWS_DIALOG_TESTS");
  const std::string tests = named != nullptr ? named : ZALTOR_WINDOWS_DIALOG_TESTS_PATH;
  if (!std::filesystem::exists(tests) || Shell("{ command -v wine && command -v Xvfb; } >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "the Windows zaltor_dialog_tests.exe, wine or Xvfb is missing";
  }
  const auto started = std::chrono::steady_clock::now();
  VirtualDisplay display;
  ASSERT_FALSE(display.name.empty()) << "Xvfb did not start";
  TempTree home;
  const std::string wine = "DISPLAY=" + display.name + " WINEPREFIX=" + ShellQuote(home.Path("prefix")) +
                           " WINEDEBUG=-all WINEDLLOVERRIDES=winedbg.exe=d ";
  // The desktop setting is read when the prefix's desktop starts: the
  // server goes once it is written, and the next start uses it.
  Shell(wine + "wineboot -i >/dev/null 2>&1");
  Shell(wine + "wine reg add 'HKCU\\Software\\Wine\\Explorer' /v Desktop /d Default /f >/dev/null 2>&1");
  Shell(wine + "wine reg add 'HKCU\\Software\\Wine\\Explorer\\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1");
  Shell(wine + "wineserver -k; " + wine + "wineserver -w");
  const auto prepared = std::chrono::steady_clock::now();

  const int status = Shell(wine + "timeout 300 wine " + ShellQuote(tests) + " >" + ShellQuote(home.Path("log")) + " 2>&1");
  Shell(wine + "wineserver -k >/dev/null 2>&1; " + wine + "wineserver -w");
  const std::string log = home.Read("log");
  EXPECT_EQ(status, 0) << log;
  // What was skipped, and why, shows in this test's output, in words of
  // its own: CTest takes GoogleTest's mark for a skip of this test.
  std::istringstream lines(log);
  std::string previous;
  for (std::string line; std::getline(lines, line); previous = line) {
    if (line.rfind("[  SKIPPED ] ", 0) == 0 && line.find(" ms)") != std::string::npos) {
      std::printf("skipped on Windows: %s: %s\n", line.substr(13, line.find(" (") - 13).c_str(), previous.c_str());
    }
  }
  using std::chrono::duration_cast;
  using std::chrono::seconds;
  std::printf("[ figure ] zaltor_dialog_tests.exe under Wine: prefix and display %lld s, tests %lld s\n",
              static_cast<long long>(duration_cast<seconds>(prepared - started).count()),
              static_cast<long long>(duration_cast<seconds>(std::chrono::steady_clock::now() - prepared).count()));
}

}  // namespace
}  // namespace zaltor::testing
