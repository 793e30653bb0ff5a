// Case-insensitive comparisons in the C runtime's manner (_stricmp,
// _strnicmp): ASCII letters folded, every other byte compared as it is, so
// the answers do not depend on the host's locale.
#pragma once

#include <cstddef>

namespace zaltor {

// Below 0, 0 or above 0 as a sorts before, with or after b; StrNICmp looks
// at count bytes at the most.
int StrICmp(const char* a, const char* b);
int StrNICmp(const char* a, const char* b, std::size_t count);

}  // namespace zaltor
