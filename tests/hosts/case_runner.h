// Runs one cross-host case through a command line and compares both files.
#pragma once

#include <functional>
#include <string>

#include "hosts/cli_cases.h"
#include "support/temp_tree.h"

namespace zaltor::testing {

// Builds the shell command that starts the program for a case, with the
// tree as drive M: and the output directory as drive N:.
using CommandFor = std::function<std::string(const TempTree& tree, const TempTree& output)>;

// Quotes a word for the shell.
std::string ShellQuote(const std::string& text);

// Runs the case and checks its exit code and both files with gtest
// expectations.
void RunAndCheckCase(const CliCase& c, const CommandFor& commandFor);

}  // namespace zaltor::testing
