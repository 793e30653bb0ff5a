#include "support/search_harness.h"

#include <cstdlib>
#include <ctime>

#include "engine/run_search.h"
#include "support/file_headers.h"

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

std::string ResultHeader() { return ExpectedResultHeader(kFixedNowText); }

std::string BatchHeader() { return ExpectedBatchHeader(kFixedNowText); }

std::string Totals(int files, int dirs) {
  return "\nA total of " + std::to_string(files) +
         " files found based on criteria specified.\nA total of " + std::to_string(dirs) +
         " directories searched/visited.\n";
}

}  // namespace zaltor::testing
