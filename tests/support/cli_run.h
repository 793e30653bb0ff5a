// Running zaltor-cli as a user would, through the shell, with C: mapped onto
// a test tree, the answers on standard input and both outputs captured.
#pragma once

#include <string>
#include <vector>

#include "support/temp_tree.h"

namespace zaltor::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// The text in single quotes for the shell.
std::string ShellQuote(const std::string& text);

// Runs cliPath in the tree's root with TZ=UTC. prefix, when not empty, goes
// before the program (e.g. a setpriv command line, ending in a blank).
CliRun RunCliOnTree(const std::string& cliPath, const TempTree& tree, const std::vector<std::string>& args,
                    const std::string& input, const std::string& prefix = "");

}  // namespace zaltor::testing
