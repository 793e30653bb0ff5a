// The attribute criterion: "[M:]letters", letters A (archive), D
// (directory), H (hidden), R (read-only), S (system) and N (none), in either
// case.
#pragma once

#include <cstdint>

#include "engine/search_engine.h"
#include "platform/file_system.h"

namespace zaltor {

// Adds the letters' bits to *mask (the caller clears it first) and sets
// *mode to 'M' when the text before a colon begins with M or m. False at
// the first character that is not a letter of the list.
bool ParseAttributeCriterion(std::int32_t* mask, char* mode, char* text);

// Whether the entry passes: every entry when the mask is kAttrAll; with
// mode 'M' the entry's bits must equal the mask; otherwise it needs one of
// the mask's bits, or the mask is empty.
bool MatchAttributes(const SearchRequest& request, const FindData& entry);

}  // namespace zaltor
