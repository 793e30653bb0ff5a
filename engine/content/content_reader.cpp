#include "engine/content/content_reader.h"

#include <utility>

#include "engine/content/content_search.h"

namespace zaltor {

ContentReader::ContentReader(FileSystem& fs, const char* bytes, std::int32_t length, int (*keepReading)())
    : fs(fs), bytes(bytes), length(length), keepReading(keepReading), helper([this] { Help(); }) {}

ContentReader::~ContentReader() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    quit = true;
    next = paths.size();
  }
  changed.notify_all();
  helper.join();
}

void ContentReader::Start(std::vector<std::string> batch) {
  {
    std::lock_guard<std::mutex> lock(mutex);
    paths = std::move(batch);
    results.assign(paths.size(), -1);
    next = 0;
  }
  changed.notify_all();
}

bool ContentReader::Found(std::size_t i) {
  std::unique_lock<std::mutex> lock(mutex);
  while (results[i] < 0) {
    if (next < paths.size()) {
      ReadNext(lock);
    } else {
      changed.wait(lock);
    }
  }
  return results[i] == 1;
}

void ContentReader::Finish() {
  std::unique_lock<std::mutex> lock(mutex);
  next = paths.size();
  changed.wait(lock, [this] { return busy == 0; });
  paths.clear();
  results.clear();
  next = 0;
}

void ContentReader::Help() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return quit || next < paths.size(); });
    if (quit) return;
    ReadNext(lock);
  }
}

void ContentReader::ReadNext(std::unique_lock<std::mutex>& lock) {
  std::size_t i = next++;
  ++busy;
  const char* path = paths[i].c_str();
  lock.unlock();
  int found = SearchFileContent(fs, path, bytes, length, keepReading);
  lock.lock();
  results[i] = static_cast<signed char>(found);
  --busy;
  changed.notify_all();
}

}  // namespace zaltor
