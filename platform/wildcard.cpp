#include "platform/wildcard.h"

#include <cstring>
#include <utility>

namespace zaltor {

namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The steps a name has reached so far: ascending, each once. A pattern has
// fewer than kMaxPath steps, so at most kMaxPath places.
struct Reached {
  std::uint16_t at[kMaxPath];
  int size = 0;

  void Add(int step) {
    if (size == 0 || at[size - 1] < step) at[size++] = static_cast<std::uint16_t>(step);
  }
};

}  // namespace

WildcardPattern::WildcardPattern(const char* pattern) {
  if (std::strlen(pattern) >= static_cast<std::size_t>(kMaxPath)) {
    tooLong = true;
    return;
  }
  if (std::strcmp(pattern, "*.*") == 0) pattern = "*";
  for (const char* p = pattern; *p != '\0'; ++p, ++count) {
    const char next = p[1];
    Step step = Step::kLetter;
    if (*p == '?') {
      step = Step::kOneOrNone;
    } else if (*p == '.' && (next == '?' || next == '*' || next == '\0')) {
      step = Step::kDotOrEnd;
    } else if (*p == '*') {
      step = next == '.' ? Step::kRunToLastDot : Step::kAnyRun;
    }
    steps[count] = step;
    letters[count] = Fold(*p);
  }
  starTail = count;
  while (starTail > 0 && steps[starTail - 1] == Step::kAnyRun) --starTail;
}

bool WildcardPattern::TakesNothing(Step step, char c) {
  switch (step) {
    case Step::kAnyRun:
    case Step::kRunToLastDot:
      return true;
    case Step::kOneOrNone:
      return c == '.' || c == '\0';
    case Step::kDotOrEnd:
      return c == '\0';
    case Step::kLetter:
      break;
  }
  return false;
}

// Walks all the ways through the pattern at once: for each character of the
// name, the steps reached so far, each followed on over the steps that may
// take nothing at that character, give the steps reached after it.
bool WildcardPattern::Matches(const char* name) const {
  if (tooLong) return false;
  const char* lastDot = std::strrchr(name, '.');
  Reached first;
  Reached second;
  Reached* now = &first;
  Reached* after = &second;
  now->Add(0);
  for (const char* p = name;; ++p) {
    const char c = *p;
    after->size = 0;
    int visited = -1;
    for (int i = 0; i < now->size; ++i) {
      int s = now->at[i];
      if (s <= visited) continue;
      for (;; ++s) {
        visited = s;
        if (s == count) {
          if (c == '\0') return true;
          break;
        }
        if (s >= starTail) return true;
        const Step step = steps[s];
        if (c != '\0') {
          switch (step) {
            case Step::kLetter:
              if (Fold(c) == letters[s]) after->Add(s + 1);
              break;
            case Step::kAnyRun:
              after->Add(s);
              break;
            case Step::kRunToLastDot:
              if (c != '.' || p < lastDot) after->Add(s);
              break;
            case Step::kOneOrNone:
              if (c != '.') after->Add(s + 1);
              break;
            case Step::kDotOrEnd:
              if (c == '.') after->Add(s + 1);
              break;
          }
        }
        if (!TakesNothing(step, c)) break;
      }
    }
    if (c == '\0' || after->size == 0) return false;
    std::swap(now, after);
  }
}

bool MatchWildcard(const char* pattern, const char* name) { return WildcardPattern(pattern).Matches(name); }

}  // namespace zaltor
