#include "platform/posix/directory_read_ahead.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <system_error>

namespace zaltor {

namespace {

void ReadThrough(const std::string& directory) {
  const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  alignas(dirent64) char buffer[32 * 1024];
  while (getdents64(fd, buffer, sizeof buffer) > 0) {
  }
  close(fd);
}

}  // namespace

DirectoryReadAhead::~DirectoryReadAhead() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
    queued.clear();
  }
  wake.notify_all();
  for (std::thread& thread : threads) thread.join();
}

void DirectoryReadAhead::Queue(std::string hostDirectory) {
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (threads.empty()) {
      try {
        for (std::size_t i = 0; i < kThreads; ++i) threads.emplace_back([this] { Serve(); });
      } catch (const std::system_error&) {
        if (threads.empty()) return;
      }
    }
    if (queued.size() == kQueued) queued.pop_front();
    queued.push_back(std::move(hostDirectory));
  }
  wake.notify_one();
}

void DirectoryReadAhead::Serve() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    wake.wait(lock, [this] { return stopping || !queued.empty(); });
    if (stopping) return;
    std::string directory = std::move(queued.back());
    queued.pop_back();
    lock.unlock();
    ReadThrough(directory);
    lock.lock();
  }
}

}  // namespace zaltor
