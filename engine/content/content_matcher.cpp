#include "engine/content/content_matcher.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace zaltor {

namespace {

using namespace std::string_view_literals;

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table = {};
  for (int i = 0; i < 256; ++i) {
    table[i] = static_cast<unsigned char>(i >= 'a' && i <= 'z' ? i - 'a' + 'A' : i);
  }
  return table;
}

// Upper-cases ASCII letters only: 0xE9 and 0xC9 stay different bytes.
constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

bool IsLetter(unsigned char folded) { return folded >= 'A' && folded <= 'Z'; }

// Bytes that text, source and binary files are full of, the most frequent
// first; a letter stands for both its cases. Any byte not listed is rare.
constexpr std::string_view kFrequentBytes =
    " etaoinsrhldcu\n\r\t\0mpfgywb.,_-=()/;:0123456789\"'vk*>#<{}[]xjqz\xff"sv;

// Higher is rarer. A letter is scanned for in both cases, which costs a
// second pass, so it has to be clearly rarer to win over another byte.
int Rarity(unsigned char folded) {
  unsigned char listed = IsLetter(folded) ? static_cast<unsigned char>(folded - 'A' + 'a') : folded;
  std::size_t index = kFrequentBytes.find(static_cast<char>(listed));
  int rarity = static_cast<int>(index == std::string_view::npos ? kFrequentBytes.size() : index);
  return IsLetter(folded) ? rarity - 8 : rarity;
}

// Finds the next position at or after a given one that holds either of two
// bytes. Each byte's memchr resumes only once the caller has moved past its
// last find, so a chunk is scanned at most once per byte.
class PairScanner {
 public:
  PairScanner(const unsigned char* data, std::size_t size, unsigned char first,
              unsigned char second)
      : data_(data), size_(size), first_(first), second_(second) {}

  // The position, or the chunk's size when neither byte is left.
  std::size_t Next(std::size_t from) {
    if (from >= size_) return size_;
    if (nextFirst_ < from || !started_) nextFirst_ = Find(first_, from);
    if (first_ == second_) {
      started_ = true;
      return nextFirst_;
    }
    if (nextSecond_ < from || !started_) nextSecond_ = Find(second_, from);
    started_ = true;
    return std::min(nextFirst_, nextSecond_);
  }

 private:
  std::size_t Find(unsigned char byte, std::size_t from) const {
    const void* hit = std::memchr(data_ + from, byte, size_ - from);
    return hit == nullptr ? size_ : static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - data_);
  }

  const unsigned char* data_;
  std::size_t size_;
  unsigned char first_;
  unsigned char second_;
  std::size_t nextFirst_ = 0;
  std::size_t nextSecond_ = 0;
  bool started_ = false;
};

}  // namespace

ContentMatcher::ContentMatcher(const char* needle, std::int32_t length) {
  if (length <= 0) return;
  needle_.resize(static_cast<std::size_t>(length));
  for (std::size_t i = 0; i < needle_.size(); ++i) {
    needle_[i] = kFold[static_cast<unsigned char>(needle[i])];
  }

  fallback_.assign(needle_.size(), 0);
  for (std::size_t i = 1, k = 0; i < needle_.size(); ++i) {
    while (k > 0 && needle_[i] != needle_[k]) k = fallback_[k - 1];
    if (needle_[i] == needle_[k]) ++k;
    fallback_[i] = k;
  }

  // The rarest byte anchors the jumps; the next rarest is checked at each
  // anchor before any stepping. Ties go to the earlier offset.
  for (std::size_t i = 1; i < needle_.size(); ++i) {
    if (Rarity(needle_[i]) > Rarity(needle_[anchor_])) anchor_ = i;
  }
  check_ = anchor_ == 0 && needle_.size() > 1 ? 1 : 0;
  for (std::size_t i = 0; i < needle_.size(); ++i) {
    if (i != anchor_ && Rarity(needle_[i]) > Rarity(needle_[check_])) check_ = i;
  }
  anchorUpper_ = needle_[anchor_];
  anchorLower_ = IsLetter(anchorUpper_) ? static_cast<unsigned char>(anchorUpper_ - 'A' + 'a') : anchorUpper_;
}

std::size_t ContentMatcher::Step(std::size_t matched, unsigned char byte) const {
  unsigned char folded = kFold[byte];
  while (matched > 0 && needle_[matched] != folded) matched = fallback_[matched - 1];
  return needle_[matched] == folded ? matched + 1 : matched;
}

bool ContentMatcher::Feed(const char* chunk, std::size_t size) {
  if (found_ || size == 0) return found_;
  if (needle_.empty()) return found_ = true;

  const auto* data = reinterpret_cast<const unsigned char*>(chunk);
  PairScanner anchors(data, size, anchorLower_, anchorUpper_);
  std::size_t i = 0;
  while (i < size) {
    if (matched_ == 0) {
      // No occurrence is under way, so the next one cannot start before the
      // next anchor byte less the anchor's offset.
      std::size_t anchor = anchors.Next(i + anchor_);
      if (anchor == size) {
        // Only an occurrence whose anchor lies in a later chunk is still
        // possible: it starts within the last anchor_ bytes.
        i = std::max(i, size - std::min(size, anchor_));
        if (i == size) break;
      } else {
        std::size_t start = anchor - anchor_;
        if (start + check_ < size && kFold[data[start + check_]] != needle_[check_]) {
          i = start + 1;
          continue;
        }
        i = start;
      }
    }
    matched_ = Step(matched_, data[i++]);
    if (matched_ == needle_.size()) return found_ = true;
  }
  return false;
}

}  // namespace zaltor
