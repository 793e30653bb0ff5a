// Runs whole searches for tests: a tree mapped as drive C:, an output
// directory mapped as drive O:, a fixed clock in UTC, a recording front end
// and one engine for all the runs of a harness.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/search_engine.h"
#include "platform/posix/posix_file_system.h"
#include "support/proxy_file_system.h"
#include "support/recording_front_end.h"
#include "support/temp_tree.h"

namespace zaltor::testing {

// 5 January 2003, 14:07:00 UTC: the clock every harness run sees.
constexpr std::time_t kFixedNow = 1041775620;
// Its ctime text, line end included.
extern const char kFixedNowText[];

struct SearchOutcome {
  int result = 0;
  std::uint32_t files = 0;
  std::uint32_t dirs = 0;
  std::string resultText;  // O:\result.txt
  std::string batchText;   // O:\batch.bat, empty when not written
};

class SearchHarness {
 public:
  // extraDrives: more "X=/host/dir" entries after C: and O:.
  explicit SearchHarness(const std::string& extraDrives = "");

  TempTree tree;    // C:
  TempTree output;  // O:
  std::unique_ptr<PosixFileSystem> host;
  std::unique_ptr<ProxyFileSystem> fs;
  std::unique_ptr<SearchEngine> engine;
  RecordingFrontEnd frontEnd;

  // Runs the options as they are, with the engine's current directory at C:\.
  SearchOutcome RunRaw(std::vector<std::string> options);
  // Runs the options followed by "/of O:\result.txt /bf O:\batch.bat".
  SearchOutcome Run(std::vector<std::string> options);
};

// The ten header lines of a batch file and the four of a result file, as
// written at kFixedNow.
std::string ResultHeader();
std::string BatchHeader();
// The two totals lines that end every result file.
std::string Totals(int files, int dirs);

}  // namespace zaltor::testing
