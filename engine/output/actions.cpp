#include "engine/output/actions.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "engine/output/output_files.h"
#include "engine/text_compare.h"

namespace zaltor {

namespace {

bool NoOperation(SearchEngine&, const char*, const FindData*) { return true; }

// The commands of a template, split at ';'. A final ';' adds no empty
// command; empty commands between two ';' are kept.
std::vector<std::string> SplitCommands(const char* templ) {
  std::vector<std::string> commands;
  std::string_view rest = templ;
  for (;;) {
    std::size_t semicolon = rest.find(';');
    commands.emplace_back(rest.substr(0, semicolon));
    if (semicolon == std::string_view::npos || semicolon + 1 == rest.size()) break;
    rest.remove_prefix(semicolon + 1);
  }
  return commands;
}

// One command for a file or directory: the template with "%f" replaced, or
// the command followed by a blank and the quoted name.
std::string CommandLine(SearchEngine& engine, const std::string& command, const std::string& quoted) {
  if (const char* line = SubstituteToken(engine, command.c_str(), "%f", quoted.c_str())) return line;
  return command + " " + quoted;
}

}  // namespace

const BuiltinCommand BuiltinCommandTable[5] = {
    {"dir", 2, ListEntry}, {"delete", 1, NoOperation}, {"del", 1, NoOperation},
    {"rmdir", 1, NoOperation},    {"list", 2, NoOperation},
};

const BuiltinCommand* FindDirBuiltin(const char* command) {
  for (const BuiltinCommand& row : BuiltinCommandTable) {
    if ((std::strcmp(row.name, "rmdir") == 0 || std::strcmp(row.name, "list") == 0) &&
        StrICmp(command, row.name) == 0) {
      return &row;
    }
  }
  return nullptr;
}

void ApplyFileCommand(SearchEngine& engine, const FindData& entry, const char* directory) {
  SearchRequest& request = engine.request;
  const char* name = entry.name;
  if (request.fileCommand[0] == '\0') {
    const char* format = NeedsQuotes(directory) || NeedsQuotes(name) ? "\"%s\\%s\"\n" : "%s\\%s\n";
    if (request.batchFile != nullptr) {
      std::fprintf(request.batchFile, format, BatchText(directory).c_str(), BatchText(name).c_str());
    }
    std::fprintf(request.resultFile, format, directory, name);
    return;
  }
  const std::string quoted = BatchText(QuoteName(name));
  BuiltinCommandTable[0].handler(engine, directory, &entry);
  if (request.batchFile == nullptr) return;
  for (const std::string& command : SplitCommands(request.fileCommand)) {
    std::fprintf(request.batchFile, "REM %s\n", CommandLine(engine, command, quoted).c_str());
    if (engine.flags.stepExecution) std::fputs("pause\n", request.batchFile);
  }
}

void ApplyDirCommand(SearchEngine& engine, const char* directory) {
  SearchRequest& request = engine.request;
  const std::string quoted = QuoteName(directory);
  const std::string batchQuoted = BatchText(quoted);
  for (const std::string& command : SplitCommands(request.dirCommand)) {
    if (const BuiltinCommand* builtin = FindDirBuiltin(command.c_str())) {
      builtin->handler(engine, directory, nullptr);
    }
    if (request.batchFile != nullptr) {
      std::fprintf(request.batchFile, "REM %s\n", CommandLine(engine, command, batchQuoted).c_str());
    }
    std::fprintf(request.resultFile, " %s\n", quoted.c_str());
  }
}

}  // namespace zaltor
