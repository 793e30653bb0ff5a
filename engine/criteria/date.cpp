#include <compare>
#include <cstdint>
#include <cstring>
#include <tuple>

#include "engine/criteria/criterion_text.h"
#include "engine/criteria/date_time.h"

namespace zaltor {

namespace {

// Orders two calendar days: year, then month, then day.
std::strong_ordering CompareDays(const std::tm* a, const std::tm* b) {
  return std::tie(a->tm_year, a->tm_mon, a->tm_mday) <=>
         std::tie(b->tm_year, b->tm_mon, b->tm_mday);
}

}  // namespace

bool ParseDateCriterion(char* text, DateTimeCriterion* record) {
  *record = DateTimeCriterion{};
  const char* date = ReadOperatorLetter(text, &record->dateOp);
  const char* firstSlash = std::strchr(date, '/');
  if (firstSlash == nullptr) return false;
  const char* secondSlash = std::strchr(firstSlash + 1, '/');
  if (secondSlash == nullptr) return false;

  // Each part is a 16-bit quantity, so a huge year wraps and then fails.
  int month = static_cast<std::int16_t>(ReadDecimal(date));
  int day = static_cast<std::int16_t>(ReadDecimal(firstSlash + 1));
  int year = static_cast<std::int16_t>(ReadDecimal(secondSlash + 1));
  // Years are written in full; the day is not held against the month's
  // length, so 02/31 is accepted and simply never equals a real date.
  if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1900) return false;

  record->time.tm_mday = day;
  record->time.tm_mon = month - 1;
  record->time.tm_year = year - 1900;
  return true;
}

bool IsDateRangeValid(const std::tm* lower, const std::tm* upper) {
  if (lower == nullptr || upper == nullptr) return false;
  return CompareDays(upper, lower) > 0;
}

bool MatchDate(const std::tm* localTime, const std::tm* lower,
               const std::tm* upper, char op) {
  if (localTime == nullptr || lower == nullptr) return false;
  std::strong_ordering order = CompareDays(localTime, lower);
  switch (op) {
    case '@': return order == 0;
    case 'A': return order > 0;
    case 'B': return order < 0;
    case 'R':
      if (upper == nullptr) return false;
      return order >= 0 && CompareDays(localTime, upper) <= 0;
    default: return false;
  }
}

}  // namespace zaltor
