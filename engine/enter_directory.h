// Entering a directory of the walk, with the questions its failure asks.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// Makes the path's drive and directory current: kWalkDone entered,
// kWalkSkipped skip it and go on, kWalkStop stop.
WalkResult EnterDirectory(SearchEngine& engine, const char* path);

}  // namespace zaltor
