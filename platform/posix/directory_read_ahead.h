// Reads directories the walk is about to list, on threads of its own, so
// that their blocks are cached by the time the walk gets there. Nothing is
// kept of what is read: the walk's own listing is the only one it sees.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zaltor {

class DirectoryReadAhead {
 public:
  DirectoryReadAhead() = default;
  // Waits for the directories being read, drops the rest.
  ~DirectoryReadAhead();
  DirectoryReadAhead(const DirectoryReadAhead&) = delete;
  DirectoryReadAhead& operator=(const DirectoryReadAhead&) = delete;

  // Queues a host directory; the threads start with the first (with none
  // to be had, nothing is read ahead). The newest is read first, as the walk
  // takes the directories it found last; past the bound the oldest is dropped.
  void Queue(std::string hostDirectory);

 private:
  void Serve();

  static constexpr std::size_t kThreads = 4;
  static constexpr std::size_t kQueued = 256;
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<std::string> queued;
  bool stopping = false;
  std::vector<std::thread> threads;
};

}  // namespace zaltor
