#include <cstring>

#include "engine/output/output_files.h"

namespace zaltor {

// The batch file is a script: a name holding a blank or one of cmd's
// special characters would split a line or start another command unless it
// stands in double quotes.
bool NeedsQuotes(const char* text) { return std::strpbrk(text, " &|<>^(),;=%") != nullptr; }

bool IsWritableName(const char* name) {
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(name); *c != '\0'; ++c) {
    if (*c < 32 || *c == '\\' || *c == '"') return false;
  }
  return true;
}

std::string QuoteName(const char* text) {
  if (!NeedsQuotes(text)) return text;
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string BatchText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    escaped += c;
    if (c == '%') escaped += '%';
  }
  return escaped;
}

}  // namespace zaltor
