#include "hosts/case_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace zaltor::testing {

void RunAndCheckCase(const CliCase& c, const CommandFor& commandFor) {
  SCOPED_TRACE(c.name);
  TempTree tree;
  TempTree output;
  BuildCaseTree(c, tree);
  std::string command = commandFor(tree, output);
  for (const std::string& option : c.options) command += " " + ShellQuote(option);
  command += " /of 'N:\\result.txt' /bf 'N:\\batch.bat' </dev/null >" +
             ShellQuote(output.Path("stdout")) + " 2>" + ShellQuote(output.Path("stderr"));
  int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;
  EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << output.Read("stderr");
  const bool failed = c.exitCode == 2;
  EXPECT_EQ(Normalise(output.Read("result.txt")), (failed ? "" : NormalisedResultHeader()) + c.resultBody);
  EXPECT_EQ(Normalise(output.Read("batch.bat")), (failed ? "" : NormalisedBatchHeader()) + c.batchBody);
}

namespace {

// The names of the path lines of a search of M:\names, sorted.
std::vector<std::string> NamesFound(const std::string& result) {
  const std::string prefix = "M:\\names\\";
  std::vector<std::string> names;
  std::istringstream lines(Normalise(result));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(prefix, 0) == 0) names.push_back(line.substr(prefix.size()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

void RunAndCheckNameCases(NameRules rules, const CommandFor& commandFor) {
  TempTree tree;
  TempTree output;
  for (const std::string& name : NameCaseFiles()) tree.File("names/" + name);
  for (const NameCase& c : NameCases()) {
    SCOPED_TRACE(c.pattern);
    const std::string command = commandFor(tree, output) + " /fp " +
                                ShellQuote(std::string("M:\\names\\") + c.pattern) +
                                " /of 'N:\\result.txt' /bf 'N:\\batch.bat' </dev/null >/dev/null 2>&1";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    std::vector<std::string> expected = c.found;
    if (rules == NameRules::kWine && c.foundUnderWine) {
      expected = *c.foundUnderWine;
      std::printf("Wine's own matching: %s finds %s, the platform's rules %s\n", c.pattern,
                  ::testing::PrintToString(expected).c_str(), ::testing::PrintToString(c.found).c_str());
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesFound(output.Read("result.txt")), expected);
  }
}

}  // namespace zaltor::testing
