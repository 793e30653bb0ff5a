// Reads files for the content search ahead of the walk, on helper threads:
// the walk queues the files it will ask about, a directory's at a time, in
// the order it will ask, and then asks about each in its own order. What it
// is told is what SearchFileContent said of the file, whenever that ran;
// nothing is reported from here, so what the walk writes and asks stays
// where it was.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
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
  // where it is. urgent puts the directory before everything queued: it is
  // the one being searched now. Else it goes after that one and before the
  // directories queued earlier, as the walk takes the directories it has
  // found last first.
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
  enum State : unsigned char { kQueued, kReading, kFound, kNotFound, kAsked };
  // The files queued for one directory. Held by the helpers reading them,
  // so that a directory left meanwhile stays until their reads end.
  struct Job {
    std::string directory;
    // The files not yet dropped; the first asked about go once there are
    // many, so that a directory of any size holds few.
    std::vector<std::string> paths;
    std::vector<State> states;
    std::size_t dropped = 0;    // files dropped before paths[0]
    bool sorted = true;         // paths in byte order: looked up by halving
    std::size_t unclaimed = 0;  // no file before it is still queued
    bool left = false;
    // The index of path, or paths.size().
    std::size_t IndexOf(const std::string& path) const;
    // Drops the files asked about before the first that is not, once they
    // are many. The index of a file after them moves down by their number.
    void DropAsked();
  };

  void Help(std::size_t index);
  // Reads the first file queued that nobody has begun; false when there is
  // none. Called and returns with lock held.
  bool ReadQueued(std::unique_lock<std::mutex>& lock);
  // Drops job from the reading order and the directories. Called with mutex held.
  void Forget(const std::shared_ptr<Job>& job);

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
  std::deque<std::shared_ptr<Job>> order;  // reading order; may hold jobs since done
  std::unordered_map<std::string, std::shared_ptr<Job>> jobOf;  // by directory
  std::shared_ptr<Job> lastAsked;  // the job the walk asked about last
  std::shared_ptr<Job> searched;   // the job queued last as urgent
  std::size_t held = 0;            // files of live jobs not yet asked about
  bool quit = false;
  std::vector<std::thread> threads;
};

}  // namespace zaltor
