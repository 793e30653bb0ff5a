// The walk of one start directory: depth-first from an explicit stack, then
// the directory commands, deepest first.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// 1, 6 (the last directory change failed and the user went on) or 2.
int WalkDirectories(SearchEngine& engine);

// Pushes every subdirectory of the current directory (named by path) onto
// the stack, except those whose names begin with '.'; returns how many.
int ListSubdirectories(SearchEngine& engine, DirectoryStack& stack, const char* path);

// Empties both stacks.
void ReleaseDirectoryStacks(SearchEngine& engine);

}  // namespace zaltor
