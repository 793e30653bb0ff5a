// The date and time-of-day criteria: parsers for the option values, the
// checks that reject a reversed range, and the tests applied to an entry's
// local last-write time.
#pragma once

#include <ctime>

#include "engine/search_engine.h"

namespace zaltor {

// "[op]h:mm[a|p]", op one of '@' (at), 'A' (after), 'B' (before), 'R'
// (range), '@' when left out. Fills timeOp, seconds, minutes and hours.
// 0 on success, 1 on failure. The text is left as it was.
int ParseTimeCriterion(char* text, DateTimeCriterion* record);

// "[op]mm/dd/yyyy". Clears the whole record first, so a time parsed into it
// before is lost; then fills dateOp, day, month and year. 0 on success, 1 on
// failure. The text is left as it was.
int ParseDateCriterion(char* text, DateTimeCriterion* record);

// 1 when upper lies strictly after lower (hours and minutes, or the calendar
// day), 0 when not or when either is missing.
int IsTimeRangeValid(const std::tm* lower, const std::tm* upper);
int IsDateRangeValid(const std::tm* lower, const std::tm* upper);

// 1 when localTime passes op against lower (and upper, for 'R', both ends
// included); 0 otherwise, and 0 when a needed time is missing or op is
// unknown. The time test ignores the day, the date test the time of day.
int MatchTimeOfDay(const std::tm* localTime, const std::tm* lower,
                   const std::tm* upper, char op);
int MatchDate(const std::tm* localTime, const std::tm* lower,
              const std::tm* upper, char op);

}  // namespace zaltor
