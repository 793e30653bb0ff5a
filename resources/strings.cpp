// The string table: the About menu entry and the controls' tooltips, by id.
#include "resources/resources.h"

namespace zaltor::res {

namespace {

struct StringEntry {
  int id;
  const char* text;
};

const StringEntry kStrings[] = {
    {2, "Exit ZALTOR."},
    {101, "&About ZALTOR32..."},
    {1000, "File pattern/name required to search"},
    {1002, "Format: MM/DD/YYYY. For Range, format: MM/DD/YYYY-MM/DD/YYYY."},
    {1003, "Date specified as ON this date."},
    {1004, "Date specified as AFTER this date."},
    {1005, "Date specified as BEFORE this date."},
    {1006, "Dates specified as a RANGE of dates, inclusively."},
    {1007, "Format: HH:MM. For Range, format: HH:MM-HH:MM."},
    {1008, "Time specified as AT this time."},
    {1009, "Time specified as AFTER this time."},
    {1010, "Time specified as BEFORE this time."},
    {1011, "Times specified as a RANGE of times, inclusively."},
    {1012, "Flag to search sub-directories or not."},
    {1013, "Flag to output simple statistics info of a search or not."},
    {1014, "Flag to insert 'pause' statement in generated batch file or not."},
    {1015, "Search for files/directories with ARCHIVE attribute."},
    {1016, "Search for files/directories with HIDDEN attribute."},
    {1017, "Search for NORMAL files/directories."},
    {1018, "Search for READONLY files/directories."},
    {1019, "Search for SYSTEM files/directories."},
    {1020, "Search for files that are directories, i.e., with the directory attribute."},
    {1021, "Match files with ALL of the checked attributes above."},
    {1022, "Match files with at least one of the checked attributes above."},
    {1023, "Action(s) for all matched files. Click on 'Help' for advanced usage."},
    {1024, "Action(s) for all visited directories. Click on 'Help' for advanced usage."},
    {1025, "Search results.  File name entered manually or using the 'Browse' button."},
    {1026, "Batch file outputs.  File name entered manually or using the 'Browse' button."},
    {1028, "Env variables to be included in batch file. Click on 'help' for usage."},
    {1029, "Format: a number. For Range, format: smaller number-bigger number."},
    {1047, "Start/stop a search"},
    {1049, "File size EQUALs to the specified number."},
    {1050, "File size GREATER than the specified number."},
    {1051, "File size LESS than the specified number."},
    {1052, "File size GREATER than or EQUALs to the specified number."},
    {1053, "File size LESS than or EQUALs to the specified number."},
    {1054, "File size is within the specified RANGE, inclusively."},
    {1056, "Select directory and enter batch file name."},
    {1057, "Select directory and enter output file name."},
    {1074, "Reset to default search criteria."},
    {1076, "Look for words/phrase in matched file. Click on 'Help' for advanced usage."},
    {1080, "Choose a drive or all drives to search.  Default is C:\\ drive."},
    {1081, "View last search results."},
    {1082, "View the batch file generated for last search."},
    {57670, "Online help for all search criteria and examples!"},
};

}  // namespace

const char* LoadResourceString(int id) {
  for (const StringEntry& entry : kStrings) {
    if (entry.id == id) return entry.text;
  }
  return nullptr;
}

}  // namespace zaltor::res
