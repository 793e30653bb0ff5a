// Reading the option vector into the engine's state for one run.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// ParseOptions results, with the numbers its callers have always seen.
enum ParseResult : int {
  kParseGo = 0,
  kParseOutOfMemory = 7,
  kParseRejected = 9,
};

// Clears the search request.
void ResetRequest(SearchEngine& engine);

// Parses every option, creates the result and batch files with their headers,
// checks the start drive and directory and pushes the start directory.
// kParseGo, kParseRejected or kParseOutOfMemory. The vector's strings may be
// written to.
ParseResult ParseOptions(SearchEngine& engine, int count, char** vector);

// The pattern rules of /fpattern: fills startDirectory (kMaxPath bytes),
// namePattern and allDrives from value.
void ApplyFilePattern(SearchEngine& engine, const char* value, char* startDirectory);

// The range options: kParseGo, or kParseRejected with a field-error report.
ParseResult ParseSizeOption(SearchEngine& engine, char* value);
ParseResult ParseDateOption(SearchEngine& engine, char* value);
ParseResult ParseTimeOption(SearchEngine& engine, char* value);

}  // namespace zaltor
