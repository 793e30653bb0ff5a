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
      threads.emplace_back([this, i] { Help(static_cast<std::size_t>(i)); });
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
  work.notify_all();
  idle.notify_all();
  for (std::thread& thread : threads) thread.join();
}

void ContentReader::Queue(const std::vector<std::string>& paths, const std::string& directory, bool urgent) {
  std::size_t queued = 0;
  {
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<std::string>& listed = filesOf[directory];
    // Urgent ones go to the front last first, so that they keep their order.
    for (std::size_t k = 0; k < paths.size(); ++k) {
      const std::string& path = urgent ? paths[paths.size() - 1 - k] : paths[k];
      auto [at, added] = files.try_emplace(path);
      if (!added) {
        if (!urgent || at->second.state != kQueued) continue;
      } else {
        at->second.directory = directory;
        at->second.id = nextId++;
        listed.push_back(path);
      }
      if (urgent) {
        queue.push_front(path);
      } else {
        queue.push_back(path);
      }
      ++queued;
    }
  }
  if (queued == 1) {
    work.notify_one();
  } else if (queued > 1) {
    work.notify_all();
  }
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
    // Under way on a helper: read the next queued file meanwhile, as a
    // helper would, and wait only when there is none.
    if (ReadQueued(lock)) continue;
    walkWaits = true;
    done.wait(lock);
    walkWaits = false;
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

void ContentReader::UseAllHelpers(bool all) {
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (allHelpers == all) return;
    allHelpers = all;
  }
  // Those let go leave their wait for work, so that a single wake-up for
  // work always reaches a helper that may take it.
  work.notify_all();
  idle.notify_all();
}

void ContentReader::Help(std::size_t index) {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    const bool spare = index > 0;
    if (spare && !allHelpers && !quit) {
      idle.wait(lock, [this] { return quit || allHelpers; });
      continue;
    }
    work.wait(lock, [this, spare] { return quit || !queue.empty() || (spare && !allHelpers); });
    if (quit) return;
    if (spare && !allHelpers) continue;
    ReadQueued(lock);
  }
}

bool ContentReader::ReadQueued(std::unique_lock<std::mutex>& lock) {
  while (!queue.empty()) {
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
    if (walkWaits) done.notify_one();
    return true;
  }
  return false;
}

}  // namespace zaltor
