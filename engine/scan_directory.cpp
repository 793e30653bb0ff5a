#include "engine/scan_directory.h"

#include <cstdio>
#include <cstring>

#include "engine/content/search_helpers.h"
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
      : fs(fs), handle_(fs.FindFirst(pattern, entry)) {}
  ~Enumeration() {
    if (handle_ != kFindFailed) fs.FindClose(handle_);
  }
  Enumeration(const Enumeration&) = delete;
  Enumeration& operator=(const Enumeration&) = delete;
  bool found() const { return handle_ != kFindFailed; }
  bool next(FindData* entry) { return fs.FindNext(handle_, entry) == kFsOk; }

 private:
  FileSystem& fs;
  FindHandle handle_;
};

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
  SearchHelpers* helpers = engine.searchHelpers;
  bool cdWritten = false;
  for (bool first = true, listed = true; listed; first = false, listed = files.next(&entry)) {
    if (!first && !SearchIsRunning()) {
      engine.flags.aborted = 1;
      return;
    }
    const FindData& current = entry;
    if (current.IsDirectory() && current.name[0] == '.') continue;
    bool matched = false;
    if (helpers == nullptr) {
      matched = MatchEntry(engine, current, directory);
    } else if (char path[kMaxPath]; MatchEntryCriteria(engine, current) && ContentPath(directory, current.name, path)) {
      matched = helpers->Found(current.name, path);
    }
    if (!matched) continue;
    if (!IsWritableName(current.name)) {
      ReportError(request.resultFile,
                  "An entry of \"%s\" has a name that cannot be written safely; it is skipped.\n", directory);
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

}  // namespace zaltor
