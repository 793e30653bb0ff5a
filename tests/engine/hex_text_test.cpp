#include <gtest/gtest.h>

#include <string>

#include "engine/content/hex_text.h"

namespace zaltor {
namespace {

TEST(HexText, AcceptsOnlyAnEvenNumberOfHexDigits) {
  for (const char* text : {"", "41", "414243", "aBcDeF", "0123456789"}) {
    EXPECT_EQ(IsHexText(text), true) << text;
  }
  for (const char* text : {"4", "4G", "41 42", " 41", "+41", "0x41", "414", "gg"}) {
    EXPECT_EQ(IsHexText(text), false) << text;
  }
}

TEST(HexText, DecodesPairsOverTheStartOfTheText) {
  std::string text("414243");
  std::int32_t length = -1;
  ASSERT_EQ(DecodeHex(text.data(), &length), true);
  EXPECT_EQ(length, 3);
  EXPECT_EQ(text.substr(0, 3), "ABC");
}

TEST(HexText, DecodesZerosHighBytesAndEitherCase) {
  std::string text("00fF0d0AE9");
  std::int32_t length = -1;
  ASSERT_EQ(DecodeHex(text.data(), &length), true);
  ASSERT_EQ(length, 5);
  EXPECT_EQ(text.substr(0, 5), std::string("\x00\xff\x0d\x0a\xe9", 5));
}

TEST(HexText, NoDigitsDecodeToNoBytes) {
  std::string text;
  std::int32_t length = -1;
  EXPECT_EQ(DecodeHex(text.data(), &length), true);
  EXPECT_EQ(length, 0);
}

TEST(HexText, RejectedTextIsLeftAsItWas) {
  for (const char* input : {"4", "4G", "41 42"}) {
    std::string text(input);
    std::int32_t length = -1;
    EXPECT_EQ(DecodeHex(text.data(), &length), false) << input;
    EXPECT_EQ(text, input);
    EXPECT_EQ(length, -1);
  }
}

}  // namespace
}  // namespace zaltor
