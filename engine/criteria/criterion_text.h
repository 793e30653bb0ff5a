// Reading helpers shared by the criteria parsers. None of them writes into
// the text it reads.
#pragma once

#include <cstdint>

namespace zaltor {

// Reads the operator letter that may begin a date or time value: leading
// white space is skipped, then '@', 'A', 'B' or 'R' (either case) is taken
// as the operator and consumed; anything else leaves the operator '@' and
// is not consumed. Returns the text after the operator.
const char* ReadOperatorLetter(const char* text, char* op);

// atoi's reading (leading white space, an optional sign, then digits up to
// the first non-digit; none gives 0), accumulated modulo 2^64 so that no
// input overflows. Callers narrow the result to the width they need.
std::uint64_t ReadDecimal(const char* text);

}  // namespace zaltor
