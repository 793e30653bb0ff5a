#include "engine/content/content_reader.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <utility>

#include "engine/content/content_search.h"

namespace zaltor {

namespace {

// The directory a drive path of the engine's names its file in: all before
// the last separator, which a root keeps.
std::string_view DirectoryOf(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return {};
  return path.substr(0, slash == 2 && path[1] == ':' ? 3 : slash);
}

}  // namespace

std::size_t ContentReader::Job::IndexOf(const std::string& path) const {
  if (sorted) {
    auto at = std::lower_bound(paths.begin(), paths.end(), path);
    return at != paths.end() && *at == path ? static_cast<std::size_t>(at - paths.begin()) : paths.size();
  }
  return static_cast<std::size_t>(std::find(paths.begin(), paths.end(), path) - paths.begin());
}

void ContentReader::Job::DropAsked() {
  // A scan's window: dropping fewer at a time would move the rest too often.
  constexpr std::size_t kDropAtLeast = 256;
  std::size_t asked = 0;
  while (asked < states.size() && states[asked] == kAsked) ++asked;
  if (asked < kDropAtLeast) return;
  paths.erase(paths.begin(), paths.begin() + static_cast<std::ptrdiff_t>(asked));
  states.erase(states.begin(), states.begin() + static_cast<std::ptrdiff_t>(asked));
  dropped += asked;
  unclaimed = unclaimed > asked ? unclaimed - asked : 0;
}

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
    order.clear();
  }
  work.notify_all();
  idle.notify_all();
  for (std::thread& thread : threads) thread.join();
}

void ContentReader::Queue(const std::vector<std::string>& paths, const std::string& directory, bool urgent) {
  std::size_t queued = 0;
  {
    std::lock_guard<std::mutex> lock(mutex);
    std::shared_ptr<Job>& slot = jobOf[directory];
    if (slot == nullptr) {
      slot = std::make_shared<Job>();
      slot->directory = directory;
    }
    Job& job = *slot;
    for (const std::string& path : paths) {
      const bool after = job.paths.empty() || job.paths.back() < path;
      if (!after && job.IndexOf(path) != job.paths.size()) continue;
      job.sorted = job.sorted && after;
      job.paths.push_back(path);
      job.states.push_back(kQueued);
      ++queued;
    }
    held += queued;
    auto at = std::find(order.begin(), order.end(), slot);
    if (urgent) searched = slot;
    if (urgent && at != order.begin()) {
      if (at != order.end()) order.erase(at);
      order.push_front(slot);
    } else if (at == order.end() && queued > 0) {
      // The walk takes the directories it found last first.
      order.insert(order.begin() + (!order.empty() && order.front() == searched ? 1 : 0), slot);
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
  return held;
}

bool ContentReader::Found(const std::string& path) {
  std::unique_lock<std::mutex> lock(mutex);
  // The walk asks about a directory's files one after the other.
  const std::string_view directory = DirectoryOf(path);
  if (lastAsked == nullptr || lastAsked->left || lastAsked->directory != directory) {
    auto at = jobOf.find(std::string(directory));
    lastAsked = at != jobOf.end() ? at->second : nullptr;
  }
  const std::size_t index = lastAsked != nullptr ? lastAsked->IndexOf(path) : 0;
  if (lastAsked != nullptr && index < lastAsked->paths.size()) {
    const std::shared_ptr<Job> job = lastAsked;
    for (;;) {
      State& state = job->states[index];
      if (state == kAsked || job->left) break;
      if (state != kReading) {
        // Read, or nobody has begun it: then it is read here rather than
        // behind the queue.
        const bool read = state != kQueued;
        const bool found = state == kFound;
        state = kAsked;
        --held;
        job->DropAsked();
        if (read) return found;
        break;
      }
      // Under way on a helper: read the next queued file meanwhile, as a
      // helper would, and wait only when there is none.
      if (ReadQueued(lock)) continue;
      walkWaits = true;
      done.wait(lock);
      walkWaits = false;
    }
  }
  lock.unlock();
  return SearchFileContent(fs, path.c_str(), bytes, length, keepReading);
}

void ContentReader::Leave(const std::string& directory) {
  std::lock_guard<std::mutex> lock(mutex);
  auto at = jobOf.find(directory);
  if (at == jobOf.end()) return;
  const std::shared_ptr<Job> job = at->second;
  Forget(job);
}

void ContentReader::Forget(const std::shared_ptr<Job>& job) {
  job->left = true;
  for (State state : job->states) {
    if (state != kAsked) --held;
  }
  auto at = std::find(order.begin(), order.end(), job);
  if (at != order.end()) order.erase(at);
  if (lastAsked == job) lastAsked = nullptr;
  if (searched == job) searched = nullptr;
  jobOf.erase(job->directory);
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
    work.wait(lock, [this, spare] { return quit || !order.empty() || (spare && !allHelpers); });
    if (quit) return;
    if (spare && !allHelpers) continue;
    ReadQueued(lock);
  }
}

bool ContentReader::ReadQueued(std::unique_lock<std::mutex>& lock) {
  while (!order.empty()) {
    const std::shared_ptr<Job> job = order.front();
    while (job->unclaimed < job->states.size() && job->states[job->unclaimed] != kQueued) ++job->unclaimed;
    if (job->unclaimed == job->states.size()) {
      order.pop_front();
      continue;
    }
    const std::size_t index = job->unclaimed++;
    job->states[index] = kReading;
    const std::string path = job->paths[index];
    // Files asked about before it may be dropped meanwhile.
    const std::size_t position = job->dropped + index;
    lock.unlock();
    const bool found = SearchFileContent(fs, path.c_str(), bytes, length, keepReading);
    lock.lock();
    if (!job->left && position >= job->dropped) {
      State& state = job->states[position - job->dropped];
      if (state == kReading) state = found ? kFound : kNotFound;
    }
    if (walkWaits) done.notify_one();
    return true;
  }
  return false;
}

}  // namespace zaltor
