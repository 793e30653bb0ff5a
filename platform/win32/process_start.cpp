#include "platform/process_start.h"

#include <cerrno>
#include <process.h>

namespace zaltor {

int StartProcess(const char* const* argv, int standardInput) {
  if (argv == nullptr || argv[0] == nullptr) return ENOENT;
  // Nothing here hands a program a standard input of its own.
  if (standardInput != kInheritInput) return EINVAL;
  errno = 0;
  if (_spawnvp(_P_NOWAIT, argv[0], argv) == -1) return errno != 0 ? errno : ENOENT;
  return 0;
}

void LeaveStartedProcessesUnwaited() {}

}  // namespace zaltor
