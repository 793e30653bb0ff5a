// The cross-host cases on this host's own zaltor-cli.
#include <gtest/gtest.h>

#include "hosts/case_runner.h"

namespace zaltor::testing {
namespace {

std::string CommandFor(const TempTree& tree, const TempTree& output) {
  return "ZALTOR_DRIVES=" + ShellQuote("M=" + tree.root() + ";N=" + output.root()) + " TZ=UTC " +
         ShellQuote(ZALTOR_CLI_PATH);
}

TEST(CliCases, EveryCaseGivesTheExpectedFiles) {
  for (const CliCase& c : CliCases()) RunAndCheckCase(c, CommandFor);
}

TEST(CliCases, NamePatternsFindWhatThePlatformsRulesFind) {
  RunAndCheckNameCases(NameRules::kPlatform, CommandFor);
}

}  // namespace
}  // namespace zaltor::testing
