#include <gtest/gtest.h>

#include <string>

#include "engine/criteria/date_time.h"

namespace zaltor {
namespace {

struct ParsedTime {
  bool result;
  DateTimeCriterion record;
};

ParsedTime Parse(const char* text) {
  std::string buffer(text);
  ParsedTime parsed{0, {}};
  parsed.result = ParseTimeCriterion(buffer.data(), &parsed.record);
  return parsed;
}

std::tm At(int hours, int minutes, int seconds = 0) {
  std::tm t = {};
  t.tm_hour = hours;
  t.tm_min = minutes;
  t.tm_sec = seconds;
  return t;
}

TEST(TimeCriterion, ReadsTheOperatorLetterOrDefaultsToAt) {
  EXPECT_EQ(Parse("R10:00").record.timeOp, 'R');
  EXPECT_EQ(Parse("a10:00").record.timeOp, 'A');
  EXPECT_EQ(Parse("  b10:00").record.timeOp, 'B');
  ParsedTime plain = Parse("10:00");
  EXPECT_EQ(plain.result, true);
  EXPECT_EQ(plain.record.timeOp, '@');
  EXPECT_EQ(plain.record.time.tm_hour, 10);
}

TEST(TimeCriterion, ConvertsTwelveHourTimes) {
  struct Case {
    const char* text;
    int hours;
    int minutes;
  };
  const Case cases[] = {
      {"12:30", 0, 30},   {"12:30a", 0, 30},    {"12:30p", 12, 30},
      {"1:05p", 13, 5},   {"13:05", 13, 5},     {"0:05", 0, 5},
      {"@2:15p", 14, 15}, {"@2:15", 2, 15},     {"@12:00", 0, 0},
      {"@12:00P", 12, 0}, {"10:30 am", 10, 30}, {"10:30xyz", 10, 30},
      {"11:59 pm", 23, 59},
  };
  for (const Case& c : cases) {
    ParsedTime parsed = Parse(c.text);
    EXPECT_EQ(parsed.result, true) << c.text;
    EXPECT_EQ(parsed.record.time.tm_hour, c.hours) << c.text;
    EXPECT_EQ(parsed.record.time.tm_min, c.minutes) << c.text;
    EXPECT_EQ(parsed.record.time.tm_sec, 0) << c.text;
  }
}

TEST(TimeCriterion, RejectsMalformedTimes) {
  for (const char* text : {"25:00", "24:00", "10:60", "13:00p", "0:30a", "10:00:00",
                           "1000", "", "-1:00"}) {
    EXPECT_EQ(Parse(text).result, false) << text;
  }
}

TEST(TimeCriterion, HoursAndMinutesAreSixteenBitQuantities) {
  ParsedTime parsed = Parse("65546:65537");
  EXPECT_EQ(parsed.result, true);
  EXPECT_EQ(parsed.record.time.tm_hour, 10);
  EXPECT_EQ(parsed.record.time.tm_min, 1);
}

TEST(TimeCriterion, LeavesTheTextAndTheDateAsTheyWere) {
  for (const char* text : {"R10:30p", "10:00:00", "13:00p", "1000"}) {
    std::string buffer(text);
    DateTimeCriterion record;
    ParseTimeCriterion(buffer.data(), &record);
    EXPECT_EQ(buffer, text);
  }
  DateTimeCriterion record;
  record.dateOp = 'A';
  record.time.tm_mday = 31;
  record.time.tm_year = 103;
  std::string buffer("B9:15");
  ASSERT_EQ(ParseTimeCriterion(buffer.data(), &record), true);
  EXPECT_EQ(record.dateOp, 'A');
  EXPECT_EQ(record.time.tm_mday, 31);
  EXPECT_EQ(record.time.tm_year, 103);
}

TEST(TimeCriterion, RangeMustEndStrictlyAfterItsStart) {
  std::tm ten = At(10, 0);
  std::tm noon = At(12, 0);
  std::tm midnight = At(0, 0);
  std::tm tenPastTen = At(10, 10);
  std::tm nine = At(9, 0);
  EXPECT_EQ(IsTimeRangeValid(&ten, &noon), true);
  EXPECT_EQ(IsTimeRangeValid(&ten, &tenPastTen), true);
  EXPECT_EQ(IsTimeRangeValid(&ten, &ten), false);
  EXPECT_EQ(IsTimeRangeValid(&ten, &midnight), false);  // "R10:00-12:00": 12:00 is 00:00
  EXPECT_EQ(IsTimeRangeValid(&noon, &nine), false);
  EXPECT_EQ(IsTimeRangeValid(&tenPastTen, &ten), false);
  EXPECT_EQ(IsTimeRangeValid(&ten, nullptr), false);
  EXPECT_EQ(IsTimeRangeValid(nullptr, &noon), false);
}

TEST(TimeCriterion, MatchesTheMinuteAndIgnoresSeconds) {
  std::tm bound = At(14, 15);
  std::tm same = At(14, 15, 59);
  std::tm before = At(14, 14, 59);
  std::tm after = At(14, 16);
  std::tm laterHour = At(15, 0);
  EXPECT_EQ(MatchTimeOfDay(&same, &bound, nullptr, '@'), true);
  EXPECT_EQ(MatchTimeOfDay(&after, &bound, nullptr, '@'), false);
  EXPECT_EQ(MatchTimeOfDay(&after, &bound, nullptr, 'A'), true);
  EXPECT_EQ(MatchTimeOfDay(&laterHour, &bound, nullptr, 'A'), true);
  EXPECT_EQ(MatchTimeOfDay(&same, &bound, nullptr, 'A'), false);
  EXPECT_EQ(MatchTimeOfDay(&before, &bound, nullptr, 'B'), true);
  EXPECT_EQ(MatchTimeOfDay(&same, &bound, nullptr, 'B'), false);
}

TEST(TimeCriterion, RangeIncludesBothEnds) {
  std::tm lower = At(10, 0);
  std::tm upper = At(12, 0);
  for (std::tm inside : {At(10, 0), At(11, 30), At(12, 0, 59)}) {
    EXPECT_EQ(MatchTimeOfDay(&inside, &lower, &upper, 'R'), true);
  }
  for (std::tm outside : {At(9, 59, 59), At(12, 1)}) {
    EXPECT_EQ(MatchTimeOfDay(&outside, &lower, &upper, 'R'), false);
  }
}

TEST(TimeCriterion, IgnoresTheDayOfTheEntry) {
  std::tm bound = At(2, 15);
  std::tm entry = At(2, 15);
  entry.tm_year = 120;
  entry.tm_mon = 6;
  entry.tm_mday = 4;
  EXPECT_EQ(MatchTimeOfDay(&entry, &bound, nullptr, '@'), true);
}

TEST(TimeCriterion, FailsWithoutItsInputsOrWithAnUnknownOperator) {
  std::tm t = At(10, 0);
  EXPECT_EQ(MatchTimeOfDay(nullptr, &t, &t, '@'), false);
  EXPECT_EQ(MatchTimeOfDay(&t, nullptr, &t, '@'), false);
  EXPECT_EQ(MatchTimeOfDay(&t, &t, nullptr, 'R'), false);
  EXPECT_EQ(MatchTimeOfDay(&t, &t, &t, 0), false);
  EXPECT_EQ(MatchTimeOfDay(&t, &t, &t, 'a'), false);
}

}  // namespace
}  // namespace zaltor
