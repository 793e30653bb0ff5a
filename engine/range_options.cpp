// The size, date and time options: a value is split at its last '-' into a
// lower and an upper bound; a range whose upper bound does not lie above its
// lower one is refused.
#include <cstring>

#include "engine/criteria/date_time.h"
#include "engine/criteria/size.h"
#include "engine/front_end.h"
#include "engine/output/output_files.h"
#include "engine/parse_options.h"

namespace zaltor {

namespace {

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

}  // namespace

ParseResult ParseSizeOption(SearchEngine& engine, char* value) {
  SearchRequest& request = engine.request;
  RangeSplit split(value);
  if (split.dash != nullptr) {
    if (!ParseSizeCriterion(&request.sizeTo, &request.sizeToOp, split.dash + 1)) {
      ReportFieldError(value, "Size:", kControlSize);
      return kParseRejected;
    }
    request.sizeToOp = kSizeRange;
  }
  if (!ParseSizeCriterion(&request.sizeFrom, &request.sizeFromOp, value)) {
    ReportFieldError(value, "Size:", kControlSize);
    return kParseRejected;
  }
  if (request.sizeFromOp == kSizeRange && request.sizeFrom > request.sizeTo) {
    split.Restore();
    ReportFieldError(value, "Size:", kControlSize);
    return kParseRejected;
  }
  return kParseGo;
}

ParseResult ParseDateOption(SearchEngine& engine, char* value) {
  SearchRequest& request = engine.request;
  RangeSplit split(value);
  if (split.dash != nullptr) {
    if (!ParseDateCriterion(split.dash + 1, &request.dateTimeTo)) {
      ReportFieldError(value, "Date:", kControlDate);
      return kParseRejected;
    }
    request.dateTimeTo.dateOp = 'R';
  }
  if (!ParseDateCriterion(value, &request.dateTimeFrom)) {
    ReportFieldError(WithoutOperator(value), "Date:", kControlDate);
    return kParseRejected;
  }
  if (request.dateTimeFrom.dateOp == 'R' &&
      !IsDateRangeValid(&request.dateTimeFrom.time, &request.dateTimeTo.time)) {
    split.Restore();
    ReportFieldError(value, "Date:", kControlDate);
    return kParseRejected;
  }
  return kParseGo;
}

ParseResult ParseTimeOption(SearchEngine& engine, char* value) {
  SearchRequest& request = engine.request;
  RangeSplit split(value);
  if (split.dash != nullptr) {
    if (!ParseTimeCriterion(split.dash + 1, &request.dateTimeTo)) {
      ReportFieldError(value, "Time:", kControlTime);
      return kParseRejected;
    }
    request.dateTimeTo.timeOp = 'R';
  }
  if (!ParseTimeCriterion(value, &request.dateTimeFrom)) {
    ReportFieldError(WithoutOperator(value), "Time:", kControlTime);
    return kParseRejected;
  }
  if (request.dateTimeFrom.timeOp == 'R' &&
      !IsTimeRangeValid(&request.dateTimeFrom.time, &request.dateTimeTo.time)) {
    split.Restore();
    ReportFieldError(value, "Time:", kControlTime);
    return kParseRejected;
  }
  return kParseGo;
}

}  // namespace zaltor
