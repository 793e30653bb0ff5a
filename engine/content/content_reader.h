// Reads files for the content search ahead of the walk, on helper threads:
// the walk queues the files it will ask about, in the order it will, and
// then asks about each in its own order. What it is told is what
// SearchFileContent said of the file, whenever that ran; nothing is
// reported from here, so what the walk writes and asks stays where it was.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/file_system.h"

namespace zaltor {

class ContentReader {
 public:
  // fs must read in parallel (FileSystem::ReadsInParallel); bytes stays
  // valid and unchanged for the reader's life. keepReading goes to every
  // SearchFileContent, on every thread, so it must be safe to call from any.
  // Throws std::system_error when not even one helper can be started.
  ContentReader(FileSystem& fs, const char* bytes, std::int32_t length, int (*keepReading)(), int helpers);
  // Leaves what nobody has begun and waits for the reads under way.
  ~ContentReader();
  ContentReader(const ContentReader&) = delete;
  ContentReader& operator=(const ContentReader&) = delete;

  // Queues the files at paths (drive paths) to be read ahead in their
  // order, for the walk's visit of directory; a path already known stays
  // where it is. urgent puts them before everything queued, for the
  // directory being searched now.
  void Queue(const std::vector<std::string>& paths, const std::string& directory, bool urgent);
  // How many files are queued, under way or read and not yet asked about.
  std::size_t Held();
  // Whether the file at path holds the bytes, as SearchFileContent says:
  // what a helper found, or found once it is done, or read here and now
  // when no helper has begun it.
  bool Found(const std::string& path);
  // Whether every helper reads, or one only (beside the walk's own reads):
  // more pay only while reads wait for the device. One only at first.
  void UseAllHelpers(bool all);
  // Forgets every file queued for directory; reads of them under way end
  // unheard.
  void Leave(const std::string& directory);

 private:
  enum State { kQueued, kReading, kRead };
  struct File {
    std::string directory;
    State state = kQueued;
    bool found = false;
    std::uint64_t id = 0;  // tells a file read from one queued again after it was left
  };


 private:
  void Help(std::size_t index);
  // Reads the first file queued that nobody has begun; false when there is
  // none. Called and returns with lock held.
  bool ReadQueued(std::unique_lock<std::mutex>& lock);

  FileSystem& fs;
  const char* bytes;
  std::int32_t length;
  int (*keepReading)();

  std::mutex mutex;
  // Helpers wait for work, the walk for a file under way: a helper that
  // finishes wakes the walk only when it waits, and nobody wakes a helper
  // that has work, so that a warm cache costs few thread switches.
  std::condition_variable work;
  std::condition_variable done;
  std::condition_variable idle;  // helpers past the first, while one only reads
  // All guarded by mutex.
  bool walkWaits = false;
  bool allHelpers = false;
  std::unordered_map<std::string, File> files;
  std::unordered_map<std::string, std::vector<std::string>> filesOf;  // by directory
  std::deque<std::string> queue;  // may name files since left or taken: skipped
  std::uint64_t nextId = 0;
  bool quit = false;
  std::vector<std::thread> threads;
};

}  // namespace zaltor
