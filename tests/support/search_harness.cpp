#include "support/search_harness.h"

#include <cstdlib>
#include <ctime>

#include "engine/run_search.h"

namespace zaltor::testing {

const char kFixedNowText[] = "Sun Jan  5 14:07:00 2003\n";

namespace {

// Every harness run reads local times in UTC, whatever the machine says.
void UseUtc() {
  setenv("TZ", "UTC", 1);
  tzset();
}

}  // namespace

SearchHarness::SearchHarness(const std::string& extraDrives) {
  UseUtc();
  std::string drives = "C=" + tree.root() + ";O=" + output.root();
  if (!extraDrives.empty()) drives += ";" + extraDrives;
  host = std::make_unique<PosixFileSystem>(drives, tree.root());
  fs = std::make_unique<ProxyFileSystem>(*host);
  fs->fixedNow = kFixedNow;
}

SearchOutcome SearchHarness::RunRaw(std::vector<std::string> options) {
  if (!engine) engine = std::make_unique<SearchEngine>(*fs);
  std::vector<char*> vector;
  for (std::string& option : options) vector.push_back(option.data());
  vector.push_back(nullptr);
  SearchOutcome outcome;
  outcome.result = RunSearch(*engine, static_cast<int>(options.size()), vector.data(), &outcome.files,
                             &outcome.dirs);
  outcome.resultText = output.Read("result.txt");
  outcome.batchText = output.Read("batch.bat");
  return outcome;
}

SearchOutcome SearchHarness::Run(std::vector<std::string> options) {
  options.insert(options.end(), {"/of", "O:\\result.txt", "/bf", "O:\\batch.bat"});
  return RunRaw(std::move(options));
}

std::string ResultHeader() {
  return std::string("Generated output file created by ZALTOR V3.2.1.  Do NOT edit!\n"
                     "This file contains all the files ZALTOR found based on\n"
                     "the given search criteria and other statistics information if enabled.\n"
                     "Created on ") +
         kFixedNowText + "\n";
}

std::string BatchHeader() {
  return std::string("@echo off\n"
                     "REM Generated batch file created by ZALTOR V3.2.1.  Do NOT edit!\n"
                     "REM Running this batch file is the sole responsibility/accountability\n"
                     "REM of the user.  By running this batch file, you\n"
                     "REM have agreed to the terms specified in the\n"
                     "REM software license.\n"
                     "REM This file contains all the files ZALTOR found based on\n"
                     "REM the user's given search criteria.\n"
                     "REM Created on ") +
         kFixedNowText + "\n\nREM Setting any environment variable(s) specified.\n";
}

std::string Totals(int files, int dirs) {
  return "\nA total of " + std::to_string(files) +
         " files found based on criteria specified.\nA total of " + std::to_string(dirs) +
         " directories searched/visited.\n";
}

}  // namespace zaltor::testing
