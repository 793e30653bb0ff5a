#include "platform/process_start.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/types.h>

extern char** environ;

namespace zaltor {

int StartProcess(const char* const* argv, int standardInput) {
  if (argv == nullptr || argv[0] == nullptr) return ENOENT;
  // The dialog program ignores SIGCHLD so that nobody has to reap what it
  // starts; the started program must not inherit that, or its own waits for
  // its children fail.
  posix_spawnattr_t attributes;
  int result = posix_spawnattr_init(&attributes);
  if (result != 0) return result;
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGCHLD);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (standardInput != kInheritInput) posix_spawn_file_actions_adddup2(&actions, standardInput, 0);
  pid_t pid = 0;
  // posix_spawnp reports a failed exec of the child as its result, so a
  // missing or unrunnable program is known here, and nobody waits.
  result = posix_spawnp(&pid, argv[0], &actions, &attributes, const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  return result;
}

void LeaveStartedProcessesUnwaited() {
  // The system reaps them when they end.
  std::signal(SIGCHLD, SIG_IGN);
}

}  // namespace zaltor
