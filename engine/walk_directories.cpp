#include "engine/walk_directories.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "engine/content/search_helpers.h"
#include "engine/dot_directories.h"
#include "engine/front_end.h"
#include "engine/enter_directory.h"
#include "engine/messages.h"
#include "engine/output/actions.h"
#include "engine/output/output_files.h"
#include "engine/scan_directory.h"
#include "engine/walk_order.h"

namespace zaltor {

namespace {

// Helpers reading files besides the walk: one while the files are cached,
// where the second core is all there is to gain; all of them once reads
// wait for the device, where four take little more than half the time of
// one, and eight gain a tenth more for twice the threads.
constexpr int kReadHelpers = 4;

// Phase 1: visit every pending directory, listing its subdirectories before
// scanning its files. Returns false when the walk ends early. helpers, when
// given, work ahead of the visits for the content search.
bool VisitDirectories(SearchEngine& engine, WalkResult& result, SearchHelpers* helpers) {
  SearchRequest& request = engine.request;
  // Only the directory commands need the visited paths again; without them
  // a count will do, and memory stays bounded by the pending directories.
  const bool keepVisited = engine.flags.recurseSubdirs && request.dirCommand[0] != '\0';
  std::int32_t visited = 0;
  while (!engine.pendingDirs.empty()) {
    std::string dir = engine.pendingDirs.pop();
    if (helpers != nullptr) helpers->Visit(dir);
    ++visited;
    if (keepVisited) engine.visitedDirs.push(dir);
    result = EnterDirectory(engine, dir.c_str());
    if (result == kWalkSkipped) continue;
    if (result == kWalkStop) return false;
    if (engine.flags.recurseSubdirs) {
      int found = ListCurrentSubdirectories(engine, engine.pendingDirs, dir.c_str());
      // The walk takes these next: the host may have them read by the time
      // it gets there. The first to be taken is hinted last, as the newest
      // hint is read first. A content search's helpers list ahead
      // themselves, and with the files cached another thread listing
      // directories beside theirs pays only while reads wait for the device.
      if (found > 0) {
        const std::vector<std::string> next = engine.pendingDirs.top(static_cast<std::size_t>(found));
        if (helpers != nullptr) helpers->Known(next);
        if (helpers == nullptr || engine.fs.ReadsWaitForDevice()) {
          for (auto child = next.rbegin(); child != next.rend(); ++child) engine.fs.ReadDirectoryAhead(child->c_str());
        }
      }
      if (engine.flags.verbose) {
        std::fprintf(request.resultFile, "\n%ld sub-directories found in \"%s\".\n",
                     static_cast<long>(found), dir.c_str());
      }
    }
    const std::int32_t filesBefore = request.filesFound;
    ShowStatus("Searching directory \"%s\"...", dir.c_str());
    if (!SearchIsRunning()) {
      engine.flags.aborted = 1;
      return false;
    }
    ScanCurrentDirectory(engine);
    if (!SearchIsRunning()) {
      engine.flags.aborted = 1;
      return false;
    }
    if (engine.flags.verbose) {
      std::fprintf(request.resultFile, "%ld files found in \"%s\" that match search critera.\n",
                   static_cast<long>(request.filesFound - filesBefore), dir.c_str());
    }
  }
  request.dirsVisited += visited;
  return true;
}

// The directory a visited path's command runs in: its parent, or the drive
// root for a directory at the top of a drive.
std::string ParentDirectory(const std::string& path, std::size_t lastSlash) {
  if (lastSlash > 0 && path[lastSlash - 1] == ':') return path.substr(0, lastSlash + 1);
  return path.substr(0, lastSlash);
}

// Phase 2: the directory commands, in the reverse of the visiting order.
void ApplyDirectoryCommands(SearchEngine& engine, WalkResult& result) {
  SearchRequest& request = engine.request;
  bool headerWritten = false;
  for (std::int32_t remaining = engine.visitedDirs.count(); remaining > 0; --remaining) {
    std::string path = engine.visitedDirs.pop();
    std::size_t lastSlash = path.rfind('\\');
    if (path.find(':') == std::string::npos || lastSlash == std::string::npos ||
        lastSlash + 1 == path.size()) {
      continue;
    }
    result = EnterDirectory(engine, ParentDirectory(path, lastSlash).c_str());
    if (result == kWalkStop) return;
    if (engine.flags.stepExecution && request.batchFile == nullptr && AskStop() == kIdYes) {
      result = kWalkStop;
      return;
    }
    if (!SearchIsRunning()) {
      engine.flags.aborted = 1;
      return;
    }
    if (!headerWritten && request.resultFile != nullptr) {
      std::fputs("\n\fAll sub-directories found/visited\n", request.resultFile);
      std::fputs("----------------------------------\n", request.resultFile);
      headerWritten = true;
    }
    ApplyDirCommand(engine, path.c_str());
    if (!SearchIsRunning()) {
      engine.flags.aborted = 1;
      return;
    }
  }
}

}  // namespace

int ListCurrentSubdirectories(SearchEngine& engine, DirectoryStack& stack, const char* path) {
  FindData entry;
  FindHandle handle = engine.fs.FindFirst("*.*", &entry);
  if (handle == kFindFailed) return 0;
  int count = 0;
  do {
    if (!entry.IsDirectory() || IsDotDirectory(entry)) continue;
    if (!IsWritableName(entry.name)) {
      ReportError(engine.request.resultFile,
                  "A subdirectory of \"%s\" has a name that cannot be written safely; it is not searched.\n",
                  path);
      continue;
    }
    std::string child = ChildPath(path, entry.name);
    if (child.size() >= static_cast<std::size_t>(kMaxPath)) {
      ReportError(engine.request.resultFile, "Path '%s' is too long to be searched.\n",
                  child.c_str());
      continue;
    }
    stack.push(std::move(child));
    ++count;
  } while (engine.fs.FindNext(handle, &entry) == kFsOk);
  engine.fs.FindClose(handle);
  return count;
}

void ReleaseDirectoryStacks(SearchEngine& engine) {
  while (!engine.pendingDirs.empty()) engine.pendingDirs.pop();
  while (!engine.visitedDirs.empty()) engine.visitedDirs.pop();
}

WalkResult WalkDirectories(SearchEngine& engine) {
  WalkResult result = kWalkDone;
  // A content search reads ahead of the walk where the file system allows,
  // but not when a question comes before each match: a file is then read
  // only once the questions before it have been answered, as it always was.
  std::unique_ptr<SearchHelpers> helpers;
  bool questionEachMatch = engine.flags.stepExecution && engine.request.batchFile == nullptr;
  if (engine.request.contentBytes != nullptr && engine.fs.ReadsInParallel() && !questionEachMatch) {
    try {
      helpers = std::make_unique<SearchHelpers>(engine, kReadHelpers);
    } catch (const std::system_error&) {
      // No thread to be had: the walk reads alone.
    }
  }
  engine.searchHelpers = helpers.get();
  if (VisitDirectories(engine, result, helpers.get()) && engine.flags.recurseSubdirs &&
      engine.request.dirCommand[0] != '\0' && engine.visitedDirs.count() > 0) {
    ApplyDirectoryCommands(engine, result);
  }
  engine.searchHelpers = nullptr;
  helpers.reset();
  engine.fs.DropDirectoriesAhead();
  ShowStatus("Please wait while cleaning up.  This can take a couple minutes...");
  ReleaseDirectoryStacks(engine);
  return result;
}

}  // namespace zaltor
