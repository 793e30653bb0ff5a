#include "engine/scan_directory.h"

#include <cstdio>
#include <cstring>

#include "engine/content/search_helpers.h"
#include "engine/dot_directories.h"
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

// The current directory as the lines of both files name it: a root keeps
// its backslash, any other directory has none at its end.
void CurrentDirectory(SearchEngine& engine, char (&directory)[kMaxPath]) {
  if (engine.fs.GetCwd(directory, sizeof directory) == nullptr) {
    ReportError(engine.request.resultFile, "Could not get current working directory!");
    directory[0] = '\0';
  }
  std::size_t length = std::strlen(directory);
  if (length >= 2 && directory[length - 1] == '\\' && directory[length - 2] != ':') {
    directory[length - 1] = '\0';
  }
}

// Whether the entry is a match; a content search asks the helpers that read
// ahead of the walk, when it has them.
bool IsMatch(SearchEngine& engine, const FindData& entry, const char* directory) {
  if (IsDotDirectory(entry)) return false;
  SearchHelpers* helpers = engine.searchHelpers;
  if (helpers == nullptr) return MatchEntry(engine, entry, directory);
  return MatchEntryCriteria(engine, entry) && ContentPathFits(directory, entry.name) &&
         helpers->Found(entry.name, directory);
}

// A match into both files: the batch file's "cd" line before the first of
// the directory, the question of step execution, the entry's lines and the
// count. False when the user stops at the question.
bool RecordMatch(SearchEngine& engine, const FindData& entry, const char* directory, bool& cdWritten) {
  SearchRequest& request = engine.request;
  if (!IsWritableName(entry.name)) {
    ReportError(request.resultFile,
                "An entry of \"%s\" has a name that cannot be written safely; it is skipped.\n", directory);
    return true;
  }
  if (request.batchFile != nullptr && !cdWritten) {
    std::fprintf(request.batchFile, NeedsQuotes(directory) ? "cd \"%s\"\n" : "cd %s\n",
                 BatchText(directory).c_str());
    cdWritten = true;
  }
  if (engine.flags.stepExecution && request.batchFile == nullptr && AskStop() == kIdYes) return false;
  ApplyFileCommand(engine, entry, directory);
  ++request.filesFound;
  return true;
}

}  // namespace

void ScanCurrentDirectory(SearchEngine& engine) {
  char directory[kMaxPath] = {};
  CurrentDirectory(engine, directory);
  FindData entry;
  Enumeration files(engine.fs, engine.request.namePattern, &entry);
  if (!files.found()) return;
  bool cdWritten = false;
  for (bool first = true, listed = true; listed; first = false, listed = files.next(&entry)) {
    if (!first && !SearchIsRunning()) {
      engine.flags.aborted = 1;
      return;
    }
    if (IsMatch(engine, entry, directory) && !RecordMatch(engine, entry, directory, cdWritten)) return;
  }
}

}  // namespace zaltor
