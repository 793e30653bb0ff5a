// The date and time-of-day criteria: parsers for the option values, the
// checks that reject a reversed range, and the tests applied to an entry's
// local last-write time.
#pragma once

#include <ctime>

#include "engine/search_engine.h"

namespace zaltor {

// "[op]h:mm[a|p]", op one of '@' (at), 'A' (after), 'B' (before), 'R'
// (range), '@' when left out. Fills timeOp, seconds, minutes and hours.
// False when the text is not valid. The text is left as it was.
bool ParseTimeCriterion(char* text, DateTimeCriterion* record);

// "[op]mm/dd/yyyy". Clears the whole record first, so a time parsed into it
// before is lost; then fills dateOp, day, month and year. False when the
// text is not valid. The text is left as it was.
bool ParseDateCriterion(char* text, DateTimeCriterion* record);

// Whether upper lies strictly after lower (hours and minutes, or the
// calendar day); false when either is missing.
bool IsTimeRangeValid(const std::tm* lower, const std::tm* upper);
bool IsDateRangeValid(const std::tm* lower, const std::tm* upper);

// Whether localTime passes op against lower (and upper, for 'R', both ends
// included); false when a needed time is missing or op is unknown. The time
// test ignores the day, the date test the time of day.
bool MatchTimeOfDay(const std::tm* localTime, const std::tm* lower,
                    const std::tm* upper, char op);
bool MatchDate(const std::tm* localTime, const std::tm* lower,
               const std::tm* upper, char op);

}  // namespace zaltor
