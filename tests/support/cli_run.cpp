#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdlib>

namespace zaltor::testing {

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CliRun RunCliOnTree(const std::string& cliPath, const TempTree& tree, const std::vector<std::string>& args,
                    const std::string& input, const std::string& prefix) {
  TempTree io;
  io.File("in", input);
  std::string command = "cd " + ShellQuote(tree.root()) + " && ZALTOR_DRIVES=" + ShellQuote("C=" + tree.root()) +
                        " TZ=UTC " + prefix + ShellQuote(cliPath);
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " <" + ShellQuote(io.Path("in")) + " >" + ShellQuote(io.Path("out")) + " 2>" +
             ShellQuote(io.Path("err"));
  CliRun run;
  const int status = std::system(command.c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = io.Read("out");
  run.err = io.Read("err");
  return run;
}

}  // namespace zaltor::testing
