// Reads the files of one directory for the content search two at a time:
// on a helper thread and on the thread that asks for the results, which it
// takes in order, so that what is found and reported is the same as when
// the files are read one after the other.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_system.h"

namespace zaltor {

class ContentReader {
 public:
  // fs must read in parallel (FileSystem::ReadsInParallel); bytes stays
  // valid and unchanged for the reader's life. keepReading goes to every
  // SearchFileContent, on both threads, so it must be safe to call from
  // either.
  ContentReader(FileSystem& fs, const char* bytes, std::int32_t length, int (*keepReading)() = nullptr);
  ~ContentReader();
  ContentReader(const ContentReader&) = delete;
  ContentReader& operator=(const ContentReader&) = delete;

  // Starts on a batch of files, drive paths, read in their order. Between
  // Start and Finish the caller makes no call on fs that changes anything
  // there (a directory change, a listing, a file written).
  void Start(std::vector<std::string> paths);
  // Whether file i of the batch holds the bytes, as SearchFileContent says;
  // waits for it, or reads it here when the helper has not begun it.
  bool Found(std::size_t i);
  // Leaves the files nobody has begun and waits for the helper's current
  // one; then fs is the caller's alone again.
  void Finish();

 private:
  void Help();
  // Reads the next file nobody has begun; called and returns with lock held.
  void ReadNext(std::unique_lock<std::mutex>& lock);

  FileSystem& fs;
  const char* bytes;
  std::int32_t length;
  int (*keepReading)();

  std::mutex mutex;
  std::condition_variable changed;
  // Guarded by mutex; paths changes only while busy is 0.
  std::vector<std::string> paths;
  std::vector<signed char> results;  // -1 until read, then 0 or 1
  std::size_t next = 0;
  int busy = 0;
  bool quit = false;
  std::thread helper;
};

}  // namespace zaltor
