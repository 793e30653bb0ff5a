#include "hosts/case_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

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

}  // namespace zaltor::testing
