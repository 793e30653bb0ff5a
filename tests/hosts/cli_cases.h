// Searches whose whole output must be the same on every host: the same tree,
// the same options, the same result and batch files (line ends aside). The
// Linux command-line test and the Windows test under Wine both run them.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_tree.h"

namespace zaltor::testing {

// 5 January 2003, 14:07 UTC, the last-write time of every file of a case.
constexpr std::time_t kCaseFileTime = 1041775620;

struct CliCase {
  const char* name;
  std::vector<std::string> files;  // '/'-separated below the tree, each holding its content
  std::vector<std::string> contents;
  std::vector<std::string> dirs;
  // Options; the tree is drive M:, the output directory drive N:.
  std::vector<std::string> options;
  int exitCode;
  // After the header, totals included; a failed run (exit code 2) has
  // written no headers.
  std::string resultBody;
  std::string batchBody;
  // Symbolic links to directories: where, and what they point at.
  std::vector<std::pair<std::string, std::string>> links = {};
};

const std::vector<CliCase>& CliCases();

// A name pattern and the names it finds in M:\names, which holds the files
// of NameCaseFiles().
struct NameCase {
  const char* pattern;
  // By the platform's rules for long names, narrowed by the engine's
  // extension re-check.
  std::vector<std::string> found;
  // Wine's own answer where its matching departs from those rules: the run
  // under Wine checks and reports this one instead.
  std::optional<std::vector<std::string>> foundUnderWine = std::nullopt;
};

const std::vector<std::string>& NameCaseFiles();
const std::vector<NameCase>& NameCases();

// Builds a case's tree.
void BuildCaseTree(const CliCase& c, const TempTree& tree);

// The output with line ends made "\n" and every time stamp taken out, so
// outputs made at different moments and on different hosts compare equal.
std::string Normalise(const std::string& text);

// The two headers as Normalise leaves them.
std::string NormalisedResultHeader();
std::string NormalisedBatchHeader();

}  // namespace zaltor::testing
