#include "engine/scan_directory.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/content/content_reader.h"
#include "engine/front_end.h"
#include "engine/match_entry.h"
#include "engine/messages.h"
#include "engine/output/actions.h"
#include "engine/output/output_files.h"

namespace zaltor {

namespace {

// Ends the enumeration however the loop is left.
class Enumeration {
 public:
  Enumeration(FileSystem& fs, const char* pattern, FindData* entry)
      : fs(fs), handle(fs.FindFirst(pattern, entry)) {}
  ~Enumeration() {
    if (handle != kFindFailed) fs.FindClose(handle);
  }
  Enumeration(const Enumeration&) = delete;
  Enumeration& operator=(const Enumeration&) = delete;
  bool found() const { return handle != kFindFailed; }
  bool next(FindData* entry) { return fs.FindNext(handle, entry) == kFsOk; }

 private:
  FileSystem& fs;
  FindHandle handle;
};

// Drops what the reader holds for the directory however the scan is left.
class LeaveDirectory {
 public:
  LeaveDirectory(ContentReader* reader, const char* directory) : reader(reader), directory(directory) {}
  ~LeaveDirectory() {
    if (reader != nullptr) reader->Leave(directory);
  }
  LeaveDirectory(const LeaveDirectory&) = delete;
  LeaveDirectory& operator=(const LeaveDirectory&) = delete;

 private:
  ContentReader* reader;
  std::string directory;
};

// Entries taken from the listing at a time.
constexpr std::size_t kScanWindow = 256;

}  // namespace

void ScanCurrentDirectory(SearchEngine& engine) {
  SearchRequest& request = engine.request;
  char directory[kMaxPath] = {};
  if (engine.fs.GetCwd(directory, sizeof directory) == nullptr) {
    ReportError(request.resultFile, "Could not get current working directory!");
    directory[0] = '\0';
  }
  std::size_t length = std::strlen(directory);
  if (length >= 2 && directory[length - 1] == '\\' && directory[length - 2] != ':') {
    directory[length - 1] = '\0';
  }

  FindData entry;
  Enumeration files(engine.fs, request.namePattern, &entry);
  if (!files.found()) return;
  ContentReader* reader = engine.contentReader;
  LeaveDirectory leave(reader, directory);
  std::vector<FindData>& window = engine.scanWindow;
  // The path of each entry of the window the reader reads; empty for one
  // that fails the other criteria before any content is read.
  std::vector<std::string> paths;
  bool cdWritten = false;
  bool first = true;
  bool listed = true;  // entry holds a listed entry not yet in the window
  while (listed) {
    // The entries are taken a window at a time, so that the reader has the
    // files after the current one at hand while memory stays bounded in a
    // directory of any size.
    window.clear();
    while (listed && window.size() < kScanWindow) {
      window.push_back(entry);
      listed = files.next(&entry);
    }
    if (reader != nullptr) {
      paths.assign(window.size(), std::string());
      for (std::size_t i = 0; i < window.size(); ++i) {
        const FindData& listedEntry = window[i];
        char path[kMaxPath];
        if ((listedEntry.IsDirectory() && listedEntry.name[0] == '.') ||
            !MatchEntryCriteria(engine, listedEntry) || !ContentPath(directory, listedEntry.name, path)) {
          continue;
        }
        paths[i] = path;
      }
      // Ahead of everything queued for later directories.
      std::vector<std::string> batch;
      for (const std::string& path : paths) {
        if (!path.empty()) batch.push_back(path);
      }
      reader->Queue(batch, directory, true);
    }
    for (std::size_t i = 0; i < window.size(); ++i) {
      if (!first && !SearchIsRunning()) {
        engine.flags.aborted = 1;
        return;
      }
      first = false;
      const FindData& current = window[i];
      if (current.IsDirectory() && current.name[0] == '.') continue;
      bool matched = reader != nullptr ? !paths[i].empty() && reader->Found(paths[i])
                                       : MatchEntry(engine, current, directory);
      if (!matched) continue;
      if (!IsWritableName(current.name)) {
        ReportError(request.resultFile,
                    "An entry of \"%s\" has a name that cannot be written safely; it is skipped.\n",
                    directory);
        continue;
      }
      if (request.batchFile != nullptr && !cdWritten) {
        std::fprintf(request.batchFile, NeedsQuotes(directory) ? "cd \"%s\"\n" : "cd %s\n",
                     BatchText(directory).c_str());
        cdWritten = true;
      }
      if (engine.flags.stepExecution && request.batchFile == nullptr && AskStop() == kIdYes) return;
      ApplyFileCommand(engine, current, directory);
      ++request.filesFound;
    }
  }
}

}  // namespace zaltor
