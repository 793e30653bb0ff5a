// The walk of one start directory: depth-first from an explicit stack, then
// the directory commands, deepest first.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// kWalkDone, kWalkSkipped (the last directory change failed and the user
// went on) or kWalkStop.
WalkResult WalkDirectories(SearchEngine& engine);

// Pushes every subdirectory of the current directory, which path names,
// onto the stack, except those whose names begin with '.'; returns how many.
int ListCurrentSubdirectories(SearchEngine& engine, DirectoryStack& stack, const char* path);

// Empties both stacks.
void ReleaseDirectoryStacks(SearchEngine& engine);

}  // namespace zaltor
