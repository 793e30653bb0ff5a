#include "platform/process_start.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <process.h>
#include <string>

namespace zaltor {

namespace {

// The runtime's own search (_spawnvp) is done here, with _searchenv (the
// current directory, then PATH) and the extensions a bare name may stand
// for: Wine's _spawnvp finds a program through PATH only at its first call
// in a process, so the editor for the result file after the batch file's
// was "not found".
std::string FindProgram(const char* name) {
  if (std::strpbrk(name, "\\/:") != nullptr) return name;
  const bool hasExtension = std::strchr(name, '.') != nullptr;
  static const char* const kExtensions[] = {".com", ".exe", ".bat", ".cmd"};
  for (const char* extension : kExtensions) {
    const std::string candidate = hasExtension ? std::string(name) : std::string(name) + extension;
    char found[_MAX_PATH] = {};
    _searchenv(candidate.c_str(), "PATH", found);
    if (found[0] != '\0') return found;
    if (hasExtension) break;
  }
  return {};
}

}  // namespace

int StartProcess(const char* const* argv, int standardInput) {
  if (argv == nullptr || argv[0] == nullptr) return ENOENT;
  // Nothing here hands a program a standard input of its own.
  if (standardInput != kInheritInput) return EINVAL;
  const std::string program = FindProgram(argv[0]);
  if (program.empty()) return ENOENT;
  errno = 0;
  if (_spawnv(_P_NOWAIT, program.c_str(), argv) == -1) return errno != 0 ? errno : ENOENT;
  return 0;
}

void LeaveStartedProcessesUnwaited() {}

}  // namespace zaltor
