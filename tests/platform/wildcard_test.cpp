#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace zaltor {
namespace {

TEST(Wildcard, StarTakesAnyRunIncludingNone) {
  EXPECT_TRUE(MatchWildcard("*.txt", "a.txt"));
  EXPECT_TRUE(MatchWildcard("*.txt", ".txt"));
  EXPECT_TRUE(MatchWildcard("a*b*c", "abc"));
  EXPECT_TRUE(MatchWildcard("a*b*c", "aXXbYYc"));
  EXPECT_FALSE(MatchWildcard("a*b*c", "aXXbYY"));
  EXPECT_FALSE(MatchWildcard("*.txt", "a.txt.bak"));
  EXPECT_TRUE(MatchWildcard("*", "anything"));
  EXPECT_TRUE(MatchWildcard("**txt", "notes.txt"));
  EXPECT_TRUE(MatchWildcard("**txt", "txt"));
}

TEST(Wildcard, QuestionMarkTakesExactlyOne) {
  EXPECT_TRUE(MatchWildcard("rep?rt", "report"));
  EXPECT_FALSE(MatchWildcard("rep?rt", "reprt"));
  EXPECT_FALSE(MatchWildcard("rep?rt", "repoort"));
  EXPECT_TRUE(MatchWildcard("*rep?rt*", "my-rep0rt.doc"));
}

TEST(Wildcard, LettersIgnoreCaseOtherBytesDoNot) {
  EXPECT_TRUE(MatchWildcard("*.TXT", "notes.txt"));
  EXPECT_TRUE(MatchWildcard("ReadMe", "README"));
  EXPECT_FALSE(MatchWildcard("\xe9", "\xc9"));
  EXPECT_FALSE(MatchWildcard("a", "b"));
  EXPECT_FALSE(MatchWildcard("", "a"));
  EXPECT_TRUE(MatchWildcard("", ""));
}

TEST(Wildcard, TrailingDotStarAlsoMatchesNamesWithoutADot) {
  EXPECT_TRUE(MatchWildcard("*.*", "README"));
  EXPECT_TRUE(MatchWildcard("*.*", "a.b.c"));
  EXPECT_TRUE(MatchWildcard("*.*", "."));
  EXPECT_TRUE(MatchWildcard("*.*", ".."));
  EXPECT_TRUE(MatchWildcard("*report*.*", "report"));
  EXPECT_TRUE(MatchWildcard("*report*.*", "Annual-Report.pdf"));
  EXPECT_TRUE(MatchWildcard("notes.*", "notes"));
  EXPECT_FALSE(MatchWildcard("notes.*", "notesX"));
  // A name with a dot gets no such second chance.
  EXPECT_FALSE(MatchWildcard("a.*", "b.txt"));
}

TEST(Wildcard, ManyStarsAgainstALongNameStayFast) {
  std::string name(250, 'a');
  EXPECT_FALSE(MatchWildcard("*a*a*a*a*a*a*a*a*b", name.c_str()));
  name.back() = 'b';
  EXPECT_TRUE(MatchWildcard("*a*a*a*a*a*a*a*a*b", name.c_str()));
}

}  // namespace
}  // namespace zaltor
