// Name matching with the wildcard rules of the Windows enumeration.
#pragma once

namespace zaltor {

// '*' any run of characters (none included), '?' exactly one character,
// ASCII letters compared without regard to case; a trailing ".*" also
// matches a name that has no dot, so "*.*" matches every name and
// "*report*.*" matches "report". Time is at worst the product of the two
// lengths: a mismatch only ever returns to the last '*'.
bool MatchWildcard(const char* pattern, const char* name);

}  // namespace zaltor
