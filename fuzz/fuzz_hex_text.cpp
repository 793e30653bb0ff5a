// IsHexText and DecodeHex, checked against a plain decoding of the digits.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/content/hex_text.h"

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* input = reinterpret_cast<const char*>(data);
  std::string text(input, strnlen(input, size));
  bool expectHex = text.size() % 2 == 0;
  std::string expected;
  for (std::size_t i = 0; expectHex && i < text.size(); i += 2) {
    int high = DigitValue(text[i]);
    int low = DigitValue(text[i + 1]);
    if (high < 0 || low < 0) {
      expectHex = false;
      break;
    }
    expected.push_back(static_cast<char>(high * 16 + low));
  }
  if (zaltor::IsHexText(text.c_str()) != expectHex) std::abort();

  const std::string before = text;
  std::int32_t length = -1;
  bool decoded = zaltor::DecodeHex(text.data(), &length);
  if (!expectHex) {
    if (decoded || text != before) std::abort();
    return 0;
  }
  if (!decoded || length != static_cast<std::int32_t>(expected.size())) std::abort();
  if (std::memcmp(text.data(), expected.data(), expected.size()) != 0) std::abort();
  return 0;
}
