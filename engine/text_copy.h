// Copying text into fixed fields and trimming it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zaltor {

// Copies text into a buffer of size bytes (size > 0), cutting what does not
// fit; the copy always ends in a NUL.
void CopyBounded(char* buffer, std::size_t size, std::string_view text);

// text without the characters of blanks at either end.
std::string Trimmed(std::string_view text, std::string_view blanks);

}  // namespace zaltor
