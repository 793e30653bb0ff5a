// Decides whether one enumerated directory entry is a match of the search.
#pragma once

#include "engine/search_engine.h"
#include "platform/file_system.h"

namespace zaltor {

// Whether the entry passes MatchEntryCriteria and then, when a content text
// is given, the search of the file at directory + '\' + name.
bool MatchEntry(SearchEngine& engine, const FindData& entry, const char* directory);

// Whether the entry passes every criterion but the content search, tested
// in the order written there; the first that fails ends the test.
bool MatchEntryCriteria(SearchEngine& engine, const FindData& entry);

// Whether the path of the file the content search reads, directory + '\' +
// name, fits in 259 characters; a longer one names no file this program
// opens.
bool ContentPathFits(const char* directory, const char* name);

// That path into path; false when it does not fit.
bool ContentPath(const char* directory, const char* name, char (&path)[kMaxPath]);

}  // namespace zaltor
