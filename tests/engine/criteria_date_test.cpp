#include <gtest/gtest.h>

#include <string>

#include "engine/criteria/date_time.h"

namespace zaltor {
namespace {

std::tm Day(int year, int month, int day, int hours = 0, int minutes = 0) {
  std::tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hours;
  t.tm_min = minutes;
  return t;
}

bool Parse(const char* text, DateTimeCriterion* record) {
  std::string buffer(text);
  return ParseDateCriterion(buffer.data(), record);
}

TEST(DateCriterion, StoresDayMonthAndYearWithTheOperator) {
  DateTimeCriterion record;
  ASSERT_EQ(Parse("A01/31/2003", &record), true);
  EXPECT_EQ(record.dateOp, 'A');
  EXPECT_EQ(record.time.tm_mday, 31);
  EXPECT_EQ(record.time.tm_mon, 0);
  EXPECT_EQ(record.time.tm_year, 103);
  ASSERT_EQ(Parse(" 12/5/1900", &record), true);
  EXPECT_EQ(record.dateOp, '@');
  EXPECT_EQ(record.time.tm_mday, 5);
  EXPECT_EQ(record.time.tm_mon, 11);
  EXPECT_EQ(record.time.tm_year, 0);
  ASSERT_EQ(Parse("r1/2/2003", &record), true);
  EXPECT_EQ(record.dateOp, 'R');
}

TEST(DateCriterion, AcceptsDaysBeyondTheMonthsLength) {
  DateTimeCriterion record;
  EXPECT_EQ(Parse("@02/29/2003", &record), true);
  EXPECT_EQ(Parse("@02/31/2003", &record), true);
}

TEST(DateCriterion, RejectsOutOfRangeOrIncompleteDates) {
  for (const char* text : {"@13/01/2003", "@00/10/2003", "@01/32/2003", "@01/00/2003",
                           "@01/01/1899", "@1/1/03", "@01/2003", "@01012003", "",
                           "@01/01/99999"}) {
    DateTimeCriterion record;
    EXPECT_EQ(Parse(text, &record), false) << text;
  }
}

TEST(DateCriterion, ClearsAnEarlierTimeCriterion) {
  DateTimeCriterion record;
  record.timeOp = 'A';
  record.time.tm_hour = 10;
  record.time.tm_min = 30;
  ASSERT_EQ(Parse("@01/01/2003", &record), true);
  EXPECT_EQ(record.timeOp, 0);
  EXPECT_EQ(record.time.tm_hour, 0);
  EXPECT_EQ(record.time.tm_min, 0);
}

TEST(DateCriterion, LeavesTheTextAsItWas) {
  for (const char* text : {"R01/01/2003", "@13/01/2003", "@01/2003"}) {
    std::string buffer(text);
    DateTimeCriterion record;
    ParseDateCriterion(buffer.data(), &record);
    EXPECT_EQ(buffer, text);
  }
}

TEST(DateCriterion, RangeMustEndOnALaterDay) {
  std::tm jan1 = Day(2003, 1, 1);
  std::tm jan31 = Day(2003, 1, 31);
  std::tm dec31 = Day(2002, 12, 31);
  std::tm feb1 = Day(2003, 2, 1);
  std::tm zero = {};
  EXPECT_EQ(IsDateRangeValid(&jan1, &jan31), true);
  EXPECT_EQ(IsDateRangeValid(&dec31, &jan1), true);  // the year outranks month and day
  EXPECT_EQ(IsDateRangeValid(&jan31, &feb1), true);
  EXPECT_EQ(IsDateRangeValid(&jan31, &jan1), false);
  EXPECT_EQ(IsDateRangeValid(&jan1, &dec31), false);
  EXPECT_EQ(IsDateRangeValid(&jan1, &jan1), false);
  EXPECT_EQ(IsDateRangeValid(&jan1, &zero), false);  // no upper bound parsed
  EXPECT_EQ(IsDateRangeValid(&jan1, nullptr), false);
  EXPECT_EQ(IsDateRangeValid(nullptr, &jan1), false);
}

TEST(DateCriterion, AfterAndBeforeExcludeTheBoundsOwnDay) {
  std::tm bound = Day(2003, 1, 31);
  std::tm nextDayEarly = Day(2003, 2, 1, 0, 1);
  std::tm sameDayLate = Day(2003, 1, 31, 23, 59);
  std::tm dayBefore = Day(2003, 1, 30, 23, 59);
  EXPECT_EQ(MatchDate(&nextDayEarly, &bound, nullptr, 'A'), true);
  EXPECT_EQ(MatchDate(&sameDayLate, &bound, nullptr, 'A'), false);
  EXPECT_EQ(MatchDate(&dayBefore, &bound, nullptr, 'B'), true);
  EXPECT_EQ(MatchDate(&sameDayLate, &bound, nullptr, 'B'), false);
  EXPECT_EQ(MatchDate(&sameDayLate, &bound, nullptr, '@'), true);
  EXPECT_EQ(MatchDate(&nextDayEarly, &bound, nullptr, '@'), false);
}

TEST(DateCriterion, ComparesYearBeforeMonthBeforeDay) {
  std::tm bound = Day(2003, 6, 15);
  std::tm laterYearEarlierMonth = Day(2004, 1, 1);
  std::tm laterMonthEarlierDay = Day(2003, 7, 1);
  std::tm earlierYearLaterMonth = Day(2002, 12, 31);
  EXPECT_EQ(MatchDate(&laterYearEarlierMonth, &bound, nullptr, 'A'), true);
  EXPECT_EQ(MatchDate(&laterMonthEarlierDay, &bound, nullptr, 'A'), true);
  EXPECT_EQ(MatchDate(&earlierYearLaterMonth, &bound, nullptr, 'B'), true);
}

TEST(DateCriterion, RangeIncludesBothDays) {
  std::tm lower = Day(2003, 1, 1);
  std::tm upper = Day(2003, 1, 31);
  for (std::tm inside : {Day(2003, 1, 1, 0, 0), Day(2003, 1, 15), Day(2003, 1, 31, 23, 59)}) {
    EXPECT_EQ(MatchDate(&inside, &lower, &upper, 'R'), true);
  }
  for (std::tm outside : {Day(2002, 12, 31, 23, 59), Day(2003, 2, 1)}) {
    EXPECT_EQ(MatchDate(&outside, &lower, &upper, 'R'), false);
  }
}

TEST(DateCriterion, FailsWithoutItsInputsOrWithAnUnknownOperator) {
  std::tm t = Day(2003, 1, 1);
  EXPECT_EQ(MatchDate(nullptr, &t, &t, '@'), false);
  EXPECT_EQ(MatchDate(&t, nullptr, &t, '@'), false);
  EXPECT_EQ(MatchDate(&t, &t, nullptr, 'R'), false);
  EXPECT_EQ(MatchDate(&t, &t, &t, 'X'), false);
}

}  // namespace
}  // namespace zaltor
