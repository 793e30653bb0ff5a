#include "engine/content/search_helpers.h"

#include <cstring>
#include <system_error>
#include <utility>

#include "engine/content/content_search.h"
#include "engine/dot_directories.h"
#include "engine/front_end.h"
#include "engine/match_entry.h"
#include "engine/output/output_files.h"

namespace zaltor {

namespace {

// Files read by one helper at a time while the files are cached: few
// enough that the walk rarely waits long for the one it asks about, many
// enough that the lock and the wake-ups are paid once for many files. While
// reads wait for the device, one: the helpers then read a directory's files
// side by side, near each other on the disk, as many at once as there are
// helpers.
constexpr std::size_t kWarmChunk = 32;
// The window ahead of the walk: at most this many directories listed and
// this many files chosen and not yet asked about (each costs its name's
// place in a listing and a byte; a file's bytes are never kept). The
// directory the walk is in counts whatever its size.
constexpr std::size_t kDirectoriesAhead = 64;
constexpr std::size_t kFilesAhead = 1024;
// Directories known ahead at most, listed or not; past them, the walk
// reads a directory itself.
constexpr std::size_t kMostKnown = 4096;
// How far down the known directories a helper looks for work.
constexpr std::size_t kLookedAt = 4 * kDirectoriesAhead;

}  // namespace

std::size_t SearchHelpers::Job::Chunks() const { return (files.size() + chunk - 1) / chunk; }

SearchHelpers::SearchHelpers(SearchEngine& engine, int helpers)
    : engine(engine),
      needle(engine.request.contentNeedle),
      recurse(engine.flags.recurseSubdirs != 0),
      helpers(helpers) {
  for (int i = 0; i < helpers; ++i) {
    try {
      threads.emplace_back([this, i] { Help(i); });
    } catch (const std::system_error&) {
      if (threads.empty()) throw;
      break;  // fewer helpers serve as well, only slower
    }
  }
}

SearchHelpers::~SearchHelpers() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    quit = true;
    for (auto& [directory, job] : jobs) job->passed = true;
  }
  work.notify_all();
  spare.notify_all();
  for (std::thread& thread : threads) thread.join();
}

void SearchHelpers::Known(const std::vector<std::string>& directories) {
  bool wake = false;
  {
    std::lock_guard<std::mutex> lock(mutex);
    AddKnown(directories, true);
    wake = idleHelpers > 0;
  }
  // Files listed ahead may be read now.
  if (wake) work.notify_one();
}

void SearchHelpers::AddKnown(const std::vector<std::string>& directories, bool pushed) {
  for (const std::string& directory : directories) {
    auto known = jobs.find(directory);
    if (known == jobs.end()) {
      if (jobs.size() >= kMostKnown) continue;
      known = jobs.emplace(directory, std::make_shared<Job>(directory)).first;
    }
    known->second->pushed = known->second->pushed || pushed;
  }
}

void SearchHelpers::Visit(const std::string& path) {
  bool wake = false;
  bool more = false;
  {
    std::lock_guard<std::mutex> lock(mutex);
    // The directories before it were visited or skipped, or are gone.
    auto at = jobs.begin();
    while (at != jobs.end() && VisitedBefore(at->first, path)) {
      at->second->passed = true;
      at = jobs.erase(at);
    }
    if (at == jobs.end() || at->first != path) at = jobs.emplace_hint(at, path, std::make_shared<Job>(path));
    visiting = at->second;
    visiting->pushed = true;
    // With the files cached, reads in flight gain nothing past the cores.
    const int reading = engine.fs.ReadsWaitForDevice() ? helpers : kWarmHelpers;
    more = reading > readingHelpers;
    readingHelpers = reading;
    wake = idleHelpers > 0;
  }
  if (more) spare.notify_all();
  // Room ahead again, or this directory itself to do.
  if (wake) work.notify_one();
}

bool SearchHelpers::Found(const char* name, const char* directory) {
  const std::shared_ptr<Job>& job = visiting;
  if (!job->heard) {
    std::unique_lock<std::mutex> lock(mutex);
    if (job->stage == kKnown) {
      // Nobody has begun it: listed here, and the helpers share its files.
      job->stage = kListing;
      job->visited = true;
      lock.unlock();
      List(job);
      lock.lock();
    }
    while (job->stage == kListing) {
      walkWaits = true;
      done.wait(lock);
      walkWaits = false;
    }
    job->heard = true;
  }
  // The walk asks in listing order: the file is at or after the last one
  // asked, or it was not chosen (it is new, or passed the criteria only now).
  std::size_t& at = job->asked;
  while (at < job->files.size() && std::strcmp(job->listing->Name(job->files[at]), name) < 0) ++at;
  if (at == job->files.size() || std::strcmp(job->listing->Name(job->files[at]), name) != 0) {
    char path[kMaxPath];
    return ContentPath(directory, name, path) && SearchFileContent(engine.fs, path, needle, SearchIsRunning);
  }
  std::atomic<unsigned char>& verdict = job->verdicts[at];
  if (verdict.load(std::memory_order_acquire) == kPending) {
    std::unique_lock<std::mutex> lock(mutex);
    // Its chunk is under way or not yet taken: read the next one meanwhile,
    // as a helper would, and wait only when there is none.
    while (verdict.load(std::memory_order_acquire) == kPending) {
      if (ReadNextChunk(job, lock)) continue;
      walkWaits = true;
      done.wait(lock);
      walkWaits = false;
    }
  }
  return verdict.load(std::memory_order_acquire) == kHolds;
}

