#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zaltor {
namespace {

TEST(Wildcard, FollowsThePlatformsRulesForLongNames) {
  struct Row {
    const char* pattern;
    std::vector<const char*> matches;
    std::vector<const char*> misses;
  };
  const Row rows[] = {
      {"a*b*c", {"abc", "aX.BYc"}, {"aXbY"}},                // '*' takes any run, dots too
      {"ReadMe\xe9", {"README\xe9"}, {"README\xc9"}},        // only ASCII letters fold
      {"*.txt", {".txt", "a.b.TXT"}, {"a.txt.bak"}},         // '*' before '.' stops at the last dot
      {"*.", {"readme", "."}, {"a.b", ".txt"}},
      {"*gz*.*", {"aB.tar.gz"}, {"a.tar.g"}},                // '.' before a wildcard also takes the end
      {"*.*.*", {"readme"}, {}},
      {"a.?", {"a", "a.b"}, {"ab"}},
      {"a.b", {"a.b"}, {"a"}},                               // other dots are themselves
      {"*.*", {"README", ".."}, {}},                         // "*.*" alone is "*"
      {"??.txt", {".txt", "a.txt", "ab.txt"}, {"abc.txt"}},  // '?' takes one, or nothing at a dot
      {"a??", {"a", "abc"}, {"abcd"}},                       // or at the end
      {"a?b", {"axb"}, {"ab"}},                              // but nowhere else
      {"", {""}, {"a"}},
  };
  for (const Row& row : rows) {
    for (const char* name : row.matches) EXPECT_TRUE(MatchWildcard(row.pattern, name)) << row.pattern << " " << name;
    for (const char* name : row.misses) EXPECT_FALSE(MatchWildcard(row.pattern, name)) << row.pattern << " " << name;
  }
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
