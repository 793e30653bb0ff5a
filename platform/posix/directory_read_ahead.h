// Reads ahead of the walk the directories it will list next, on threads of
// its own, and keeps what it read for the walk to take. The walk's order is
// known: a directory's subdirectories are taken next, the last listed
// first. So a thread that has read a directory goes on with its
// subdirectories in that order, and the walk, when it gets to one, finds it
// read. A read is handed over only when the directory's identity (see
// StillAsRead) shows that nothing has changed in it since; otherwise the
// walk reads it again, and sees what it would have seen reading alone.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/posix/directory_read.h"

namespace zaltor {

class DirectoryReadAhead {
 public:
  // noteRead hears, from the reading threads, whether each read waited for
  // the device.
  explicit DirectoryReadAhead(std::function<void(bool waited)> noteRead) : noteRead(std::move(noteRead)) {}
  // Waits for the directories being read, drops the rest.
  ~DirectoryReadAhead();
  DirectoryReadAhead(const DirectoryReadAhead&) = delete;
  DirectoryReadAhead& operator=(const DirectoryReadAhead&) = delete;

  // Queues a host directory the walk will list soon, to be read by at most
  // threads threads (1 to kThreads), started as needed; with none to be
  // had, nothing is read ahead. The newest is read first; past the bound
  // the oldest is dropped.
  void Queue(std::string hostDirectory, std::size_t threads);
  // Who takes a read, and so what Take does with one under way or queued.
  enum class Taker {
    kLook,    // left for the visit; none while under way
    kHelper,  // waits for one under way and has it for good; one queued is dropped
    kVisit,   // the same, and the walk has got this far
  };
  // The read of hostDirectory made ahead, or null.
  std::shared_ptr<const DirectoryRead> Take(const std::string& hostDirectory, Taker taker);
  // Drops whatever is queued and read and ends the threads: the walk is
  // over.
  void Clear();

  static constexpr std::size_t kThreads = 4;

 private:
  enum State { kQueued, kReading, kRead };
  struct Slot {
    State state = kQueued;
    std::uint64_t order = 0;  // when it was begun, which is the walk's order
    std::shared_ptr<const DirectoryRead> read;
  };

  void Serve(std::size_t index);
  // Ends the threads once their reads under way are done.
  void StopThreads();
  // Queues hostDirectory unless it is known. Called with mutex held.
  void QueueLocked(std::string hostDirectory);
  // Drops the reads the walk has gone past; whether the window has room.
  // Called with mutex held.
  bool MakeRoom();

  // Reads held for the walk at most: each keeps its directory open.
  static constexpr std::size_t kHeld = 64;
  static constexpr std::size_t kMostQueued = 256;

  const std::function<void(bool)> noteRead;
  std::mutex mutex;
  std::condition_variable wake;  // for the threads: work, or room again
  std::condition_variable done;  // for takers, waiting for a read under way
  // All guarded by mutex.
  std::unordered_map<std::string, Slot> slots;
  std::deque<std::string> queued;  // may name slots since dropped or taken: skipped
  std::size_t held = 0;            // slots read
  bool full = false;               // the window filled, and has not yet half emptied
  int waiting = 0;         // takers waiting for a read under way
  std::size_t idle = 0;    // threads waiting for work
  std::size_t running = 1;  // threads that may read
  std::uint64_t nextOrder = 0;
  std::uint64_t visited = 0;  // the latest order the walk has taken
  bool stopping = false;
  std::vector<std::thread> threads;
};

}  // namespace zaltor
