#include "platform/process_start.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <process.h>
#include <string>
#include <vector>

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

// The runtime joins the arguments with blanks into one command line, which
// the program splits again: an argument with a blank (a file in "C:\My
// Docs") would reach it as two. Quoted as the runtime's own parser reads it
// back: backslashes are doubled only before a quote.
std::string QuotedArgument(const char* argument) {
  if (*argument != '\0' && std::strpbrk(argument, " \t\"") == nullptr) return argument;
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char* each = argument; *each != '\0'; ++each) {
    if (*each == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(*each == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += *each;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + '"';
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
  std::vector<std::string> quoted;
  for (const char* const* each = argv; *each != nullptr; ++each) quoted.push_back(QuotedArgument(*each));
  std::vector<const char*> arguments;
  for (const std::string& each : quoted) arguments.push_back(each.c_str());
  arguments.push_back(nullptr);
  if (_spawnv(_P_NOWAIT, program.c_str(), arguments.data()) != -1) return 0;
  // Wine's runtime says EINVAL for a file that is no program; the system's
  // own code says what it was, as Windows' runtime maps it.
  if (_doserrno == ERROR_BAD_EXE_FORMAT || _doserrno == ERROR_BAD_FORMAT) return ENOEXEC;
  return errno != 0 ? errno : ENOENT;
}

void LeaveStartedProcessesUnwaited() {}

}  // namespace zaltor
