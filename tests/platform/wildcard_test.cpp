#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zaltor {
namespace {

// Each row: a pattern, then names it matches and names it does not.
struct Row {
  const char* pattern;
  std::vector<const char*> matches;
  std::vector<const char*> misses;
};

void CheckRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    for (const char* name : row.matches) EXPECT_TRUE(MatchWildcard(row.pattern, name)) << row.pattern << " " << name;
    for (const char* name : row.misses) EXPECT_FALSE(MatchWildcard(row.pattern, name)) << row.pattern << " " << name;
  }
}

TEST(Wildcard, StarTakesAnyRunAndLettersIgnoreCaseOnlyInAscii) {
  CheckRows({
      {"*", {"anything", "a.b.c", "."}, {}},
      {"a*b*c", {"abc", "aXXbYYc", "a.b.c"}, {"aXXbYY"}},
      {"**txt", {"notes.txt", "txt"}, {"notes.tx"}},
      {"*rep*", {"my-report.doc"}, {"rap"}},
      {"ReadMe", {"README", "readme"}, {"readm", "readmee"}},
      {"\xe9", {"\xe9"}, {"\xc9"}},
      {"", {""}, {"a"}},
  });
}

TEST(Wildcard, StarBeforeADotStopsAtTheNamesLastDot) {
  CheckRows({
      {"*.txt", {"a.txt", ".txt", "a.b.txt", "notes.TXT"}, {"a.txt.bak", "atxt"}},
      {"*.", {"readme", ".", ".."}, {"a.txt", ".txt", "a.b"}},
      {"*gz*.*", {"aB.tar.gz", "gz", "a.gz.b"}, {"a.tar.g"}},
      {"a*.c", {"ab.c", "a.b.c"}, {"ab.cc"}},
  });
}

TEST(Wildcard, QuestionMarkTakesOneOrNothingAtADotOrTheEnd) {
  CheckRows({
      {"a?.txt", {"a.txt", "ab.txt", "A.TXT"}, {"abc.txt"}},
      {"??.txt", {".txt", "a.txt", "ab.txt"}, {"abc.txt"}},
      {"rep?rt", {"report"}, {"reprt", "repoort"}},
      {"a??", {"a", "ab", "abc"}, {"abcd"}},
      {"a?b", {"axb"}, {"ab", "a.b"}},
      {"*?", {"a", "a.b"}, {}},
      {"*.t?t", {"a.txt", "a.b.tXt"}, {"a.tt", "a.t", "a.text"}},
  });
}

TEST(Wildcard, DotBeforeAWildcardOrAtTheEndAlsoMatchesTheEnd) {
  CheckRows({
      {"*.*", {"README", "a.b.c", ".", ".."}, {}},
      {"*.*.*", {"readme", "a.txt", "a.b.c"}, {}},
      {"notes.*", {"notes", "notes.txt", "notes.a.b"}, {"notesX"}},
      {"a.?", {"a", "a.b"}, {"ab", "a.bc"}},
      {"a.", {"a"}, {"a.b", "ab"}},
      {"a.b", {"a.b"}, {"a", "ab"}},
  });
}

TEST(Wildcard, PatternsBeyondThePathLimitMatchNothing) {
  std::string pattern(kMaxPath - 2, 'a');
  pattern += '*';
  EXPECT_TRUE(MatchWildcard(pattern.c_str(), std::string(kMaxPath - 2, 'a').c_str()));
  pattern += '*';
  EXPECT_FALSE(MatchWildcard(pattern.c_str(), std::string(kMaxPath - 2, 'a').c_str()));
}

TEST(Wildcard, ManyWildcardsAgainstALongNameStayFast) {
  std::string name(250, 'a');
  std::string pattern;
  for (int i = 0; i < 60; ++i) pattern += "*a?";
  pattern += ".b";
  EXPECT_FALSE(MatchWildcard(pattern.c_str(), name.c_str()));
  name += ".b";
  EXPECT_TRUE(MatchWildcard(pattern.c_str(), name.c_str()));
}

}  // namespace
}  // namespace zaltor
