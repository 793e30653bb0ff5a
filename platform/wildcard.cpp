#include "platform/wildcard.h"

#include <cstring>

namespace zaltor {

namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The greedy-star scan over pattern[0, patternLength).
bool MatchPrefix(const char* pattern, std::size_t patternLength, const char* name) {
  const char* p = pattern;
  const char* patternEnd = pattern + patternLength;
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name != '\0') {
    if (p < patternEnd && *p == '*') {
      star = p++;
      resume = name;
    } else if (p < patternEnd && (*p == '?' || Fold(*p) == Fold(*name))) {
      ++p;
      ++name;
    } else if (star != nullptr) {
      p = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (p < patternEnd && *p == '*') ++p;
  return p == patternEnd;
}

}  // namespace

bool MatchWildcard(const char* pattern, const char* name) {
  std::size_t length = std::strlen(pattern);
  if (MatchPrefix(pattern, length, name)) return true;
  bool trailingDotStar = length >= 2 && pattern[length - 2] == '.' && pattern[length - 1] == '*';
  return trailingDotStar && std::strchr(name, '.') == nullptr && MatchPrefix(pattern, length - 2, name);
}

}  // namespace zaltor
