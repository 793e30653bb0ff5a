// zaltor-cli as a user runs it: flags, questions on standard input, status
// lines, exit codes.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "cli/console_front_end.h"
#include "support/cli_run.h"
#include "support/temp_tree.h"

namespace zaltor::testing {
namespace {

// Runs zaltor-cli with C: mapped to the tree and the given standard input.
CliRun RunCli(const TempTree& tree, const std::vector<std::string>& args, const std::string& input = "") {
  return RunCliOnTree(ZALTOR_CLI_PATH, tree, args, input);
}

TEST(CliTest, ResultGoesToStandardOutputByDefault) {
  TempTree tree;
  tree.File("src/a.cpp", "// TODO\n");
  tree.File("src/b.cpp", "done\n");
  CliRun run = RunCli(tree, {"/fp", "C:\\src\\*.cpp", "/sp", "todo"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("\nC:\\src\\a.cpp\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("b.cpp"), std::string::npos);
  EXPECT_NE(run.out.find("A total of 1 files found based on criteria specified.\n"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST(CliTest, StatusFlagWritesEveryStatusTextAsALine) {
  TempTree tree;
  tree.Dir("src");
  CliRun run = RunCli(tree, {"--status", "/fp", "C:\\src\\*.cpp"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find("status: Searching directory \"C:\\src\"...\n"), std::string::npos) << run.err;
}

TEST(CliTest, AnswersComeFromStandardInputAndDecideTheExitCode) {
  TempTree tree;
  tree.Dir("top");
  CliRun stopped = RunCli(tree, {"/fp", "C:\\none\\*.x"});
  EXPECT_EQ(stopped.exitCode, 2);
  EXPECT_EQ(stopped.err, "Directory specified in file pattern does not exist!\n");

  tree.File("top/a.txt");
  tree.File("top/b.txt");
  CliRun asked = RunCli(tree, {"/fp", "C:\\top\\*.txt", "/se"}, "no\nYES\n");
  EXPECT_EQ(asked.exitCode, 0);
  EXPECT_EQ(asked.err, "Stop searching for file(s)?\nStop searching for file(s)?\n");
  EXPECT_NE(asked.out.find("C:\\top\\a.txt\n"), std::string::npos);
  EXPECT_EQ(asked.out.find("C:\\top\\b.txt\n"), std::string::npos);
}

TEST(CliTest, OwnFlagsEndAtDoubleDashAndUnknownOnesAreRefused) {
  TempTree tree;
  CliRun help = RunCli(tree, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("/fpattern"), std::string::npos);
  CliRun unknown = RunCli(tree, {"--bogus"});
  EXPECT_EQ(unknown.exitCode, 2);
  CliRun dashed = RunCli(tree, {"--", "--status", "/r"});
  EXPECT_EQ(dashed.err.substr(0, 26), "Unknown option '--status'.");
}

TEST(AnswerFromLineTest, UnclearAnswersLetTheSearchGoOn) {
  EXPECT_EQ(AnswerFromLine("y\n", 36), kIdYes);
  EXPECT_EQ(AnswerFromLine(" No \n", 20), kIdNo);
  EXPECT_EQ(AnswerFromLine("maybe\n", 20), kIdYes);
  EXPECT_EQ(AnswerFromLine("maybe\n", 36), kIdNo);
  EXPECT_EQ(AnswerFromLine(nullptr, 20), kIdYes);
  EXPECT_EQ(AnswerFromLine(nullptr, 36), kIdNo);
}

}  // namespace
}  // namespace zaltor::testing

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace zaltor::testing {
namespace {

// Ctrl-C while a question waits: the answer still comes, then the search
// stops at its next checkpoint with the totals written.
TEST(CliInterruptTest, FirstInterruptStopsTheSearchAtTheNextCheckpoint) {
  TempTree tree;
  tree.File("top/a.txt");
  tree.File("top/b.txt");
  tree.File("top/sub/c.txt");
  int input[2];
  ASSERT_EQ(pipe(input), 0);
  const std::string out = tree.Path("out.txt");
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(input[0], STDIN_FILENO);
    close(input[1]);
    const std::string drives = "ZALTOR_DRIVES=C=" + tree.root();
    putenv(const_cast<char*>(drives.c_str()));
    int devnull = ::open("/dev/null", 1);
    dup2(devnull, STDERR_FILENO);
    execl(ZALTOR_CLI_PATH, ZALTOR_CLI_PATH, "/fp", "C:\\top\\*.txt", "/r", "/se", "/of", "C:\\out.txt",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  // Wait for the first question: the result file exists once the search runs.
  for (int i = 0; i < 500 && !tree.Exists("out.txt"); ++i) usleep(10000);
  usleep(200000);
  kill(child, SIGINT);
  usleep(200000);
  ASSERT_EQ(write(input[1], "n\n", 2), 2);
  close(input[1]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
  const std::string result = tree.Read("out.txt");
  EXPECT_NE(result.find("C:\\top\\a.txt\n"), std::string::npos) << result;
  EXPECT_EQ(result.find("b.txt"), std::string::npos) << result;
  EXPECT_NE(result.find("A total of 1 files found"), std::string::npos) << result;
}

// Ctrl-C while a file of 64 GiB (sparse: it takes no disk space) is read
// for content: the read ends within a fraction of a second, the file is no
// match, and the totals are written. Both ways of reading: two files at a
// time, and one at a time when a question comes before each match.
TEST(CliInterruptTest, InterruptEndsTheReadOfAHugeFileAtOnce) {
  for (bool questions : {false, true}) {
    SCOPED_TRACE(questions ? "one file at a time" : "two files at a time");
    TempTree tree;
    tree.File("top/a.txt", "needle");
    tree.File("top/b.txt");
    ASSERT_EQ(truncate(tree.Path("top/b.txt").c_str(), 64LL << 30), 0);
    tree.File("in", "n\n");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int in = ::open(tree.Path("in").c_str(), O_RDONLY);
      dup2(in, STDIN_FILENO);
      int devnull = ::open("/dev/null", O_WRONLY);
      dup2(devnull, STDERR_FILENO);
      setenv("ZALTOR_DRIVES", ("C=" + tree.root()).c_str(), 1);
      execl(ZALTOR_CLI_PATH, ZALTOR_CLI_PATH, "/fp", "C:\\top\\*.txt", "/sp", "needle", "/of", "C:\\out.txt",
            questions ? "/se" : nullptr, static_cast<char*>(nullptr));
      _exit(127);
    }
    // The walk of two files is over long before this; b.txt is being read.
    for (int i = 0; i < 500 && !tree.Exists("out.txt"); ++i) usleep(10000);
    usleep(300000);
    kill(child, SIGINT);
    const auto interrupted = std::chrono::steady_clock::now();
    int status = 0;
    double seconds = 0;
    while (waitpid(child, &status, WNOHANG) == 0 && seconds < 5) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - interrupted).count();
    }
    if (seconds >= 5) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
    }
    EXPECT_LT(seconds, 2.0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    const std::string result = tree.Read("out.txt");
    EXPECT_NE(result.find("C:\\top\\a.txt\n"), std::string::npos) << result;
    EXPECT_EQ(result.find("b.txt"), std::string::npos) << result;
    EXPECT_NE(result.find("A total of 1 files found"), std::string::npos) << result;
  }
}

}  // namespace
}  // namespace zaltor::testing
