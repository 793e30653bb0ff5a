// The engine's state for one run: the run flags, the search request, the two directory stacks and the texts kept between
// operations. One SearchEngine serves one search at a time; tests make a
// fresh one for each case.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "engine/content/content_matcher.h"
#include "engine/directory_stack.h"
#include "platform/file_system.h"

namespace zaltor {

class SearchHelpers;

// A command template: 518 characters and the NUL.
constexpr int kMaxCommand = 519;
// The exact-name field.
constexpr int kMaxExactName = 262;

// Size comparison codes.
constexpr int kSizeEqual = 1;
constexpr int kSizeGreater = 2;
constexpr int kSizeGreaterEqual = 3;
constexpr int kSizeLess = 4;
constexpr int kSizeLessEqual = 5;
constexpr int kSizeRange = 6;

// Attribute mask meaning "no attribute criterion": read-only, hidden,
// system, directory and archive together.
constexpr int kAttrAll = 55;

// How a walk step ends. The numbers are RunSearch's results.
enum WalkResult : int {
  kWalkDone = 1,     // on to the next step
  kWalkStop = 2,     // the run failed or was stopped
  kWalkSkipped = 6,  // a directory could not be entered and the user went on
};

struct DateTimeCriterion {
  char dateOp = 0;  // 0, '@', 'A', 'B' or 'R'
  char timeOp = 0;
  std::tm time = {};  // only seconds to years are used; the rest stay 0
};

struct RunFlags {
  int verbose = 0;
  int recurseSubdirs = 0;
  int stepExecution = 0;
  int envWritten = 0;
  int aborted = 0;
};

// What one run searches for and where it writes. Not copyable: it owns the
// content bytes.
struct SearchRequest {
  SearchRequest() = default;
  SearchRequest(SearchRequest&&) = default;
  SearchRequest& operator=(SearchRequest&&) = default;

  std::FILE* resultFile = nullptr;
  std::FILE* batchFile = nullptr;
  char fileCommand[kMaxCommand] = {};
  char dirCommand[kMaxCommand] = {};
  char exactName[kMaxExactName] = {};
  // The text to find in the files, or the bytes of a HEX= value (which may
  // hold zeros); null when the search has none.
  std::unique_ptr<char[]> contentBytes;
  std::int32_t contentLength = 0;
  // contentBytes read for searching, once for the whole run.
  ContentNeedle contentNeedle;
  char namePattern[kMaxPath] = {};
  std::uint64_t sizeFrom = 0;
  std::int32_t sizeFromOp = 0;
  std::uint64_t sizeTo = 0;
  std::int32_t sizeToOp = 0;
  DateTimeCriterion dateTimeFrom;
  DateTimeCriterion dateTimeTo;
  std::int32_t attrMask = 0;
  char attrMode = 0;
  std::int32_t filesFound = 0;
  std::int32_t dirsVisited = 0;
  std::int32_t allDrives = 0;

  // Names the two streams were opened under, for reporting a failed write.
  std::string resultFileName;
  std::string batchFileName;
};

struct SearchEngine {
  explicit SearchEngine(FileSystem& fileSystem) : fs(fileSystem) {}
  SearchEngine(const SearchEngine&) = delete;
  SearchEngine& operator=(const SearchEngine&) = delete;

  FileSystem& fs;
  RunFlags flags;
  SearchRequest request;
  DirectoryStack pendingDirs;
  DirectoryStack visitedDirs;
  char savedDirectory[kMaxPath] = {};
  char lastListedDirectory[kMaxPath] = {};
  // Reused by every SubstituteToken call; a returned text stays valid until
  // the next call.
  std::string substitutionBuffer;
  // The helpers of a content search whose file system lists ahead and
  // reads in parallel, owned by the walk; null otherwise.
  SearchHelpers* searchHelpers = nullptr;
};

// The engine of the process, over the host's file system.
SearchEngine& ProcessEngine();

}  // namespace zaltor
