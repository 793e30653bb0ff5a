// Threads that work ahead of the walk of a content search, a directory at a
// time: they list the directories the walk visits next, in its order (which
// paths alone tell), and their subdirectories; in those the walk has pushed
// they choose the files the criteria let through, read them in chunks and
// keep one answer per file. The walk acts on its own listing of each
// directory alone and takes from here only the answers for the files it
// lists, by name; it writes, asks, reports and checks for a stop exactly
// where it did reading alone. Nothing here writes, asks or reports.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/search_engine.h"
#include "engine/walk_order.h"
#include "platform/file_system.h"

namespace zaltor {

class SearchHelpers {
 public:
  // Starts the helpers over the engine's file system, which must list ahead
  // and read in parallel; all of them read while reads wait for the device,
  // kWarmHelpers while they do not. Throws std::system_error when not even
  // one can be started.
  SearchHelpers(SearchEngine& engine, int helpers);
  // Leaves what nobody has begun and waits for the reads under way.
  ~SearchHelpers();
  SearchHelpers(const SearchHelpers&) = delete;
  SearchHelpers& operator=(const SearchHelpers&) = delete;

  // The walk has pushed these directories, to visit them later.
  void Known(const std::vector<std::string>& directories);
  // The walk takes the directory at path now: everything before it in the
  // walk's order is done with.
  void Visit(const std::string& path);
  // Whether the file name of the directory taken last, whose path is
  // directory, holds the needle: what a helper found, or found once it is
  // done, or what reading it here and now finds. Names are asked in listing
  // order, only those whose ContentPath fits.
  bool Found(const char* name, const char* directory);

  // Helpers that read while every read comes from the cache: one, beside
  // the walk's thread, which reads the chunks of its own directory that no
  // helper has begun. Two, with the walk mostly waiting, took a fifth more
  // time in switches between threads.
  static constexpr int kWarmHelpers = 1;

 private:
  enum Verdict : unsigned char { kPending, kHolds, kLacks };
  enum Stage : unsigned char { kKnown, kListing, kListed };
  struct Job {
    explicit Job(std::string directory) : directory(std::move(directory)) {}
    const std::string directory;
    // Guarded by mutex.
    Stage stage = kKnown;
    // Listed once the walk was there; set before the listing.
    bool visited = false;
    // The walk has pushed it, or is there: its files may be read. One known
    // only from listing its parent ahead is listed but not read, as the
    // parent may change before the walk lists it, and the walk then visit
    // it under another name, or never.
    bool pushed = false;
    std::size_t nextChunk = 0;  // the first chunk nobody has taken
    // Set once listed; read by whoever takes a chunk.
    std::size_t chunk = 1;  // files to a chunk
    std::shared_ptr<const ListedDirectory> listing;  // null when it could not be listed
    std::vector<std::uint32_t> files;                // listing indexes of the files to read
    std::unique_ptr<std::atomic<unsigned char>[]> verdicts;
    std::atomic<bool> passed{false};  // the walk has gone past it
    // The walk's alone: whether it has asked yet, and where its asking has
    // got to in files.
    bool heard = false;
    std::size_t asked = 0;
    std::size_t Chunks() const;
  };
  // A piece of work for a helper: listing job, or reading a chunk of it.
  struct Work {
    std::shared_ptr<Job> job;
    bool list = false;
    std::size_t chunk = 0;
  };

  void Help(int index);
  // The work next in the walk's order within the window; none when there is
  // none. Called with mutex held.
  Work NextWork();
  // Lists job and chooses its files. Called without mutex, and publishes
  // under it.
  void List(const std::shared_ptr<Job>& job);
  // Adds a job for each directory not yet known, up to a bound; pushed: by
  // the walk. Called with mutex held.
  void AddKnown(const std::vector<std::string>& directories, bool pushed);
  // Reads the files of one chunk. Called without mutex.
  void Read(Job& job, std::size_t chunk);
  // Takes job's next chunk, if any, and reads it. Called and returns with
  // lock held.
  bool ReadNextChunk(const std::shared_ptr<Job>& job, std::unique_lock<std::mutex>& lock);

  SearchEngine& engine;
  const ContentNeedle& needle;
  const bool recurse;
  const int helpers;

  std::mutex mutex;
  std::condition_variable work;   // helpers that may read wait for work
  std::condition_variable spare;  // those past readingHelpers wait for reads to wait
  std::condition_variable done;  // the walk waits for a chunk under way
  // All guarded by mutex.
  std::map<std::string, std::shared_ptr<Job>, WalkOrder> jobs;  // from the one the walk takes on
  std::shared_ptr<Job> visiting;
  int readingHelpers = kWarmHelpers;
  int idleHelpers = 0;
  bool walkWaits = false;
  bool quit = false;
  std::vector<std::thread> threads;
};

}  // namespace zaltor
