// Decides whether one enumerated directory entry is a match of the search.
#pragma once

#include "engine/search_engine.h"
#include "platform/file_system.h"

namespace zaltor {

// Whether the entry passes, in this order: the extension re-check against
// namePattern, the exact name, the attribute, size, time-of-day and date
// criteria, and last, when a content text is given, the search of the file
// at directory + '\' + name. The first step that fails ends the test.
bool MatchEntry(SearchEngine& engine, const FindData& entry, const char* directory);

// MatchEntry without the content search.
bool MatchEntryCriteria(SearchEngine& engine, const FindData& entry);

// The path of the file the content search reads: directory + '\' + name
// into path; false when it would exceed 259 characters, and so names no file
// this program opens.
bool ContentPath(const char* directory, const char* name, char (&path)[kMaxPath]);

}  // namespace zaltor
