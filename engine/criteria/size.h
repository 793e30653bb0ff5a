// The size criterion: "[keyword:]number", keyword E, G, GE, L, LE or R in
// either case; a plain number means equal.
#pragma once

#include <cstdint>

#include "engine/search_engine.h"
#include "platform/file_system.h"

namespace zaltor {

// Fills one value and comparison code pair (sizeFrom and sizeFromOp, or
// sizeTo and sizeToOp). With a colon the number is read as atol reads it and
// an unknown keyword leaves the code as it was; without one every character
// must be a digit. False when the text is not valid. The text is left as it
// was.
bool ParseSizeCriterion(std::uint64_t* value, std::int32_t* code, char* text);

// Whether the entry's size passes sizeFromOp (a range includes both ends);
// a code of 0 or an unknown code passes every entry.
bool MatchSize(const SearchRequest& request, const FindData& entry);

}  // namespace zaltor
