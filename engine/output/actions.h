// What the engine does with a matched file or a visited directory: write it,
// or the user's commands for it, into the two files. The commands are never
// run here.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

struct BuiltinCommand {
  const char* name;
  int arguments;
  int (*handler)(SearchEngine& engine, const char* directory, const FindData* entry);
};

// "dir", "delete", "del", "rmdir", "list": only "dir" does anything.
extern const BuiltinCommand BuiltinCommandTable[5];

// The "rmdir" or "list" row for a directory command, or nullptr.
const BuiltinCommand* FindDirBuiltin(const char* command);

int ApplyFileCommand(SearchEngine& engine, const FindData& entry, const char* directory);
int ApplyDirCommand(SearchEngine& engine, const char* directory);

}  // namespace zaltor
