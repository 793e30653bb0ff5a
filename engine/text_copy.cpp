#include "engine/text_copy.h"

#include <algorithm>
#include <cstring>

namespace zaltor {

void CopyBounded(char* buffer, std::size_t size, std::string_view text) {
  std::size_t length = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

std::string Trimmed(std::string_view text, std::string_view blanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

}  // namespace zaltor
