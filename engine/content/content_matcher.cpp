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

// Higher is rarer; a letter stands for both its cases.
int Rarity(unsigned char folded) {
  unsigned char listed = IsLetter(folded) ? static_cast<unsigned char>(folded - 'A' + 'a') : folded;
  std::size_t index = kFrequentBytes.find(static_cast<char>(listed));
  return static_cast<int>(index == std::string_view::npos ? kFrequentBytes.size() : index);
}

// Sixteen bytes side by side: GCC and Clang compile the operations on them
// to vector instructions where the target has them, to plain ones elsewhere.
using Lanes = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(Lanes);
// What comparing two of them gives: all ones where equal.
using Mask = signed char __attribute__((vector_size(16)));
// Blocks of sixteen positions tested together before one branch: in text
// the picked bytes meet seldom enough that most such runs are passed over.
constexpr std::size_t kBlocksAtOnce = 4;

// A letter is compared with the case bit set on both sides; any other byte
// as it is.
unsigned char CaseBit(unsigned char folded) { return IsLetter(folded) ? 0x20 : 0; }

}  // namespace

ContentNeedle::ContentNeedle(const char* needle, std::int32_t length) {
  if (length <= 0) return;
  bytes_.resize(static_cast<std::size_t>(length));
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    bytes_[i] = kFold[static_cast<unsigned char>(needle[i])];
  }

  fallback_.assign(bytes_.size(), 0);
  for (std::size_t i = 1, k = 0; i < bytes_.size(); ++i) {
    while (k > 0 && bytes_[i] != bytes_[k]) k = fallback_[k - 1];
    if (bytes_[i] == bytes_[k]) ++k;
    fallback_[i] = k;
  }

  // The rarest byte anchors the jumps; the next rarest is checked at each
  // anchor before any stepping. Ties go to the earlier offset.
  for (std::size_t i = 1; i < bytes_.size(); ++i) {
    if (Rarity(bytes_[i]) > Rarity(bytes_[anchor_])) anchor_ = i;
  }
  check_ = anchor_ == 0 && bytes_.size() > 1 ? 1 : 0;
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    if (i != anchor_ && Rarity(bytes_[i]) > Rarity(bytes_[check_])) check_ = i;
  }
  anchorCase_ = CaseBit(bytes_[anchor_]);
  anchorByte_ = static_cast<unsigned char>(bytes_[anchor_] | anchorCase_);
  checkCase_ = CaseBit(bytes_[check_]);
  checkByte_ = static_cast<unsigned char>(bytes_[check_] | checkCase_);
}

bool ContentMatcher::BlocksMayHoldStart(const unsigned char* at) const {
  Mask hits = {};
  for (std::size_t block = 0; block < kBlocksAtOnce; ++block) {
    Lanes anchors;
    Lanes checks;
    std::memcpy(&anchors, at + block * kLanes + needle_.anchor_, kLanes);
    std::memcpy(&checks, at + block * kLanes + needle_.check_, kLanes);
    hits |= ((anchors | needle_.anchorCase_) == needle_.anchorByte_) & ((checks | needle_.checkCase_) == needle_.checkByte_);
  }
  std::uint64_t halves[2];
  std::memcpy(halves, &hits, sizeof halves);
  return (halves[0] | halves[1]) != 0;
}

std::size_t ContentMatcher::NextStart(const unsigned char* data, std::size_t size, std::size_t from) const {
  // Starts before testable have both picked bytes inside the chunk.
  const std::size_t reach = std::max(needle_.anchor_, needle_.check_);
  const std::size_t testable = size > reach ? size - reach : 0;
  std::size_t start = from;
  if (needle_.anchorCase_ == 0 && start < testable) {
    // An anchor that is no letter has one form, which the C library's
    // memchr finds faster than any loop here.
    while (const void* hit = std::memchr(data + start + needle_.anchor_, needle_.anchorByte_, testable - start)) {
      start = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - data) - needle_.anchor_;
      if ((data[start + needle_.check_] | needle_.checkCase_) == needle_.checkByte_) return start;
      if (++start == testable) break;
    }
    return testable;
  }
  const std::size_t stride = kBlocksAtOnce * kLanes;
  while (start + stride <= testable && !BlocksMayHoldStart(data + start)) start += stride;
  for (; start < testable; ++start) {
    if ((data[start + needle_.anchor_] | needle_.anchorCase_) == needle_.anchorByte_ &&
        (data[start + needle_.check_] | needle_.checkCase_) == needle_.checkByte_) {
      return start;
    }
  }
  // Past testable a start cannot be ruled out: a later chunk may complete it.
  return std::max(from, testable);
}

std::size_t ContentMatcher::Step(std::size_t matched, unsigned char byte) const {
  unsigned char folded = kFold[byte];
  while (matched > 0 && needle_.bytes_[matched] != folded) matched = needle_.fallback_[matched - 1];
  return needle_.bytes_[matched] == folded ? matched + 1 : matched;
}

bool ContentMatcher::Feed(const char* chunk, std::size_t size) {
  if (found_ || size == 0) return found_;
  if (needle_.bytes_.empty()) return found_ = true;

  const auto* data = reinterpret_cast<const unsigned char*>(chunk);
  std::size_t i = 0;
  while (i < size) {
    if (matched_ == 0) {
      // No occurrence is under way, so the next one starts at the next
      // place that holds the two picked needle bytes at their offsets.
      i = NextStart(data, size, i);
      if (i == size) break;
    }
    matched_ = Step(matched_, data[i++]);
    if (matched_ == needle_.bytes_.size()) return found_ = true;
  }
  return false;
}

}  // namespace zaltor
