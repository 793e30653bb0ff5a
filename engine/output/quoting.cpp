#include <cstring>

#include "engine/output/output_files.h"

namespace zaltor {

bool NeedsQuotes(const char* text) { return std::strchr(text, ' ') != nullptr; }

std::string QuoteName(const char* text) {
  if (!NeedsQuotes(text)) return text;
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace zaltor
