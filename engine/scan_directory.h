// The file loop of one directory: enumerate it with the name pattern, test
// each entry and act on each match.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// Scans the current directory; 0, or 3 without an engine. May set the
// aborted flag.
int ScanDirectory(SearchEngine* engine);

}  // namespace zaltor
