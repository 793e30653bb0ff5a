// What the engine does with a matched file or a visited directory: write it,
// or the user's commands for it, into the two files. The commands are never
// run here.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// A command the engine carries out itself; the handler returns false when
// its argument is missing.
struct BuiltinCommand {
  const char* name;
  int arguments;
  bool (*handler)(SearchEngine& engine, const char* directory, const FindData* entry);
};

// "dir", "delete", "del", "rmdir", "list": only "dir" does anything.
extern const BuiltinCommand BuiltinCommandTable[5];

// The "rmdir" or "list" row for a directory command, or nullptr.
const BuiltinCommand* FindDirBuiltin(const char* command);

// The result line, listing or batch lines of a matched file.
void ApplyFileCommand(SearchEngine& engine, const FindData& entry, const char* directory);
// The result and batch lines of a visited directory's commands.
void ApplyDirCommand(SearchEngine& engine, const char* directory);

}  // namespace zaltor
