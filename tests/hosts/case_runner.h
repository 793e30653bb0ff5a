// Runs one cross-host case through a command line and compares both files.
#pragma once

#include <functional>
#include <string>

#include "hosts/cli_cases.h"
#include "support/cli_run.h"
#include "support/temp_tree.h"

namespace zaltor::testing {

// Builds the shell command that starts the program for a case, with the
// tree as drive M: and the output directory as drive N:.
using CommandFor = std::function<std::string(const TempTree& tree, const TempTree& output)>;

// Runs the case and checks its exit code and both files with gtest
// expectations.
void RunAndCheckCase(const CliCase& c, const CommandFor& commandFor);

// Which answer of a name case a host is held to.
enum class NameRules { kPlatform, kWine };

// Searches with every name case's pattern over a tree of NameCaseFiles() and
// checks the names found, in any order. Under kWine a case's own answer for
// Wine is checked where it has one, and reported.
void RunAndCheckNameCases(NameRules rules, const CommandFor& commandFor);

}  // namespace zaltor::testing
