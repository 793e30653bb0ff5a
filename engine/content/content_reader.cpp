#include "engine/content/content_reader.h"

#include <system_error>
#include <utility>

#include "engine/content/content_search.h"

namespace zaltor {

ContentReader::ContentReader(FileSystem& fs, const char* bytes, std::int32_t length, int (*keepReading)(),
                             int helpers)
    : fs(fs), bytes(bytes), length(length), keepReading(keepReading) {
  for (int i = 0; i < helpers; ++i) {
    try {
      threads.emplace_back([this] { Help(); });
    } catch (const std::system_error&) {
      if (threads.empty()) throw;
      break;  // fewer helpers serve as well, only slower
    }
  }
}

ContentReader::~ContentReader() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    quit = true;
    queue.clear();
  }
  changed.notify_all();
  for (std::thread& thread : threads) thread.join();
}

void ContentReader::Queue(const std::string& path, const std::string& directory, bool urgent) {
  {
    std::lock_guard<std::mutex> lock(mutex);
    auto [at, added] = files.try_emplace(path);
    if (!added) {
      if (!urgent || at->second.state != kQueued) return;
    } else {
      at->second.directory = directory;
      at->second.id = nextId++;
      filesOf[directory].push_back(path);
    }
    if (urgent) {
      queue.push_front(path);
    } else {
      queue.push_back(path);
    }
  }
  changed.notify_one();
}

std::size_t ContentReader::Held() {
  std::lock_guard<std::mutex> lock(mutex);
  return files.size();
}

bool ContentReader::Found(const std::string& path) {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    auto at = files.find(path);
    if (at == files.end() || at->second.state == kQueued) break;
    if (at->second.state == kRead) {
      // Taken: the walk asks about each file of a visit once.
      bool found = at->second.found;
      files.erase(at);
      return found;
    }
    changed.wait(lock);
  }
  // Nobody has begun it: read here rather than wait behind the queue. A
  // queued entry left behind is skipped by the helpers.
  files.erase(path);
  lock.unlock();
  return SearchFileContent(fs, path.c_str(), bytes, length, keepReading);
}

void ContentReader::Leave(const std::string& directory) {
  std::lock_guard<std::mutex> lock(mutex);
  auto listed = filesOf.find(directory);
  if (listed == filesOf.end()) return;
  for (const std::string& path : listed->second) {
    auto at = files.find(path);
    if (at != files.end() && at->second.directory == directory) files.erase(at);
  }
  filesOf.erase(listed);
}

void ContentReader::Help() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return quit || !queue.empty(); });
    if (quit) return;
    std::string path = std::move(queue.front());
    queue.pop_front();
    auto at = files.find(path);
    if (at == files.end() || at->second.state != kQueued) continue;
    at->second.state = kReading;
    const std::uint64_t id = at->second.id;
    lock.unlock();
    bool found = SearchFileContent(fs, path.c_str(), bytes, length, keepReading);
    lock.lock();
    at = files.find(path);
    if (at != files.end() && at->second.id == id) {
      at->second.state = kRead;
      at->second.found = found;
    }
    changed.notify_all();
  }
}

}  // namespace zaltor
