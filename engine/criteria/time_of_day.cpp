#include <cstdint>
#include <cstring>

#include "engine/criteria/criterion_text.h"
#include "engine/criteria/date_time.h"

namespace zaltor {

namespace {

// Minutes since midnight: orders two times of day with one comparison.
int MinuteOfDay(const std::tm* t) { return t->tm_hour * 60 + t->tm_min; }

}  // namespace

bool ParseTimeCriterion(char* text, DateTimeCriterion* record) {
  char op = 0;
  const char* time = ReadOperatorLetter(text, &op);
  const char* colon = std::strchr(time, ':');
  if (colon == nullptr || std::strchr(colon + 1, ':') != nullptr) return false;

  // The hour and minutes are 16-bit quantities: "65536:00" reads as 0:00.
  unsigned hours = static_cast<std::uint16_t>(ReadDecimal(time));
  if (hours > 23) return false;
  bool twelveHour = hours >= 1 && hours <= 12;
  const char* suffix = std::strpbrk(time, "PApa");
  if (suffix != nullptr && !twelveHour) return false;
  unsigned minutes = static_cast<std::uint16_t>(ReadDecimal(colon + 1));
  if (minutes > 59) return false;

  if (twelveHour) {
    bool afternoon = suffix != nullptr && (*suffix == 'P' || *suffix == 'p');
    if (afternoon && hours < 12) hours += 12;
    if (!afternoon && hours == 12) hours = 0;
  }
  record->timeOp = op;
  record->time.tm_sec = 0;
  record->time.tm_min = static_cast<int>(minutes);
  record->time.tm_hour = static_cast<int>(hours);
  return true;
}

bool IsTimeRangeValid(const std::tm* lower, const std::tm* upper) {
  if (lower == nullptr || upper == nullptr) return false;
  return MinuteOfDay(upper) > MinuteOfDay(lower);
}

bool MatchTimeOfDay(const std::tm* localTime, const std::tm* lower,
                    const std::tm* upper, char op) {
  if (localTime == nullptr || lower == nullptr) return false;
  int entry = MinuteOfDay(localTime);
  int bound = MinuteOfDay(lower);
  switch (op) {
    case '@': return entry == bound;
    case 'A': return entry > bound;
    case 'B': return entry < bound;
    case 'R':
      if (upper == nullptr) return false;
      return bound <= entry && entry <= MinuteOfDay(upper);
    default: return false;
  }
}

}  // namespace zaltor
