// Whether a directory scan needs more of each entry than its name and type.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// True when a criterion reads an entry's size, times or attribute bits, or
// the file command's listing shows its size and time; otherwise the scan
// can take a name-only listing (FileSystem::FindFirstNames). The content
// search needs no details: opening the file tells a regular file from the
// rest.
bool ScanNeedsEntryDetails(const SearchRequest& request);

}  // namespace zaltor
