#include "platform/process_start.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <process.h>
#include <string>

namespace zaltor {

namespace {

// The runtime's own search (_spawnvp) is done here, with _searchenv (the
// current directory, then PATH) and the extensions a name without one may
// stand for: Wine's _spawnvp finds a program through PATH only at its first
// call in a process, so the editor for the result file after the batch
// file's was "not found". A name with a directory is looked for there alone,
// and a missing one is "not found" here: Wine's runtime calls it a file that
// is no program.
std::string FindProgram(const char* name) {
  const char* base = name;
  for (const char* each = name; *each != '\0'; ++each) {
    if (std::strchr("\\/:", *each) != nullptr) base = each + 1;
  }
  const bool isPath = base != name;
  auto find = [isPath](const std::string& candidate) -> std::string {
    if (isPath) return GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES ? candidate : std::string();
    char found[_MAX_PATH] = {};
    _searchenv(candidate.c_str(), "PATH", found);
    return found;
  };
  if (std::strchr(base, '.') != nullptr) return find(name);
  static const char* const kExtensions[] = {".com", ".exe", ".bat", ".cmd"};
  for (const char* extension : kExtensions) {
    std::string found = find(std::string(name) + extension);
    if (!found.empty()) return found;
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
  const DWORD attributes = GetFileAttributesA(program.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return EACCES;
  errno = 0;
  _doserrno = 0;
  if (_spawnv(_P_NOWAIT, program.c_str(), argv) != -1) return 0;
  // Wine's runtime says EINVAL for a file that is no program; the system's
  // own code says what it was, as Windows' runtime maps it.
  if (_doserrno == ERROR_BAD_EXE_FORMAT || _doserrno == ERROR_BAD_FORMAT) return ENOEXEC;
  return errno != 0 ? errno : ENOENT;
}

void LeaveStartedProcessesUnwaited() {}

}  // namespace zaltor
