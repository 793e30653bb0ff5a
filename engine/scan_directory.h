// The file loop of the current directory: enumerate it with the name
// pattern, test each entry and act on each match.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// Acts on every match in the current directory; sets the aborted flag when
// the search is stopped.
void ScanCurrentDirectory(SearchEngine& engine);

}  // namespace zaltor
