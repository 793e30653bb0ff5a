#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/front_end.h"
#include "engine/messages.h"
#include "engine/output/output_files.h"

namespace zaltor {

bool WriteEnvironmentLines(SearchEngine& engine, const char* value) {
  if (engine.flags.envWritten) return true;
  if (value == nullptr) return false;
  const std::string list = value;
  bool wrote = false;
  std::size_t start = 0;
  for (;;) {
    std::size_t plus = list.find('+', start);
    std::string assignment = list.substr(start, plus == std::string::npos ? plus : plus - start);
    if (std::count(assignment.begin(), assignment.end(), '=') != 1) {
      ShowMessage("More than one '=' in '%s'! Please correct!", kStyleError, assignment.c_str());
      return false;
    }
    if (std::count(assignment.begin(), assignment.end(), '%') % 2 != 0) {
      ShowMessage("Number of '%%'s not balanced in '%s'! Please correct!", kStyleError,
                  assignment.c_str());
      return false;
    }
    if (engine.request.batchFile != nullptr) {
      std::fprintf(engine.request.batchFile, "SET %s\n", assignment.c_str());
      wrote = true;
    }
    if (plus == std::string::npos || plus + 1 == list.size()) break;
    start = plus + 1;
  }
  if (engine.request.batchFile != nullptr) std::fputs("\n", engine.request.batchFile);
  if (wrote) engine.flags.envWritten = 1;
  return true;
}

}  // namespace zaltor
