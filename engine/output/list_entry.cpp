#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "engine/output/output_files.h"
#include "engine/text_compare.h"
#include "engine/text_copy.h"

namespace zaltor {

namespace {

// A directory as the listing compares it: without a final backslash unless
// that backslash follows the drive's colon.
std::string ListingKey(const char* directory) {
  std::string key = directory;
  if (key.size() >= 2 && key.back() == '\\' && key[key.size() - 2] != ':') key.pop_back();
  return key;
}

}  // namespace

bool FormatEntryTime(SearchEngine& engine, std::time_t time, char* dateText, char* timeText) {
  if (dateText == nullptr || timeText == nullptr) return false;
  std::tm local{};
  if (!engine.fs.LocalTime(time, &local)) {
    std::snprintf(dateText, kDateText, "--/--/----");
    std::snprintf(timeText, kTimeText, "--:---");
    return true;
  }
  char wide[32];
  std::snprintf(wide, sizeof wide, "%-2.2d/%-2.2d/%-2.2d", local.tm_mon + 1, local.tm_mday,
                local.tm_year + 1900);
  // The columns have fixed widths; a year past 9999 is cut.
  CopyBounded(dateText, kDateText, wide);
  int hour = local.tm_hour;
  char half = 'a';
  if (hour >= 12) {
    half = 'p';
    if (hour > 12) hour -= 12;
  }
  std::snprintf(wide, sizeof wide, "%-2.2d:%-2.2d%c", hour, local.tm_min, half);
  CopyBounded(timeText, kTimeText, wide);
  return true;
}

bool ListEntry(SearchEngine& engine, const char* directory, const FindData* entry) {
  if (entry == nullptr) return false;
  std::FILE* out = engine.request.resultFile;
  if (directory != nullptr) {
    std::string key = ListingKey(directory);
    if (StrICmp(key.c_str(), engine.lastListedDirectory) != 0) {
      CopyBounded(engine.lastListedDirectory, sizeof engine.lastListedDirectory, key);
      std::fprintf(out, "\n Directory of \"%s\"\n", directory);
      std::fprintf(out, "%-10s %-6s %-15s %s\n", "DATE", "TIME", "SIZE (bytes)", "FILE NAME");
      std::fprintf(out, "%-10s %-6s %-15s %s\n", "----------", "------", "------------", "---------");
    }
  }
  char dateText[kDateText];
  char timeText[kTimeText];
  FormatEntryTime(engine, entry->WriteTime(), dateText, timeText);
  std::fprintf(out, "%-8s %-6s %-15" PRIu64 " %s\n", dateText, timeText, entry->Size(),
               QuoteName(entry->name).c_str());
  return true;
}

}  // namespace zaltor
