// Finds a byte string in a stream that arrives in chunks, ASCII letters
// compared without regard to case and every other byte exactly.
//
// Where nothing is partly matched, the scan looks for a place where the
// needle's two rarest bytes (either case of a letter) stand at their
// offsets: through memchr when the rarest is no letter, else 64 positions
// at a time; from there a Knuth-Morris-Pratt automaton
// carries any partial match, across chunk boundaries too. Each byte of the
// stream is stepped through at most once and each look for a start resumes
// past the last start found, so the work stays linear in the stream's length
// however the needle and the text repeat.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zaltor {

// The needle, read once for a whole search: upper-cased, with its
// fallbacks and the two bytes a start is looked for by. Shared read-only by
// every thread that searches.
class ContentNeedle {
 public:
  ContentNeedle() = default;
  // needle need not be terminated and may hold zeros; a length of 0 (or
  // less) is found as soon as any byte arrives.
  ContentNeedle(const char* needle, std::int32_t length);

 private:
  friend class ContentMatcher;

  std::vector<unsigned char> bytes_;  // upper-cased
  // fallback_[i]: length of the longest proper prefix of bytes_ that is
  // also a suffix of its first i + 1 bytes.
  std::vector<std::size_t> fallback_;
  std::size_t anchor_ = 0;  // offset of the rarest needle byte
  std::size_t check_ = 0;   // offset of the next rarest, tested at each anchor
  // A text byte t agrees with bytes_[anchor_] when (t | anchorCase_) is
  // anchorByte_; the same for check_.
  unsigned char anchorCase_ = 0;
  unsigned char anchorByte_ = 0;
  unsigned char checkCase_ = 0;
  unsigned char checkByte_ = 0;
};

// The search of one stream for a needle, which must outlive it.
class ContentMatcher {
 public:
  explicit ContentMatcher(const ContentNeedle& needle) : needle_(needle) {}

  // Scans the next chunk of the stream. Returns true once an occurrence has
  // been seen, in this chunk or an earlier one; later chunks are then
  // ignored.
  bool Feed(const char* chunk, std::size_t size);
  // Whether an occurrence has been seen.
  bool found() const { return found_; }

 private:
  std::size_t Step(std::size_t matched, unsigned char byte) const;
  // The first position at or after from where an occurrence may start.
  std::size_t NextStart(const unsigned char* data, std::size_t size, std::size_t from) const;
  // Whether one of the 64 positions from at may start an occurrence; the
  // picked bytes of all of them lie within the chunk.
  bool BlocksMayHoldStart(const unsigned char* at) const;

  const ContentNeedle& needle_;
  std::size_t matched_ = 0;  // needle bytes matched at the end of the stream so far
  bool found_ = false;
};

}  // namespace zaltor
