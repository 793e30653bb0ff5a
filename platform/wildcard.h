// Name matching with the wildcard rules of the Windows enumeration for long
// names. Windows also matches a name's short 8.3 alias; that is its own
// extra, and the engine's extension re-check undoes most of what it adds.
#pragma once

#include <cstdint>

#include "platform/file_system.h"

namespace zaltor {

// The pattern is first read by position, as the platform's file API hands it
// to the file system:
//   - "*.*" alone is "*";
//   - every '?' is a one-or-none;
//   - a '.' followed by '?' or '*', or ending the pattern, is a dot-or-end;
//   - a '*' followed by '.' is a star-to-last-dot;
//   - anything else stands for itself ('<', '>' and '"' too: names here may
//     hold them).
// A name matches when the pattern takes all of it, left to right:
//   - '*' takes any run of characters, none included;
//   - a star-to-last-dot takes any run up to the name's last '.': it takes a
//     '.' only when another '.' follows later in the name;
//   - a one-or-none takes one character, or nothing at a '.' or at the end
//     of the name (so a run of them takes nothing there);
//   - a dot-or-end takes a '.', or nothing at the end of the name;
//   - any other character takes itself, ASCII letters without regard to case.
// So "*.*.*" matches "readme" and "*gz*.*" matches "aB.tar.gz"; "*.txt"
// matches "a.b.txt" but "*." only names without a dot; "a?.txt" matches
// "a.txt" and "ab.txt", "a?b" does not match "ab".
//
// A pattern is read once and then matched against any number of names, with
// no allocation; a match takes at worst the product of the two lengths. A
// pattern of kMaxPath characters or more matches nothing.
class WildcardPattern {
 public:
  explicit WildcardPattern(const char* pattern);

  bool Matches(const char* name) const;

 private:
  enum class Step : std::uint8_t { kLetter, kAnyRun, kRunToLastDot, kOneOrNone, kDotOrEnd };

  Step steps[kMaxPath - 1];
  char letters[kMaxPath - 1];  // folded, for kLetter steps
  int count = 0;
  bool tooLong = false;
  // The steps from here to the end are all '*': a name that reaches any of
  // them matches whatever follows. count when the pattern has no such tail.
  int starTail = 0;
  // The steps from here to the end are no letters: a name that has reached
  // any of them when it ends matches.
  int endTail = 0;
  // A star and then letters only ("*.txt", "*.tar.gz"): a name matches when
  // it ends in those letters, whatever dots it holds before them.
  bool starThenLetters = false;
};

bool MatchWildcard(const char* pattern, const char* name);

}  // namespace zaltor
