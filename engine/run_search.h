// The engine's entry: one search from an option vector.
#pragma once

#include <cstdint>

#include "engine/search_engine.h"

namespace zaltor {

// Runs one search. vector holds count writable option strings, with no
// program-name element; the engine may write into them. filesOut and dirsOut,
// when given, receive the run's counts. Returns kWalkStop (2) when the run
// failed or was stopped, else kWalkDone (1), or kWalkSkipped (6) when the
// last directory change failed and the user chose to go on.
int RunSearch(SearchEngine& engine, int count, char** vector, std::uint32_t* filesOut,
              std::uint32_t* dirsOut);

// The same on the process's engine.
int RunSearch(int count, char** vector, std::uint32_t* filesOut, std::uint32_t* dirsOut);

}  // namespace zaltor
