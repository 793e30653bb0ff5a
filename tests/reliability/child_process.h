// Runs part of a test in a child process, for what the test process itself
// must not do: drop to an ordinary user, or mount in a mount namespace of
// its own. The child hands back texts; the parent checks them.
#pragma once

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zaltor::testing {

// The unprivileged user the tests run as when they are run as root.
constexpr uid_t kOrdinaryUser = 65534;
// A child's exit code when what it was to set up is not permitted here.
constexpr int kChildCannot = 77;

struct ChildResult {
  int exitCode = -1;  // kChildCannot: skip; -1: killed or could not start
  std::vector<std::string> texts;
};

// fn runs in the child and returns its texts, or exits with kChildCannot.
// The child ends with _exit: no atexit work, no leak check of the parent's
// heap it inherited.
inline ChildResult RunInChild(const std::function<std::vector<std::string>()>& fn) {
  ChildResult outcome;
  int channel[2];
  if (pipe(channel) != 0) return outcome;
  pid_t child = fork();
  if (child < 0) return outcome;
  if (child == 0) {
    close(channel[0]);
    std::string packed;
    for (const std::string& text : fn()) {
      std::uint64_t length = text.size();
      packed.append(reinterpret_cast<const char*>(&length), sizeof length);
      packed += text;
    }
    for (std::size_t done = 0; done < packed.size();) {
      ssize_t wrote = write(channel[1], packed.data() + done, packed.size() - done);
      if (wrote <= 0) _exit(1);
      done += static_cast<std::size_t>(wrote);
    }
    _exit(0);
  }
  close(channel[1]);
  std::string packed;
  char buffer[65536];
  for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) packed.append(buffer, got);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  for (std::size_t at = 0; at + sizeof(std::uint64_t) <= packed.size();) {
    std::uint64_t length;
    std::memcpy(&length, packed.data() + at, sizeof length);
    at += sizeof length;
    outcome.texts.push_back(packed.substr(at, length));
    at += length;
  }
  return outcome;
}

// In a child: hands the trees to the ordinary user and becomes that user,
// when running as root; false when that fails.
inline bool BecomeOrdinaryUser(const std::vector<std::string>& trees) {
  if (geteuid() != 0) return true;
  for (const std::string& tree : trees) {
    if (chown(tree.c_str(), kOrdinaryUser, kOrdinaryUser) != 0) return false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree)) {
      if (lchown(entry.path().c_str(), kOrdinaryUser, kOrdinaryUser) != 0) return false;
    }
  }
  return setgroups(0, nullptr) == 0 && setgid(kOrdinaryUser) == 0 && setuid(kOrdinaryUser) == 0;
}

// In a child: a tmpfs of the given size mounted on dir, in a mount namespace
// of the child's own, so that nothing outlives the child.
inline bool MountTinyTmpfs(const std::string& dir, const std::string& size) {
  return unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         mount("tmpfs", dir.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
}

}  // namespace zaltor::testing