void SearchHelpers::Help(int index) {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    if (index >= readingHelpers && !quit) {
      spare.wait(lock);
      continue;
    }
    Work next;
    while (!quit && index < readingHelpers && (next = NextWork()).job == nullptr) {
      ++idleHelpers;
      work.wait(lock);
      --idleHelpers;
    }
    if (quit) return;
    if (next.job == nullptr) continue;
    lock.unlock();
    if (next.list) {
      List(next.job);
    } else {
      Read(*next.job, next.chunk);
    }
    lock.lock();
  }
}

SearchHelpers::Work SearchHelpers::NextWork() {
  // The directory being searched first, then those ahead in the walk's
  // order, within the window.
  if (visiting != nullptr && visiting->stage == kKnown) {
    visiting->stage = kListing;
    visiting->visited = true;
    return {visiting, true, 0};
  }
  if (visiting != nullptr && !visiting->passed && visiting->stage == kListed &&
      visiting->nextChunk < visiting->Chunks()) {
    return {visiting, false, visiting->nextChunk++};
  }
  std::size_t listedAhead = 0;
  std::size_t shadowsAhead = 0;
  std::size_t filesAhead = 0;
  std::size_t looked = 0;
  Work shadow;
  for (auto& [directory, job] : jobs) {
    if (++looked > kLookedAt) break;
    if (job == visiting || job->passed) continue;
    if (!job->pushed) {
      // Listed, not read, and only when nothing the walk has pushed waits.
      if (job->stage != kKnown) {
        ++shadowsAhead;
      } else if (shadow.job == nullptr && shadowsAhead < kDirectoriesAhead) {
        shadow = {job, true, 0};
      }
      continue;
    }
    if (job->stage == kKnown) {
      if (listedAhead >= kDirectoriesAhead || filesAhead >= kFilesAhead) continue;
      job->stage = kListing;
      return {job, true, 0};
    }
    ++listedAhead;
    if (job->stage == kListed) {
      if (job->nextChunk < job->Chunks()) return {job, false, job->nextChunk++};
      filesAhead += job->files.size();
    }
  }
  if (shadow.job != nullptr) shadow.job->stage = kListing;
  return shadow;
}

void SearchHelpers::List(const std::shared_ptr<Job>& job) {
  std::shared_ptr<const ListedDirectory> listing =
      engine.fs.ListAhead(job->directory.c_str(), engine.request.namePattern);
  std::vector<std::uint32_t> files;
  std::vector<std::string> subdirectories;
  // A directory changed a moment before it was read ahead may have a file
  // in it still being written: the walk reads those itself when it gets
  // there. Where it is already, it reads them now all the same.
  if (listing != nullptr && (listing->Settled() || job->visited)) {
    // The same choice of files as the walk's, so that what is read here is
    // what it will ask about, unless the tree changes meanwhile.
    FindData entry;
    for (std::size_t i = 0; i < listing->Count() && !job->passed; ++i) {
      listing->Entry(i, &entry);
      if (IsDotDirectory(entry) || !MatchEntryCriteria(engine, entry)) continue;
      files.push_back(static_cast<std::uint32_t>(i));
    }
  }
  // Where the walk goes next, as it would push them: listed ahead too.
  if (listing != nullptr && recurse) {
    for (const std::string& name : listing->Subdirectories()) {
      std::string child = ChildPath(job->directory, name);
      if (IsWritableName(name.c_str()) && child.size() < static_cast<std::size_t>(kMaxPath)) {
        subdirectories.push_back(std::move(child));
      }
    }
  }
  const std::size_t chunk = engine.fs.ReadsWaitForDevice() ? 1 : kWarmChunk;
  std::lock_guard<std::mutex> lock(mutex);
  if (!job->passed) AddKnown(subdirectories, false);
  job->chunk = chunk;
  job->listing = std::move(listing);
  job->files = std::move(files);
  job->verdicts = std::make_unique<std::atomic<unsigned char>[]>(job->files.size());
  job->stage = kListed;
  if (walkWaits) done.notify_all();
  // More chunks than this helper takes next, or directories to list.
  if (idleHelpers > 0 && (job->files.size() > job->chunk || !subdirectories.empty())) work.notify_one();
}

bool SearchHelpers::ReadNextChunk(const std::shared_ptr<Job>& job, std::unique_lock<std::mutex>& lock) {
  if (job->stage != kListed || job->nextChunk >= job->Chunks()) return false;
  const std::size_t chunk = job->nextChunk++;
  lock.unlock();
  Read(*job, chunk);
  lock.lock();
  return true;
}

void SearchHelpers::Read(Job& job, std::size_t chunk) {
  const std::size_t end = std::min(job.files.size(), (chunk + 1) * job.chunk);
  for (std::size_t i = chunk * job.chunk; i < end; ++i) {
    // Past, nobody asks about it any more; its reads end unheard.
    if (job.passed.load(std::memory_order_relaxed)) break;
    const int fd = job.listing->OpenRead(job.files[i]);
    const bool holds = fd >= 0 && SearchOpenFile(engine.fs, fd, needle, SearchIsRunning);
    job.verdicts[i].store(holds ? kHolds : kLacks, std::memory_order_release);
  }
  std::lock_guard<std::mutex> lock(mutex);
  if (walkWaits) done.notify_all();
}

}  // namespace zaltor
