#include "engine/criteria/size.h"

#include <cctype>
#include <cstring>

#include "engine/criteria/criterion_text.h"

namespace zaltor {

namespace {

struct SizeKeyword {
  const char* keyword;
  std::int32_t code;
};

constexpr SizeKeyword kSizeKeywords[] = {
    {"E", kSizeEqual},     {"G", kSizeGreater}, {"GE", kSizeGreaterEqual},
    {"L", kSizeLess},      {"LE", kSizeLessEqual}, {"R", kSizeRange},
};

// Compares the first length characters of text with a whole keyword,
// ignoring the case of ASCII letters.
bool KeywordEquals(const char* text, std::size_t length, const char* keyword) {
  if (std::strlen(keyword) != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != keyword[i]) return false;
  }
  return true;
}

}  // namespace

bool ParseSizeCriterion(std::uint64_t* value, std::int32_t* code, char* text) {
  if (const char* colon = std::strchr(text, ':')) {
    std::size_t length = static_cast<std::size_t>(colon - text);
    for (const SizeKeyword& row : kSizeKeywords) {
      if (KeywordEquals(text, length, row.keyword)) {
        *code = row.code;
        break;
      }
    }
    *value = ReadDecimal(colon + 1);
    return true;
  }
  for (const char* c = text; *c != '\0'; ++c) {
    if (!std::isdigit(static_cast<unsigned char>(*c))) return false;
  }
  *code = kSizeEqual;
  *value = ReadDecimal(text);
  return true;
}

bool MatchSize(const SearchRequest& request, const FindData& entry) {
  std::uint64_t from = request.sizeFrom;
  // The size is asked for only by a code that compares it.
  switch (request.sizeFromOp) {
    case kSizeEqual: return entry.Size() == from;
    case kSizeGreater: return entry.Size() > from;
    case kSizeGreaterEqual: return entry.Size() >= from;
    case kSizeLess: return entry.Size() < from;
    case kSizeLessEqual: return entry.Size() <= from;
    case kSizeRange: return from <= entry.Size() && entry.Size() <= request.sizeTo;
    default: return true;
  }
}

}  // namespace zaltor
