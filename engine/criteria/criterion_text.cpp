#include "engine/criteria/criterion_text.h"

#include <cctype>

namespace zaltor {

const char* ReadOperatorLetter(const char* text, char* op) {
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  int letter = std::toupper(static_cast<unsigned char>(*text));
  if (letter == '@' || letter == 'A' || letter == 'B' || letter == 'R') {
    *op = static_cast<char>(letter);
    return text + 1;
  }
  *op = '@';
  return text;
}

std::uint64_t ReadDecimal(const char* text) {
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  bool negative = false;
  if (*text == '-' || *text == '+') {
    negative = *text == '-';
    ++text;
  }
  std::uint64_t value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) value = value * 10 + static_cast<std::uint64_t>(*text - '0');
  return negative ? 0 - value : value;
}

}  // namespace zaltor
