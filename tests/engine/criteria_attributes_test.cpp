#include <gtest/gtest.h>

#include <string>

#include "engine/criteria/attributes.h"

namespace zaltor {
namespace {

constexpr unsigned kCompressed = 0x800;

struct Criterion {
  bool result;
  SearchRequest request;
};

// Parses as ParseOptions does: the mask starts from zero.
Criterion Parse(const char* text) {
  std::string buffer(text);
  Criterion criterion{0, {}};
  criterion.result = ParseAttributeCriterion(&criterion.request.attrMask,
                                             &criterion.request.attrMode, buffer.data());
  return criterion;
}

bool Passes(const char* text, unsigned attrib) {
  Criterion criterion = Parse(text);
  EXPECT_EQ(criterion.result, true) << text;
  FindData entry;
  entry.SetDetails({attrib, 0, 0});
  return MatchAttributes(criterion.request, entry);
}

TEST(AttributeCriterion, EveryLetterAddsItsBitInEitherCase) {
  Criterion criterion = Parse("aDhRsN");
  EXPECT_EQ(criterion.result, true);
  EXPECT_EQ(criterion.request.attrMask, kAttrAll);
  EXPECT_EQ(criterion.request.attrMode, 0);
  EXPECT_EQ(Parse("R").request.attrMask, static_cast<int>(kAttrReadOnly));
  EXPECT_EQ(Parse("N").request.attrMask, 0);
  EXPECT_EQ(Parse("").result, true);
}

TEST(AttributeCriterion, OnlyTheFirstCharacterBeforeTheColonSelectsExactMatching) {
  for (const char* text : {"M:R", "m:R", "Match:R", "M:"}) {
    EXPECT_EQ(Parse(text).request.attrMode, 'M') << text;
  }
  Criterion other = Parse("X:R");
  EXPECT_EQ(other.result, true);
  EXPECT_EQ(other.request.attrMode, 0);
  EXPECT_EQ(other.request.attrMask, static_cast<int>(kAttrReadOnly));
  EXPECT_EQ(Parse(":R").request.attrMode, 0);
}

TEST(AttributeCriterion, RejectsAnyOtherCharacter) {
  for (const char* text : {"AX", "A R", "M:A:R", "M:AX"}) {
    EXPECT_EQ(Parse(text).result, false) << text;
  }
}

TEST(AttributeCriterion, ExactModeNeedsExactlyTheMasksBits) {
  EXPECT_EQ(Passes("M:AR", kAttrArchive | kAttrReadOnly), true);
  EXPECT_EQ(Passes("M:AR", kAttrArchive | kAttrReadOnly | kAttrHidden), false);
  EXPECT_EQ(Passes("M:AR", kAttrArchive), false);
  EXPECT_EQ(Passes("M:A", kAttrArchive | kCompressed), false);
  EXPECT_EQ(Passes("M:N", 0), true);
  EXPECT_EQ(Passes("M:N", kAttrArchive), false);
  EXPECT_EQ(Passes("M:", 0), true);
}

TEST(AttributeCriterion, AnyModeNeedsOneOfTheMasksBits) {
  EXPECT_EQ(Passes("AR", kAttrArchive), true);
  EXPECT_EQ(Passes("AR", kAttrReadOnly | kAttrHidden), true);
  EXPECT_EQ(Passes("AR", kAttrHidden), false);
  EXPECT_EQ(Passes("AR", 0), false);
  EXPECT_EQ(Passes("D", kAttrDirectory), true);
  EXPECT_EQ(Passes("D", kAttrArchive), false);
}

TEST(AttributeCriterion, EmptyOrFullMaskPassesEveryEntry) {
  for (unsigned attrib : {0u, kAttrArchive, kAttrHidden | kAttrSystem | kCompressed}) {
    EXPECT_EQ(Passes("N", attrib), true);
    EXPECT_EQ(Passes("", attrib), true);
    EXPECT_EQ(Passes("ADHRS", attrib), true);
    EXPECT_EQ(Passes("M:ADHRS", attrib), true);
  }
}

TEST(AttributeCriterion, LeavesTheTextAsItWas) {
  for (const char* text : {"M:AR", "AX"}) {
    std::string buffer(text);
    std::int32_t mask = 0;
    char mode = 0;
    ParseAttributeCriterion(&mask, &mode, buffer.data());
    EXPECT_EQ(buffer, text);
  }
}

}  // namespace
}  // namespace zaltor
