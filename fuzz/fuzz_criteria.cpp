// The date, time, size and attribute parsers, their range options and the
// entry tests. The first byte picks the parser; the rest, up to a NUL, is
// the value text.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "engine/criteria/attributes.h"
#include "engine/criteria/date_time.h"
#include "engine/criteria/size.h"
#include "engine/parse_options.h"
#include "fuzz/fuzz_support.h"
#include "platform/posix/posix_file_system.h"

namespace zaltor::fuzz {
namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// A few entry times around the edges of a day and of the calendar.
const std::tm kTimes[] = {
    {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, nullptr},
    {59, 59, 23, 31, 11, 8099, 0, 0, 0, 0, nullptr},
    {0, 7, 14, 5, 0, 103, 0, 0, 0, 0, nullptr},
};

void FuzzDate(std::string text) {
  const std::string before = text;
  DateTimeCriterion lower;
  bool parsed = ParseDateCriterion(text.data(), &lower);
  Require(text == before);
  if (!parsed) return;
  Require(lower.time.tm_mon >= 0 && lower.time.tm_mon <= 11);
  Require(lower.time.tm_mday >= 1 && lower.time.tm_mday <= 31);
  Require(lower.time.tm_year >= 0);
  Require(!IsDateRangeValid(&lower.time, &lower.time));
  for (const std::tm& t : kTimes) {
    for (char op : {'@', 'A', 'B', 'R', 'x'}) MatchDate(&t, &lower.time, &lower.time, op);
  }
}

void FuzzTime(std::string text) {
  const std::string before = text;
  DateTimeCriterion lower;
  bool parsed = ParseTimeCriterion(text.data(), &lower);
  Require(text == before);
  if (!parsed) return;
  Require(lower.time.tm_hour >= 0 && lower.time.tm_hour <= 23);
  Require(lower.time.tm_min >= 0 && lower.time.tm_min <= 59);
  Require(!IsTimeRangeValid(&lower.time, &lower.time));
  for (const std::tm& t : kTimes) {
    for (char op : {'@', 'A', 'B', 'R', 'x'}) MatchTimeOfDay(&t, &lower.time, &lower.time, op);
  }
}

void FuzzSize(std::string text) {
  const std::string before = text;
  SearchRequest request;
  bool parsed = ParseSizeCriterion(&request.sizeFrom, &request.sizeFromOp, text.data());
  Require(text == before);
  if (!parsed) return;
  Require(request.sizeFromOp >= 0 && request.sizeFromOp <= kSizeRange);
  FindData entry;
  for (std::uint64_t size : {std::uint64_t{0}, request.sizeFrom, ~std::uint64_t{0}}) {
    entry.SetDetails({kAttrArchive, size, 0});
    MatchSize(request, entry);
  }
}

void FuzzAttributes(std::string text) {
  SearchRequest request;
  request.attrMask = 0;
  if (!ParseAttributeCriterion(&request.attrMask, &request.attrMode, text.data())) return;
  Require((request.attrMask & ~kAttrAll) == 0);
  FindData entry;
  for (unsigned attrib : {0u, kAttrArchive, kAttrDirectory | kAttrHidden, 0xffu}) {
    entry.SetDetails({attrib, 0, 0});
    MatchAttributes(request, entry);
  }
}

// The option forms, which split a range at its last dash in place.
void FuzzRangeOption(int which, std::string text) {
  static PosixFileSystem fs("", "/");
  SearchEngine engine(fs);
  ParseResult (*parse)(SearchEngine&, char*) =
      which == 0 ? ParseSizeOption : which == 1 ? ParseDateOption : ParseTimeOption;
  ParseResult result = parse(engine, text.data());
  Require(result == kParseGo || result == kParseRejected);
}

}  // namespace
}  // namespace zaltor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zaltor::fuzz;
  static AnsweringFrontEnd frontEnd;
  if (size == 0) return 0;
  const char* text = reinterpret_cast<const char*>(data + 1);
  std::string value(text, strnlen(text, size - 1));
  switch (data[0] % 7) {
    case 0: FuzzDate(value); break;
    case 1: FuzzTime(value); break;
    case 2: FuzzSize(value); break;
    case 3: FuzzAttributes(value); break;
    default: FuzzRangeOption(data[0] % 7 - 4, value); break;
  }
  return 0;
}
