#include "engine/walk_ahead.h"

#include <system_error>
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
  // With the files cached, reads in flight gain nothing past the cores,
  // and listing a directory twice costs more than reading ahead saves.
  const bool waits = engine.fs.ReadsWaitForDevice();
  if (reader == nullptr) {
    if (!waits) return;
    const SearchRequest& request = engine.request;
    try {
      reader = std::make_unique<ContentReader>(engine.fs, request.contentBytes.get(), request.contentLength,
                                               SearchIsRunning, helpers);
    } catch (const std::system_error&) {
      return;  // no thread to be had: the walk reads alone
    }
    engine.contentReader = reader.get();
  }
  reader->UseAllHelpers(waits);
  if (!waits) return;
  if (listed.size() >= kDirectoriesAhead || reader->Held() >= kFilesAhead) return;
  for (const std::string& directory : engine.pendingDirs.top(kDirectoriesAhead)) {
    if (listed.size() >= kDirectoriesAhead || reader->Held() >= kFilesAhead) return;
    if (listed.insert(directory).second) ListAhead(directory);
  }
}

void WalkAhead::Taken(const std::string& directory) {
  listed.erase(directory);
  if (reader != nullptr) reader->Leave(directory);
}

void WalkAhead::ListAhead(const std::string& directory) {
  char pattern[kMaxPath];
  if (!ContentPath(directory.c_str(), engine.request.namePattern, pattern)) return;
  FindData entry;
  FindHandle handle = engine.fs.FindFirst(pattern, &entry);
  if (handle == kFindFailed) return;
  ContentReader& reader = *engine.contentReader;
  // The same choice of files as the scan's, so that what is read here is
  // what the walk will ask about unless the tree changes meanwhile.
  std::size_t room = kFilesAhead - reader.Held();
  std::vector<std::string> paths;
  do {
    char path[kMaxPath];
    if ((entry.IsDirectory() && entry.name[0] == '.') || !MatchEntryCriteria(engine, entry) ||
        !ContentPath(directory.c_str(), entry.name, path)) {
      continue;
    }
    paths.emplace_back(path);
  } while (--room > 0 && engine.fs.FindNext(handle, &entry) == kFsOk);
  engine.fs.FindClose(handle);
  reader.Queue(paths, directory, false);
}

}  // namespace zaltor
