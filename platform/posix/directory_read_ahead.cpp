#include "platform/posix/directory_read_ahead.h"

#include <dirent.h>

#include <algorithm>
#include <system_error>

#include "platform/file_system.h"
#include "platform/posix/listing.h"

namespace zaltor {

DirectoryReadAhead::~DirectoryReadAhead() { StopThreads(); }

void DirectoryReadAhead::StopThreads() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
  }
  wake.notify_all();
  for (std::thread& thread : threads) thread.join();
  threads.clear();
  std::lock_guard<std::mutex> lock(mutex);
  stopping = false;
  running = 1;
}

void DirectoryReadAhead::Queue(std::string hostDirectory, std::size_t wanted) {
  wanted = std::clamp<std::size_t>(wanted, 1, kThreads);
  bool wakeAll = false;
  {
    std::lock_guard<std::mutex> lock(mutex);
    try {
      while (threads.size() < wanted) {
        threads.emplace_back([this, index = threads.size()] { Serve(index); });
      }
    } catch (const std::system_error&) {
      if (threads.empty()) return;
    }
    const std::size_t before = running;
    running = std::min(wanted, threads.size());
    if (slots.count(hostDirectory) != 0) return;
    QueueLocked(std::move(hostDirectory));
    // One directory more wants one thread; a busy one finds it when done.
    if (idle == 0) return;
    wakeAll = running > before;
  }
  if (wakeAll) {
    wake.notify_all();
  } else {
    wake.notify_one();
  }
}

void DirectoryReadAhead::QueueLocked(std::string hostDirectory) {
  if (!slots.emplace(hostDirectory, Slot()).second) return;
  if (queued.size() == kMostQueued) {
    auto oldest = slots.find(queued.front());
    if (oldest != slots.end() && oldest->second.state == kQueued) slots.erase(oldest);
    queued.pop_front();
  }
  queued.push_back(std::move(hostDirectory));
}

std::shared_ptr<const DirectoryRead> DirectoryReadAhead::Take(const std::string& hostDirectory, Taker taker) {
  std::unique_lock<std::mutex> lock(mutex);
  auto slot = slots.find(hostDirectory);
  if (slot == slots.end()) return nullptr;
  const bool forGood = taker != Taker::kLook;
  if (slot->second.state == kReading) {
    if (!forGood) return nullptr;
    ++waiting;
    done.wait(lock, [&] {
      slot = slots.find(hostDirectory);
      return slot == slots.end() || slot->second.state != kReading;
    });
    --waiting;
    if (slot == slots.end()) return nullptr;
  }
  if (slot->second.state == kQueued) {
    // The taker reads it itself now.
    if (forGood) slots.erase(slot);
    return nullptr;
  }
  std::shared_ptr<const DirectoryRead> read = slot->second.read;
  if (forGood) {
    if (taker == Taker::kVisit) visited = std::max(visited, slot->second.order);
    slots.erase(slot);
    --held;
    if (full && held <= kHeld / 2) {
      full = false;
      lock.unlock();
      wake.notify_all();
    }
  }
  return read;
}

void DirectoryReadAhead::Clear() {
  // No thread outlives the walk: none holds buffers or reads while nobody
  // searches, and the next walk starts its own.
  StopThreads();
  std::lock_guard<std::mutex> lock(mutex);
  slots.clear();
  queued.clear();
  held = 0;
  full = false;
}

bool DirectoryReadAhead::MakeRoom() {
  if (held < kHeld) return !full;
  // The reads the walk has gone past are of directories it skipped, or
  // listed before they were read.
  for (auto slot = slots.begin(); slot != slots.end();) {
    if (slot->second.state == kRead && slot->second.order < visited) {
      slot = slots.erase(slot);
      --held;
    } else {
      ++slot;
    }
  }
  if (held >= kHeld) full = true;
  return !full;
}

void DirectoryReadAhead::Serve(std::size_t index) {
  std::vector<char> buffer;
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    // Waiting for the device, a directory read and not kept still has its
    // blocks cached for the walk; else, past the window, reads wait.
    ++idle;
    wake.wait(lock, [&] { return stopping || (index < running && !queued.empty() && (MakeRoom() || running > 1)); });
    --idle;
    if (stopping) return;
    std::string directory = std::move(queued.back());
    queued.pop_back();
    auto slot = slots.find(directory);
    if (slot == slots.end() || slot->second.state != kQueued) continue;
    slot->second.state = kReading;
    slot->second.order = nextOrder++;
    lock.unlock();
    bool waited = false;
    std::shared_ptr<DirectoryRead> read = ReadWholeDirectory(directory, false, true, buffer, &waited);
    std::vector<std::string> children;
    if (read != nullptr) {
      const std::string prefix = directory.back() == '/' ? directory : directory + '/';
      for (const std::string& name : SubdirectoriesOf(*read)) children.push_back(prefix + name);
    }
    if (read != nullptr) noteRead(waited);
    lock.lock();
    slot = slots.find(directory);
    // Gone when the walk ended meanwhile.
    if (slot != slots.end() && slot->second.state == kReading) {
      // A directory that cannot be read is left to the walk, which reports
      // it. Past the window, one read through is not gone on from, so that
      // the threads keep near the walk.
      if (read == nullptr || !MakeRoom()) {
        slots.erase(slot);
      } else {
        slot->second.state = kRead;
        slot->second.read = std::move(read);
        ++held;
        for (std::string& child : children) QueueLocked(std::move(child));
      }
    }
    if (waiting > 0) done.notify_all();
  }
}

}  // namespace zaltor
