#include "platform/posix/output_open.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zaltor {

namespace {

bool IsShared(const struct stat& directory) {
  return (directory.st_mode & (S_ISVTX | S_IWOTH)) != 0;
}

// Opens name in the shared directory dirFd for writing, truncated, only
// when it is (or is made as) a regular file of ours with one name; -1
// otherwise, the file left untouched.
int OpenOwnFile(int dirFd, const char* name) {
  // No O_TRUNC until the file is known to be ours; O_NONBLOCK keeps a FIFO
  // put there from waiting for a reader.
  int fd = openat(dirFd, name, O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return -1;
  struct stat file;
  // A second name could be a hard link to a file of ours elsewhere.
  if (fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != geteuid() || file.st_nlink != 1 ||
      ftruncate(fd, 0) != 0 || fcntl(fd, F_SETFL, 0) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::FILE* OpenOutputFile(const std::string& hostPath) {
  std::string::size_type slash = hostPath.rfind('/');
  if (slash == std::string::npos || slash + 1 == hostPath.size()) return nullptr;
  const std::string directory = slash == 0 ? "/" : hostPath.substr(0, slash);
  // The directory is looked at and the file opened through one descriptor,
  // so neither can be swapped between the two.
  int dirFd = open(directory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return nullptr;
  struct stat info;
  const char* name = hostPath.c_str() + slash + 1;
  int fd = -1;
  if (fstat(dirFd, &info) == 0) {
    fd = IsShared(info) ? OpenOwnFile(dirFd, name)
                        : openat(dirFd, name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
  }
  close(dirFd);
  if (fd < 0) return nullptr;
  std::FILE* stream = fdopen(fd, "w");
  if (stream == nullptr) close(fd);
  return stream;
}

}  // namespace zaltor
