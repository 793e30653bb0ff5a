// The size, date and time options: a value is split at its last '-' into a
// lower and an upper bound; a range whose upper bound does not lie above its
// lower one is refused.
#include <cstring>

#include "engine/criteria/date_time.h"
#include "engine/criteria/size.h"
#include "engine/front_end.h"
#include "engine/messages.h"
#include "engine/parse_options.h"

namespace zaltor {

namespace {

enum class Bound { kLower, kUpper };

// What a range option needs of its criterion.
struct RangeCriterion {
  // Reads a bound's text into the request, the upper one as the end of a
  // range; false when the text is not valid.
  bool (*parse)(SearchRequest& request, char* text, Bound bound);
  // False for a range whose upper bound does not lie above its lower one.
  bool (*rangeValid)(const SearchRequest& request);
  // The field's label and control in the report of a refused value.
  const char* label;
  int controlId;
  // Whether a refused lower bound is reported with its operator: the size's
  // is a keyword and a colon, the date's and time's a letter that is left out.
  bool reportsOperator;
};

// The dash a range is split at; the split is undone by Restore.
struct RangeSplit {
  explicit RangeSplit(char* value) : dash(std::strrchr(value, '-')) {
    if (dash != nullptr) *dash = '\0';
  }
  void Restore() {
    if (dash != nullptr) *dash = '-';
  }
  char* dash;
};

// The lower bound's text without its operator character; an empty value has
// none to drop.
const char* WithoutOperator(const char* value) { return *value != '\0' ? value + 1 : value; }

ParseResult Refuse(const char* shown, const RangeCriterion& criterion) {
  ReportFieldError(shown, criterion.label, criterion.controlId);
  return kParseRejected;
}

ParseResult ParseRangeOption(SearchEngine& engine, char* value, const RangeCriterion& criterion) {
  SearchRequest& request = engine.request;
  RangeSplit split(value);
  if (split.dash != nullptr && !criterion.parse(request, split.dash + 1, Bound::kUpper)) {
    return Refuse(value, criterion);
  }
  if (!criterion.parse(request, value, Bound::kLower)) {
    return Refuse(criterion.reportsOperator ? value : WithoutOperator(value), criterion);
  }
  if (!criterion.rangeValid(request)) {
    split.Restore();
    return Refuse(value, criterion);
  }
  return kParseGo;
}

bool ParseSizeBound(SearchRequest& request, char* text, Bound bound) {
  if (bound == Bound::kLower) return ParseSizeCriterion(&request.sizeFrom, &request.sizeFromOp, text);
  if (!ParseSizeCriterion(&request.sizeTo, &request.sizeToOp, text)) return false;
  request.sizeToOp = kSizeRange;
  return true;
}

bool SizeRangeValid(const SearchRequest& request) {
  return request.sizeFromOp != kSizeRange || request.sizeFrom <= request.sizeTo;
}

// A date or time bound: Parse fills the lower or the upper record, Op is
// the operator of the record it sets.
template <bool (*Parse)(char*, DateTimeCriterion*), char DateTimeCriterion::*Op>
bool ParseDateTimeBound(SearchRequest& request, char* text, Bound bound) {
  DateTimeCriterion& record = bound == Bound::kLower ? request.dateTimeFrom : request.dateTimeTo;
  if (!Parse(text, &record)) return false;
  if (bound == Bound::kUpper) record.*Op = 'R';
  return true;
}

template <char DateTimeCriterion::*Op, bool (*Valid)(const std::tm*, const std::tm*)>
bool DateTimeRangeValid(const SearchRequest& request) {
  return request.dateTimeFrom.*Op != 'R' || Valid(&request.dateTimeFrom.time, &request.dateTimeTo.time);
}

constexpr RangeCriterion kSizeCriterion = {ParseSizeBound, SizeRangeValid, "Size:", kControlSize, true};
constexpr RangeCriterion kDateCriterion = {ParseDateTimeBound<ParseDateCriterion, &DateTimeCriterion::dateOp>,
                                           DateTimeRangeValid<&DateTimeCriterion::dateOp, IsDateRangeValid>,
                                           "Date:", kControlDate, false};
constexpr RangeCriterion kTimeCriterion = {ParseDateTimeBound<ParseTimeCriterion, &DateTimeCriterion::timeOp>,
                                           DateTimeRangeValid<&DateTimeCriterion::timeOp, IsTimeRangeValid>,
                                           "Time:", kControlTime, false};

}  // namespace

ParseResult ParseSizeOption(SearchEngine& engine, char* value) {
  return ParseRangeOption(engine, value, kSizeCriterion);
}

ParseResult ParseDateOption(SearchEngine& engine, char* value) {
  return ParseRangeOption(engine, value, kDateCriterion);
}

ParseResult ParseTimeOption(SearchEngine& engine, char* value) {
  return ParseRangeOption(engine, value, kTimeCriterion);
}

}  // namespace zaltor
