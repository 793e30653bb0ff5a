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

// Output files in a directory everyone may write, owned by another user (so
// the kernel's own guards for sticky directories, where enabled, do not
// apply): a link, a file of theirs, or a second name of a file of ours put
// there under the output name is refused for either file, and nothing is
// written through it; a file of our own there is written as usual.
TEST(ReliabilityPermissions, OutputFilesInASharedDirectoryNeverFollowALinkOrWriteAnotherUsersFile) {
  if (!std::filesystem::exists(CliPath())) GTEST_SKIP() << "zaltor-cli is not built beside the tests";
  if (geteuid() != 0) GTEST_SKIP() << "preparing another user's files needs root";
  constexpr uid_t kOtherUser = kOrdinaryUser - 1;
  TempTree tree;
  chmod(tree.root().c_str(), 0755);
  tree.File("home/mine.txt", "precious");
  tree.Dir("shared");
  ASSERT_EQ(chown(tree.Path("home/mine.txt").c_str(), kOrdinaryUser, kOrdinaryUser), 0);
  ASSERT_EQ(chown(tree.Path("shared").c_str(), kOtherUser, kOtherUser), 0);
  chmod(tree.Path("shared").c_str(), 01777);
  ASSERT_EQ(symlink(tree.Path("home/mine.txt").c_str(), tree.Path("shared/link").c_str()), 0);
  ASSERT_EQ(lchown(tree.Path("shared/link").c_str(), kOtherUser, kOtherUser), 0);
  tree.File("shared/theirs", "theirs");
  ASSERT_EQ(chown(tree.Path("shared/theirs").c_str(), kOtherUser, kOtherUser), 0);
  chmod(tree.Path("shared/theirs").c_str(), 0666);
  ASSERT_EQ(link(tree.Path("home/mine.txt").c_str(), tree.Path("shared/second").c_str()), 0);

  for (const char* trap : {"link", "theirs", "second"}) {
    const std::string path = std::string("C:\\shared\\") + trap;
    CliRun result = RunAsOrdinaryUser(tree, {"/fp", "C:\\home\\*.txt", "/of", path}, "");
    EXPECT_EQ(result.exitCode, 2) << trap;
    EXPECT_EQ(result.err, "Cannot create output file '" + path + "'.\n");
    CliRun batch = RunAsOrdinaryUser(tree, {"/fp", "C:\\home\\*.txt", "/bf", path}, "");
    EXPECT_EQ(batch.exitCode, 2) << trap;
    EXPECT_EQ(batch.err, "Cannot create batch file '" + path + "'.\n");
  }
  EXPECT_EQ(tree.Read("home/mine.txt"), "precious");
  EXPECT_EQ(tree.Read("shared/theirs"), "theirs");

  tree.File("shared/own.txt", std::string(2000, 'x'));
  ASSERT_EQ(chown(tree.Path("shared/own.txt").c_str(), kOrdinaryUser, kOrdinaryUser), 0);
  CliRun own = RunAsOrdinaryUser(
      tree, {"/fp", "C:\\home\\*.txt", "/of", "C:\\shared\\own.txt", "/bf", "C:\\shared\\new.bat"}, "");
  EXPECT_EQ(own.exitCode, 0) << own.err;
  EXPECT_EQ(Body(tree.Read("shared/own.txt")), "C:\\home\\mine.txt\n" +
                                                   std::string("\nA total of 1 files found based on criteria specified.\n"
                                                               "A total of 1 directories searched/visited.\n"));
  EXPECT_NE(tree.Read("shared/new.bat").find("C:\\home\\mine.txt\n"), std::string::npos);
}

}  // namespace
}  // namespace zaltor::testing
