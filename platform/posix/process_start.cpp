#include "platform/process_start.h"

#include <cerrno>
#include <spawn.h>
#include <sys/types.h>

extern char** environ;

namespace zaltor {

int StartProcess(const char* const* argv, long* processId) {
  if (argv == nullptr || argv[0] == nullptr) return ENOENT;
  pid_t pid = 0;
  // posix_spawnp reports a failed exec of the child as its result, so a
  // missing or unrunnable program is known here, and nobody waits.
  const int result = posix_spawnp(&pid, argv[0], nullptr, nullptr, const_cast<char* const*>(argv), environ);
  if (result == 0 && processId != nullptr) *processId = static_cast<long>(pid);
  return result;
}

}  // namespace zaltor
