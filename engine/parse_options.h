// Reading the option vector into the engine's state for one run.
#pragma once

#include "engine/search_engine.h"

namespace zaltor {

// ParseOptions results.
constexpr int kParseGo = 0;
constexpr int kParseOutOfMemory = 7;
constexpr int kParseRejected = 9;

// Clears the search request, freeing what it owns.
void ResetRequest(SearchEngine& engine);

// Parses every option, creates the result and batch files with their headers,
// checks the start drive and directory and pushes the start directory.
// 0 go, 9 rejected, 7 out of memory. The vector's strings may be written to.
int ParseOptions(SearchEngine& engine, int count, char** vector);

// The pattern rules of /fpattern: fills startDirectory (kMaxPath bytes),
// namePattern and allDrives from value.
void ApplyFilePattern(SearchEngine& engine, const char* value, char* startDirectory);

// The range options: 0 accepted, 9 rejected with a field-error report.
int ParseSizeOption(SearchEngine& engine, char* value);
int ParseDateOption(SearchEngine& engine, char* value);
int ParseTimeOption(SearchEngine& engine, char* value);

}  // namespace zaltor
