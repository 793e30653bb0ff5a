// The cross-host cases on the Windows build of zaltor-cli, run under Wine
// with drives M: and N: linked onto the test's trees, and the batch file
// run by the real command interpreter.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "hosts/case_runner.h"

namespace zaltor::testing {
namespace {

// A program named in the environment, else where scripts/build-windows puts it.
std::string PathFromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : fallback;
}

class WineCli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string exe = PathFromEnvironment("ZALTOR_WINDOWS_CLI", ZALTOR_WINDOWS_CLI_PATH);
    if (!std::filesystem::exists(exe) || std::system("command -v wine >/dev/null") != 0) {
      return;
    }
    windowsCli = exe;
    prefixHome = std::make_unique<TempTree>();
    prefix = prefixHome->Path("prefix");
    std::system((Environment() + " wineboot -i >/dev/null 2>&1").c_str());
    // Keep the server up between the runs of the suite: it starts slowly.
    std::system((Environment() + " wineserver -p >/dev/null 2>&1").c_str());
  }

  static void TearDownTestSuite() {
    // Gone before its prefix, the server cannot serve a new one given the same inode.
    if (!prefix.empty()) std::system((Environment() + " wineserver -k; " + Environment() + " wineserver -w").c_str());
    prefixHome.reset();
    prefix.clear();
  }

  void SetUp() override {
    if (prefix.empty()) GTEST_SKIP() << "the Windows zaltor-cli.exe or wine is missing";
  }

  static std::string Environment() {
    return "WINEPREFIX=" + ShellQuote(prefix) + " WINEDEBUG=-all TZ=UTC";
  }

  // Points drive letter at the host directory.
  static void MapDrive(char letter, const std::string& directory) {
    std::filesystem::path link = prefix + "/dosdevices/" + std::string(1, letter) + ":";
    std::filesystem::remove(link);
    std::filesystem::create_directory_symlink(directory, link);
  }

  static std::string CommandFor(const TempTree& tree, const TempTree& output) {
    MapDrive('m', tree.root());
    MapDrive('n', output.root());
    return Environment() + " timeout 120 wine " + ShellQuote(windowsCli);
  }

  // Runs the batch file with cmd and returns what it printed.
  static std::string RunBatch(const TempTree& output, const std::string& batch) {
    std::string command = Environment() + " timeout 120 wine cmd /c " + ShellQuote(batch) + " >" +
                          ShellQuote(output.Path("cmd.out")) + " 2>&1 </dev/null";
    std::system(command.c_str());
    return output.Read("cmd.out");
  }

  static std::string windowsCli;
  static std::string prefix;
  static std::unique_ptr<TempTree> prefixHome;
};

// Whether the interpreter's output holds a line that only an injected
// "echo INJECTED" prints; its error messages quote the names themselves.
bool PrintedInjected(const std::string& output) {
  std::size_t start = 0;
  while (start <= output.size()) {
    std::size_t end = output.find('\n', start);
    std::string line = output.substr(start, end == std::string::npos ? end : end - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line == "INJECTED") return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

std::string WineCli::windowsCli;
std::string WineCli::prefix;
std::unique_ptr<TempTree> WineCli::prefixHome;

TEST_F(WineCli, EveryCaseGivesTheSameFilesAsOnLinux) {
  for (const CliCase& c : CliCases()) RunAndCheckCase(c, CommandFor);
}

TEST_F(WineCli, NamePatternsFindWhatLinuxFindsOrWinesOwnAnswer) {
  RunAndCheckNameCases(NameRules::kWine, CommandFor);
}

TEST_F(WineCli, HostNeutralUnitTestsPassOnWindows) {
  const std::string tests = PathFromEnvironment("ZALTOR_WINDOWS_TESTS", ZALTOR_WINDOWS_TESTS_PATH);
  if (!std::filesystem::exists(tests)) GTEST_SKIP() << tests << " is missing";
  TempTree output;
  std::string command = Environment() + " timeout 300 wine " + ShellQuote(tests) + " >" +
                        ShellQuote(output.Path("log")) + " 2>&1";
  int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output.Read("log");
}

TEST_F(WineCli, BatchFileOfHostileNamesRunsNothingThatWasNotAsked) {
  TempTree tree;
  TempTree output;
  tree.File("q/a&echo INJECTED&b.zzz");
  tree.File("q/(x)|echo INJECTED.zzz");
  tree.File("q/100%PATH%.zzz");
  std::string command = CommandFor(tree, output) +
                        " /fp 'M:\\q\\*.zzz' /of 'N:\\result.txt' /bf 'N:\\batch.bat' >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string printed = RunBatch(output, "N:\\batch.bat");
  EXPECT_FALSE(PrintedInjected(printed)) << printed;
  EXPECT_NE(printed.find("100%PATH%.zzz"), std::string::npos) << printed;

  // The same line unquoted does run the command, so the check above can fail.
  tree.File("unsafe.bat", "@echo off\r\nM:\\q\\a&echo INJECTED&b.zzz\r\n");
  EXPECT_TRUE(PrintedInjected(RunBatch(output, "M:\\unsafe.bat")));
}

}  // namespace
}  // namespace zaltor::testing
