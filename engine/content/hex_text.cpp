#include "engine/content/hex_text.h"

#include <cstring>

namespace zaltor {

namespace {

// The value of a hexadecimal digit, or -1 for any other character.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool IsHexText(const char* text) {
  std::size_t length = std::strlen(text);
  if (length % 2 != 0) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (DigitValue(text[i]) < 0) return false;
  }
  return true;
}

bool DecodeHex(char* text, std::int32_t* outLength) {
  if (!IsHexText(text)) return false;
  std::size_t count = std::strlen(text) / 2;
  for (std::size_t i = 0; i < count; ++i) {
    int value = DigitValue(text[2 * i]) * 16 + DigitValue(text[2 * i + 1]);
    text[i] = static_cast<char>(value);
  }
  *outLength = static_cast<std::int32_t>(count);
  return true;
}

}  // namespace zaltor
