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
  endTail = count;
  while (endTail > 0 && steps[endTail - 1] != Step::kLetter) --endTail;
  starThenLetters = count > 0 && (steps[0] == Step::kAnyRun || steps[0] == Step::kRunToLastDot);
  for (int i = 1; starThenLetters && i < count; ++i) starThenLetters = steps[i] == Step::kLetter;
}

// Walks all the ways through the pattern at once: for each character of the
// name, the steps reached so far, each followed on over the steps that may
// take nothing at that character, give the steps reached after it.
bool WildcardPattern::Matches(const char* name) const {
  if (tooLong) return false;
  if (starThenLetters) {
    const std::size_t letterCount = static_cast<std::size_t>(count - 1);
    const std::size_t length = std::strlen(name);
    if (length < letterCount) return false;
    const char* tail = name + length - letterCount;
    for (std::size_t i = 0; i < letterCount; ++i) {
      if (Fold(tail[i]) != letters[i + 1]) return false;
    }
    return true;
  }
  const char* lastDot = std::strrchr(name, '.');
  Reached first;
  Reached second;
  Reached* now = &first;
  Reached* after = &second;
  now->Add(0);
  for (const char* p = name; *p != '\0'; ++p) {
    // From a lone '*' before a letter only that letter moves on: the
    // characters before it are passed over at once.
    if (now->size == 1) {
      const int s = now->at[0];
      if (s + 1 < count && steps[s] == Step::kAnyRun && steps[s + 1] == Step::kLetter) {
        while (*p != '\0' && Fold(*p) != letters[s + 1]) ++p;
        if (*p == '\0') break;
      }
    }
    const char c = *p;
    const char folded = Fold(c);
    after->size = 0;
    int visited = -1;
    for (int i = 0; i < now->size; ++i) {
      int s = now->at[i];
      if (s <= visited) continue;
      for (bool onward = true; onward; ++s) {
        visited = s;
        if (s >= starTail) {
          if (s < count) return true;
          break;
        }
        switch (steps[s]) {
          case Step::kLetter:
            if (folded == letters[s]) after->Add(s + 1);
            onward = false;
            break;
          case Step::kAnyRun:
            after->Add(s);
            break;
          case Step::kRunToLastDot:
            if (c != '.' || p < lastDot) after->Add(s);
            break;
          case Step::kOneOrNone:
            if (c != '.') {
              after->Add(s + 1);
              onward = false;
            }
            break;
          case Step::kDotOrEnd:
            if (c == '.') after->Add(s + 1);
            onward = false;
            break;
        }
      }
    }
    if (after->size == 0) return false;
    std::swap(now, after);
  }
  // Every step but a letter may take nothing at the end of the name.
  return now->at[now->size - 1] >= endTail;
}

bool MatchWildcard(const char* pattern, const char* name) { return WildcardPattern(pattern).Matches(name); }

}  // namespace zaltor
