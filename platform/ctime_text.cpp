#include <cstdio>

#include "platform/file_system.h"

namespace zaltor {

std::string CTimeText(const std::tm& local) {
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  // A record that did not come from localtime may hold anything; never index
  // past the tables.
  const char* day = local.tm_wday >= 0 && local.tm_wday < 7 ? kDays[local.tm_wday] : "???";
  const char* month = local.tm_mon >= 0 && local.tm_mon < 12 ? kMonths[local.tm_mon] : "???";
  char text[64];
  std::snprintf(text, sizeof text, "%s %s%3d %.2d:%.2d:%.2d %lld\n", day, month, local.tm_mday,
                local.tm_hour, local.tm_min, local.tm_sec, 1900LL + local.tm_year);
  return text;
}

}  // namespace zaltor
