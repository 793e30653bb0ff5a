// zaltor-cli run by an ordinary user over directories and files it may not
// enter or read. As root the test drops to an ordinary user with setpriv.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reliability/child_process.h"
#include "support/cli_run.h"
#include "support/temp_tree.h"

namespace zaltor::testing {
namespace {

// zaltor-cli is built beside the test programs.
std::string CliPath() {
  std::error_code ignored;
  return (std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path() / "zaltor-cli").string();
}

// Runs zaltor-cli as an ordinary user, C: mapped onto the tree, with the
// answers on standard input.
CliRun RunAsOrdinaryUser(const TempTree& tree, const std::vector<std::string>& args, const std::string& input) {
  std::string prefix;
  if (geteuid() == 0) {
    prefix = "setpriv --reuid=" + std::to_string(kOrdinaryUser) + " --regid=" + std::to_string(kOrdinaryUser) +
             " --clear-groups ";
  }
  return RunCliOnTree(CliPath(), tree, args, input, prefix);
}

// The result lines: what follows the header's blank line (the header holds
// the real time of the run).
std::string Body(const std::string& result) {
  std::size_t start = result.find("\n\n");
  return start == std::string::npos ? result : result.substr(start + 2);
}

TEST(ReliabilityPermissions, UnenterableDirectoriesAreAskedAboutAndUnreadableFilesAreNoMatch) {
  if (!std::filesystem::exists(CliPath())) GTEST_SKIP() << "zaltor-cli is not built beside the tests";
  TempTree tree;
  tree.File("top/plain.txt", "needle");
  tree.File("top/secret.txt", "needle");
  tree.File("top/open/y.txt", "needle");
  tree.File("top/shut/x.txt", "needle");
  tree.File("top/unlisted/w.txt", "needle");
  chmod(tree.root().c_str(), 0755);
  chmod(tree.Path("top/secret.txt").c_str(), 0);
  chmod(tree.Path("top/shut").c_str(), 0);
  // May be entered, but not listed.
  chmod(tree.Path("top/unlisted").c_str(), 0111);

  // The walk visits top, then unlisted, shut and open: shut's question
  // comes before the last directory change, which succeeds.
  CliRun content = RunAsOrdinaryUser(tree, {"/fp", "C:\\top\\*.txt", "/r", "/sp", "needle"}, "y\n");
  EXPECT_EQ(content.exitCode, 0);
  EXPECT_EQ(content.err, "Cannot change to directory 'C:\\top\\shut'!\nContinue?\n");
  EXPECT_EQ(Body(content.out), "C:\\top\\plain.txt\nC:\\top\\open\\y.txt\n" +
                                   std::string("\nA total of 2 files found based on criteria specified.\n"
                                               "A total of 4 directories searched/visited.\n"));
  EXPECT_EQ(content.out.find("Error:"), std::string::npos);

  // By name the unreadable file is found like any other.
  CliRun names = RunAsOrdinaryUser(tree, {"/fp", "C:\\top\\*.txt", "/r"}, "y\n");
  EXPECT_EQ(names.exitCode, 0);
  EXPECT_EQ(Body(names.out), "C:\\top\\plain.txt\nC:\\top\\secret.txt\nC:\\top\\open\\y.txt\n" +
                                 std::string("\nA total of 3 files found based on criteria specified.\n"
                                             "A total of 4 directories searched/visited.\n"));

  // No to the question stops the search.
  CliRun stopped = RunAsOrdinaryUser(tree, {"/fp", "C:\\top\\*.txt", "/r"}, "n\n");
  EXPECT_EQ(stopped.exitCode, 2);
  EXPECT_EQ(stopped.err, "Cannot change to directory 'C:\\top\\shut'!\nContinue?\n");
  EXPECT_EQ(stopped.out.find("open"), std::string::npos);
}

TEST(ReliabilityPermissions, AnUnenterableDirectoryVisitedLastMakesTheResultSix) {
  if (!std::filesystem::exists(CliPath())) GTEST_SKIP() << "zaltor-cli is not built beside the tests";
  TempTree tree;
  tree.File("top/a-shut/x.txt");
  tree.File("top/b-open/y.txt");
  chmod(tree.root().c_str(), 0755);
  chmod(tree.Path("top/a-shut").c_str(), 0);
  CliRun run = RunAsOrdinaryUser(tree, {"/fp", "C:\\top\\*.txt", "/r"}, "y\n");
  EXPECT_EQ(run.exitCode, 6);
  EXPECT_EQ(run.err, "Cannot change to directory 'C:\\top\\a-shut'!\nContinue?\n");
  EXPECT_EQ(Body(run.out), "C:\\top\\b-open\\y.txt\n" +
                               std::string("\nA total of 1 files found based on criteria specified.\n"
                                           "A total of 3 directories searched/visited.\n"));
}

}  // namespace
}  // namespace zaltor::testing
