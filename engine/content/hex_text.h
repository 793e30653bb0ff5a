// The hexadecimal form of a content text: the digit pairs after "HEX=".
#pragma once

#include <cstdint>

namespace zaltor {

// Whether text is an even number (zero included) of hexadecimal digits,
// 0-9, A-F or a-f; a blank or a sign makes it not.
bool IsHexText(const char* text);

// Decodes the digit pairs of text over its own start: byte i is written
// where digit 2i stood, so no work copy is needed. The decoded bytes are not
// terminated and may hold zeros; *outLength receives their number, half the
// text's length. False when IsHexText rejects the text (which is then left
// as it was).
bool DecodeHex(char* text, std::int32_t* outLength);

}  // namespace zaltor
