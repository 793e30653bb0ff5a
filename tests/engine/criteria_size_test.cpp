#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/criteria/size.h"

namespace zaltor {
namespace {

struct ParsedSize {
  bool result;
  std::uint64_t value;
  std::int32_t code;
};

ParsedSize Parse(const char* text, std::int32_t code = 0) {
  std::string buffer(text);
  ParsedSize parsed{0, 12345, code};
  parsed.result = ParseSizeCriterion(&parsed.value, &parsed.code, buffer.data());
  EXPECT_EQ(buffer, text) << "the parser must leave its text as it was";
  return parsed;
}

bool Passes(const char* criterion, std::uint64_t size, const char* upper = nullptr) {
  SearchRequest request;
  ParsedSize from = Parse(criterion);
  EXPECT_EQ(from.result, true) << criterion;
  request.sizeFrom = from.value;
  request.sizeFromOp = from.code;
  if (upper != nullptr) {
    ParsedSize to = Parse(upper);
    request.sizeTo = to.value;
    request.sizeToOp = kSizeRange;
  }
  FindData entry;
  entry.SetDetails({kAttrArchive, size, 0});
  return MatchSize(request, entry);
}

TEST(SizeCriterion, ReadsEveryKeywordInEitherCase) {
  EXPECT_EQ(Parse("E:5").code, kSizeEqual);
  EXPECT_EQ(Parse("g:5").code, kSizeGreater);
  EXPECT_EQ(Parse("ge:5").code, kSizeGreaterEqual);
  EXPECT_EQ(Parse("L:5").code, kSizeLess);
  EXPECT_EQ(Parse("Le:5").code, kSizeLessEqual);
  EXPECT_EQ(Parse("R:5").code, kSizeRange);
}

TEST(SizeCriterion, UnknownKeywordLeavesTheCodeAsItWas) {
  ParsedSize unknown = Parse("X:5");
  EXPECT_EQ(unknown.result, true);
  EXPECT_EQ(unknown.code, 0);
  EXPECT_EQ(unknown.value, 5u);
  EXPECT_EQ(Parse("GEE:5", kSizeLess).code, kSizeLess);
  EXPECT_EQ(Parse(":5", kSizeLess).code, kSizeLess);
}

TEST(SizeCriterion, ReadsTheValueAfterAColonAsAtolDoes) {
  EXPECT_EQ(Parse("E:1k").value, 1u);
  EXPECT_EQ(Parse("E: 42 bytes").value, 42u);
  EXPECT_EQ(Parse("E:").value, 0u);
  EXPECT_EQ(Parse("E:+7").value, 7u);
  EXPECT_EQ(Parse("E:-1").value, UINT64_MAX);
  EXPECT_EQ(Parse("E:1:2").value, 1u);  // only the first colon separates
}

TEST(SizeCriterion, PlainNumberMeansEqualAndMustBeAllDigits) {
  ParsedSize plain = Parse("1024");
  EXPECT_EQ(plain.result, true);
  EXPECT_EQ(plain.code, kSizeEqual);
  EXPECT_EQ(plain.value, 1024u);
  ParsedSize empty = Parse("");
  EXPECT_EQ(empty.result, true);
  EXPECT_EQ(empty.code, kSizeEqual);
  EXPECT_EQ(empty.value, 0u);
  for (const char* text : {"1k", " 1024", "-5", "+5", "10 24"}) {
    EXPECT_EQ(Parse(text).result, false) << text;
  }
}

TEST(SizeCriterion, SizesAreSixtyFourBit) {
  EXPECT_EQ(Parse("6000000000").value, 6000000000u);
  EXPECT_EQ(Parse("18446744073709551617").value, 1u);  // accumulated modulo 2^64
  EXPECT_EQ(Passes("G:4294967296", 5368709120u), true);
  EXPECT_EQ(Passes("G:4294967296", 4294967296u), false);
  EXPECT_EQ(Passes("4294967297", 1), false);
}

TEST(SizeCriterion, ComparesBySizeCode) {
  EXPECT_EQ(Passes("GE:1024", 1024), true);
  EXPECT_EQ(Passes("GE:1024", 1023), false);
  EXPECT_EQ(Passes("G:1024", 1024), false);
  EXPECT_EQ(Passes("G:1024", 1025), true);
  EXPECT_EQ(Passes("L:1024", 1023), true);
  EXPECT_EQ(Passes("L:1024", 1024), false);
  EXPECT_EQ(Passes("LE:1024", 1024), true);
  EXPECT_EQ(Passes("LE:1024", 1025), false);
  EXPECT_EQ(Passes("1024", 1024), true);
  EXPECT_EQ(Passes("1024", 1025), false);
}

TEST(SizeCriterion, RangeIncludesBothEnds) {
  EXPECT_EQ(Passes("R:100", 100, "200"), true);
  EXPECT_EQ(Passes("R:100", 200, "200"), true);
  EXPECT_EQ(Passes("R:100", 99, "200"), false);
  EXPECT_EQ(Passes("R:100", 201, "200"), false);
}

TEST(SizeCriterion, NoOrUnknownCodePassesEveryEntry) {
  EXPECT_EQ(Passes("X:5", 12345), true);
  SearchRequest request;
  request.sizeFromOp = 9;
  FindData entry;
  entry.SetDetails({kAttrArchive, 3, 0});
  EXPECT_EQ(MatchSize(request, entry), true);
}

}  // namespace
}  // namespace zaltor
