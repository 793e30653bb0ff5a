#include "engine/match_entry.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "engine/content/content_search.h"
#include "engine/criteria/attributes.h"
#include "engine/criteria/date_time.h"
#include "engine/criteria/size.h"
#include "engine/front_end.h"
#include "engine/text_compare.h"
#include "platform/wildcard.h"

namespace zaltor {

namespace {

// The enumeration lets through more than the pattern's extension says (on
// Windows "*.htm" also returns "page.html" through its short-name alias), so
// the text after the entry's first dot is held against the pattern's again.
bool ExtensionPasses(const char* namePattern, const char* name) {
  const char* patternDot = std::strchr(namePattern, '.');
  if (patternDot == nullptr) return true;
  const char* nameDot = std::strchr(name, '.');
  if (nameDot == nullptr) return true;
  const char* patternExtension = patternDot + 1;
  const char* entryExtension = nameDot + 1;
  // Without a star the extensions must be equal: a '?' only equals a '?'.
  if (std::strchr(patternExtension, '*') == nullptr) {
    return StrICmp(entryExtension, patternExtension) == 0;
  }
  return *entryExtension == '\0' || MatchWildcard(patternExtension, entryExtension);
}

// Runs one of the time tests on the entry's local last-write time; a time
// that cannot be converted fails the test.
bool MatchWriteTime(SearchEngine& engine, const FindData& entry, char op,
                    bool (*test)(const std::tm*, const std::tm*, const std::tm*, char)) {
  std::tm local = {};
  if (!engine.fs.LocalTime(entry.WriteTime(), &local)) return false;
  const SearchRequest& request = engine.request;
  const std::tm* upper = op == 'R' ? &request.dateTimeTo.time : nullptr;
  return test(&local, &request.dateTimeFrom.time, upper, op);
}

}  // namespace

bool MatchEntryCriteria(SearchEngine& engine, const FindData& entry) {
  const SearchRequest& request = engine.request;
  if (!ExtensionPasses(request.namePattern, entry.name)) return false;
  if (request.exactName[0] != '\0' && StrICmp(entry.name, request.exactName) != 0) return false;
  if (!MatchAttributes(request, entry)) return false;
  if (!MatchSize(request, entry)) return false;
  char timeOp = request.dateTimeFrom.timeOp;
  if (timeOp != 0 && !MatchWriteTime(engine, entry, timeOp, MatchTimeOfDay)) return false;
  char dateOp = request.dateTimeFrom.dateOp;
  if (dateOp != 0 && !MatchWriteTime(engine, entry, dateOp, MatchDate)) return false;
  return true;
}

bool ContentPathFits(const char* directory, const char* name) {
  return std::strlen(directory) + 1 + std::strlen(name) < static_cast<std::size_t>(kMaxPath);
}

bool ContentPath(const char* directory, const char* name, char (&path)[kMaxPath]) {
  if (!ContentPathFits(directory, name)) return false;
  // A root directory ends in its backslash, which gives two in a row here;
  // the file system accepts that.
  std::snprintf(path, sizeof path, "%s\\%s", directory, name);
  return true;
}

bool MatchEntry(SearchEngine& engine, const FindData& entry, const char* directory) {
  if (!MatchEntryCriteria(engine, entry)) return false;
  const SearchRequest& request = engine.request;
  if (request.contentBytes == nullptr) return true;
  char path[kMaxPath];
  if (!ContentPath(directory, entry.name, path)) return false;
  return SearchFileContent(engine.fs, path, request.contentNeedle, SearchIsRunning);
}

}  // namespace zaltor
