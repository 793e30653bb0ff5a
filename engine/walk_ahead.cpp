#include "engine/walk_ahead.h"

#include <system_error>
#include <utility>
#include <vector>

#include "engine/front_end.h"
#include "engine/match_entry.h"

namespace zaltor {

namespace {

// The window ahead of the walk: at most this many pending directories
// listed, and this many files queued, under way or read and not yet asked
// about (each costs its path and a few words; a file's bytes are never
// kept, only whether it holds the text). The directory being searched adds
// at most its scan window of 256 to the files.
constexpr std::size_t kDirectoriesAhead = 64;
constexpr std::size_t kFilesAhead = 1024;

}  // namespace

WalkAhead::~WalkAhead() {
  engine.contentReader = nullptr;
}

void WalkAhead::ListNext() {
  if (reader == nullptr) {
    const SearchRequest& request = engine.request;
    try {
      reader = std::make_unique<ContentReader>(engine.fs, request.contentBytes.get(), request.contentLength,
                                               SearchIsRunning, helpers);
    } catch (const std::system_error&) {
      return;  // no thread to be had: the walk reads alone
    }
    engine.contentReader = reader.get();
  }
  // With the files cached, reads in flight gain nothing past the cores.
  reader->UseAllHelpers(engine.fs.ReadsWaitForDevice());
  // Once full, the window is filled again only when half of it is gone, so
  // that a helper waiting for work is woken once for many directories.
  std::size_t files = reader->Held();
  if (listed.size() >= kDirectoriesAhead || files >= kFilesAhead) {
    filling = false;
  } else if (!filling && listed.size() <= kDirectoriesAhead / 2 && files <= kFilesAhead / 2) {
    filling = true;
  }
  if (!filling) return;
  // Listed in the order the walk takes them, within the window, then
  // queued the other way round: each goes before those queued earlier.
  std::vector<std::pair<std::string, std::vector<std::string>>> next;
  for (std::string& directory : engine.pendingDirs.top(kDirectoriesAhead)) {
    if (listed.size() >= kDirectoriesAhead || files >= kFilesAhead) break;
    if (!listed.insert(directory).second) continue;
    std::vector<std::string> paths = ListAhead(directory, kFilesAhead - files);
    files += paths.size();
    next.emplace_back(std::move(directory), std::move(paths));
  }
  for (auto directory = next.rbegin(); directory != next.rend(); ++directory) {
    reader->Queue(directory->second, directory->first, false);
  }
}

void WalkAhead::Taken(const std::string& directory) {
  listed.erase(directory);
  if (reader != nullptr) reader->Leave(directory);
}

std::vector<std::string> WalkAhead::ListAhead(const std::string& directory, std::size_t room) {
  std::vector<std::string> paths;
  char pattern[kMaxPath];
  if (!ContentPath(directory.c_str(), engine.request.namePattern, pattern)) return paths;
  FindData entry;
  FindHandle handle = engine.fs.FindFirst(pattern, &entry);
  if (handle == kFindFailed) return paths;
  // The same choice of files as the scan's, so that what is read here is
  // what the walk will ask about unless the tree changes meanwhile.
  do {
    char path[kMaxPath];
    if ((entry.IsDirectory() && entry.name[0] == '.') || !MatchEntryCriteria(engine, entry) ||
        !ContentPath(directory.c_str(), entry.name, path)) {
      continue;
    }
    paths.emplace_back(path);
  } while (--room > 0 && engine.fs.FindNext(handle, &entry) == kFsOk);
  engine.fs.FindClose(handle);
  return paths;
}

}  // namespace zaltor
