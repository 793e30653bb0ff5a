#include <gtest/gtest.h>

#include "platform/file_system.h"

namespace zaltor {
namespace {

TEST(CTimeText, MatchesTheCtimeLayout) {
  std::tm t = {};
  t.tm_year = 80;
  t.tm_mon = 0;
  t.tm_mday = 2;
  t.tm_wday = 3;
  t.tm_hour = 2;
  t.tm_min = 3;
  t.tm_sec = 55;
  EXPECT_EQ(CTimeText(t), "Wed Jan  2 02:03:55 1980\n");
  t.tm_mday = 28;
  t.tm_mon = 11;
  t.tm_wday = 0;
  t.tm_year = 125;
  EXPECT_EQ(CTimeText(t), "Sun Dec 28 02:03:55 2025\n");
}

TEST(CTimeText, OutOfRangeFieldsDoNotReadPastTheNames) {
  std::tm t = {};
  t.tm_wday = 9;
  t.tm_mon = -1;
  t.tm_mday = 1;
  t.tm_year = 100;
  EXPECT_EQ(CTimeText(t), "??? ???  1 00:00:00 2000\n");
}

}  // namespace
}  // namespace zaltor
