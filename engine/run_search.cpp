#include "engine/run_search.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/front_end.h"
#include "engine/enter_directory.h"
#include "engine/messages.h"
#include "engine/parse_options.h"
#include "engine/walk_directories.h"

namespace zaltor {

namespace {

// Flushes and closes an output stream; false when any write to it failed,
// so a full disk is never reported as success. Standard output is flushed
// but stays open: the process and any later run still write to it.
bool CloseOutput(std::FILE*& stream) {
  if (stream == nullptr) return true;
  bool ok = std::fflush(stream) == 0 && !std::ferror(stream);
  if (stream == stdout) {
    std::clearerr(stream);
  } else {
    ok = std::fclose(stream) == 0 && ok;
  }
  stream = nullptr;
  return ok;
}

// Walks the root of every drive after C:, in letter order.
void WalkOtherDrives(SearchEngine& engine, WalkResult& result, bool& stampEnd) {
  char lastDrive = 'C';
  for (int drive = 1; drive <= 26; ++drive) {
    if (!SearchIsRunning()) {
      engine.flags.aborted = 1;
      return;
    }
    if (result == kWalkDone) {
      ShowStatus("Search completed on drive '%c:'.  Continue to next drive...", lastDrive);
    } else if (ShowMessage("Error(s) occurred when searching drive '%c:'! Continue to the next drive?",
                           kStyleErrorQuestion, lastDrive) != kIdYes) {
      stampEnd = false;
      return;
    }
    if (drive == 3 || engine.fs.ChDrive(drive) != kFsOk) continue;
    lastDrive = static_cast<char>('A' + drive - 1);
    const char root[] = {lastDrive, ':', '\\', '\0'};
    ShowStatus("Searching drive '%c:'...", lastDrive);
    if (!SearchIsRunning()) {
      engine.flags.aborted = 1;
      return;
    }
    engine.pendingDirs.push(root);
    result = WalkDirectories(engine);
    if (!SearchIsRunning()) {
      engine.flags.aborted = 1;
      return;
    }
  }
}

}  // namespace

int RunSearch(SearchEngine& engine, int count, char** vector, std::uint32_t* filesOut,
              std::uint32_t* dirsOut) {
  if (engine.fs.GetCwd(engine.savedDirectory, sizeof engine.savedDirectory) == nullptr) {
    ShowMessage("Cannot get the current working directory!", kStyleError);
    return kWalkStop;
  }
  ResetRequest(engine);
  SearchRequest& request = engine.request;
  WalkResult result = kWalkStop;
  if (ParseOptions(engine, count, vector) == kParseGo) {
    if (engine.flags.verbose) WriteTimeStamp(engine, 1, request.resultFile);
    result = WalkDirectories(engine);
    bool stampEnd = true;
    if (request.allDrives) WalkOtherDrives(engine, result, stampEnd);
    if (stampEnd && engine.flags.verbose) WriteTimeStamp(engine, 0, request.resultFile);
  } else {
    engine.flags.aborted = 1;
    ReleaseDirectoryStacks(engine);
  }

  if (filesOut != nullptr) *filesOut = static_cast<std::uint32_t>(request.filesFound);
  if (dirsOut != nullptr) *dirsOut = static_cast<std::uint32_t>(request.dirsVisited);
  if (request.resultFile != nullptr) {
    std::fprintf(request.resultFile, "\nA total of %ld files found based on criteria specified.\n",
                 static_cast<long>(request.filesFound));
    std::fprintf(request.resultFile, "A total of %ld directories searched/visited.\n",
                 static_cast<long>(request.dirsVisited));
  }

  const std::string batchName = request.batchFileName;
  const std::string resultName = request.resultFileName.empty() ? "(standard output)" : request.resultFileName;
  const bool batchWritten = CloseOutput(request.batchFile);
  const bool resultWritten = CloseOutput(request.resultFile);
  if (!batchWritten) {
    ShowMessage("Could not write batch file '%s'.", kStyleError, batchName.c_str());
    engine.flags.aborted = 1;
  }
  if (!resultWritten) {
    ShowMessage("Could not write output file '%s'.", kStyleError, resultName.c_str());
    engine.flags.aborted = 1;
  }

  EnterDirectory(engine, engine.savedDirectory);
  return engine.flags.aborted ? kWalkStop : result;
}

int RunSearch(int count, char** vector, std::uint32_t* filesOut, std::uint32_t* dirsOut) {
  return RunSearch(ProcessEngine(), count, vector, filesOut, dirsOut);
}

}  // namespace zaltor
