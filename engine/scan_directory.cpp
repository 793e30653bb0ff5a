#include "engine/scan_directory.h"

#include <cstdio>
#include <cstring>

#include "engine/entry_details.h"
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
  Enumeration(FileSystem& fs, const char* pattern, FindData* entry, bool withDetails)
      : fs(fs), handle(withDetails ? fs.FindFirst(pattern, entry) : fs.FindFirstNames(pattern, entry)) {}
  ~Enumeration() {
    if (handle != kFindFailed) fs.FindClose(handle);
  }
  Enumeration(const Enumeration&) = delete;
  Enumeration& operator=(const Enumeration&) = delete;
  bool found() const { return handle != kFindFailed; }
  bool next(FindData* entry) { return fs.FindNext(handle, entry) == 0; }

 private:
  FileSystem& fs;
  FindHandle handle;
};

}  // namespace

int ScanDirectory(SearchEngine* engine) {
  if (engine == nullptr) return 3;
  SearchRequest& request = engine->request;
  char directory[kMaxPath] = {};
  if (engine->fs.GetCwd(directory, sizeof directory) == nullptr) {
    ReportError(request.resultFile, "Could not get current working directory!");
    directory[0] = '\0';
  }
  std::size_t length = std::strlen(directory);
  if (length >= 2 && directory[length - 1] == '\\' && directory[length - 2] != ':') {
    directory[length - 1] = '\0';
  }

  FindData entry;
  Enumeration files(engine->fs, request.namePattern, &entry, ScanNeedsEntryDetails(request));
  if (!files.found()) return 0;
  bool cdWritten = false;
  for (bool first = true;; first = false) {
    if (!first) {
      if (!files.next(&entry)) break;
      if (!SearchIsRunning()) {
        engine->flags.aborted = 1;
        break;
      }
    }
    if ((entry.attrib & kAttrDirectory) && entry.name[0] == '.') continue;
    if (MatchEntry(*engine, entry, directory) != 1) continue;
    if (!IsWritableName(entry.name)) {
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
    engine->currentEntry = entry;
    if (engine->flags.stepExecution && request.batchFile == nullptr && AskStop() == kIdYes) break;
    ApplyFileCommand(*engine, entry.name, directory);
    ++request.filesFound;
  }
  return 0;
}

}  // namespace zaltor
