// Host-side watches for the reliability tests: which names in a directory
// were opened by anyone, and a listening socket left bound to a path.
#pragma once

#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

namespace zaltor::testing {

// Counts the opens of the entries of a directory, whoever makes them. The
// directory's own opens (its listings) are not counted.
class OpenWatch {
 public:
  explicit OpenWatch(const std::string& path) : fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd >= 0 && inotify_add_watch(fd, path.c_str(), IN_OPEN) < 0) {
      close(fd);
      fd = -1;
    }
  }
  ~OpenWatch() {
    if (fd >= 0) close(fd);
  }
  OpenWatch(const OpenWatch&) = delete;
  OpenWatch& operator=(const OpenWatch&) = delete;
  bool ok() const { return fd >= 0; }
  // The names opened since the watch began, one per open.
  std::vector<std::string> Opened() {
    std::vector<std::string> names;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
      ssize_t got = read(fd, buffer, sizeof buffer);
      if (got <= 0) break;
      for (char* p = buffer; p < buffer + got;) {
        auto* event = reinterpret_cast<inotify_event*>(p);
        if (event->len > 0) names.emplace_back(event->name);
        p += sizeof(inotify_event) + event->len;
      }
    }
    return names;
  }

 private:
  int fd;
};

// A listening socket bound to a path, closed and left in place at the end.
class BoundSocket {
 public:
  explicit BoundSocket(const std::string& path) : fd(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (fd < 0 || path.size() >= sizeof address.sun_path) return;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 1) == 0;
  }
  ~BoundSocket() {
    if (fd >= 0) close(fd);
  }
  BoundSocket(const BoundSocket&) = delete;
  BoundSocket& operator=(const BoundSocket&) = delete;
  bool bound = false;

 private:
  int fd;
};

}  // namespace zaltor::testing
