// MatchWildcard over a pattern and a name (the input's first two
// NUL-separated pieces), held against a plain backtracking matcher written
// from the rules in platform/wildcard.h.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/file_system.h"
#include "platform/wildcard.h"

namespace {

// Pattern characters are 0 to 255; the wildcards the rewrite makes are above.
constexpr int kStar = 256;
constexpr int kStarToLastDot = 257;
constexpr int kOneOrNone = 258;
constexpr int kDotOrEnd = 259;

int Fold(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

std::vector<int> Rewrite(const std::string& pattern) {
  if (pattern == "*.*") return {kStar};
  std::vector<int> steps;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (c == '?') {
      steps.push_back(kOneOrNone);
    } else if (c == '.' && (next == '?' || next == '*' || i + 1 == pattern.size())) {
      steps.push_back(kDotOrEnd);
    } else if (c == '*') {
      steps.push_back(next == '.' ? kStarToLastDot : kStar);
    } else {
      steps.push_back(static_cast<unsigned char>(c));
    }
  }
  return steps;
}

class Reference {
 public:
  Reference(std::vector<int> steps, const std::string& name)
      : steps(std::move(steps)), name(name), failed((this->steps.size() + 1) * (name.size() + 1), false) {}

  // Whether steps from s on take the name from n on; a failure is noted so
  // that no pair is tried twice.
  bool Take(std::size_t s, std::size_t n) {
    if (failed[s * (name.size() + 1) + n]) return false;
    const bool taken = TakeOnce(s, n);
    if (!taken) failed[s * (name.size() + 1) + n] = true;
    return taken;
  }

 private:
  bool TakeOnce(std::size_t s, std::size_t n) {
    const bool end = n == name.size();
    if (s == steps.size()) return end;
    const int step = steps[s];
    if (step == kStar || step == kStarToLastDot) {
      for (std::size_t k = n;; ++k) {
        if (Take(s + 1, k)) return true;
        if (k == name.size()) return false;
        if (step == kStarToLastDot && name[k] == '.' && name.find('.', k + 1) == std::string::npos) return false;
      }
    }
    if (step == kOneOrNone) return end || name[n] == '.' ? Take(s + 1, n) : Take(s + 1, n + 1);
    if (step == kDotOrEnd) return end ? Take(s + 1, n) : name[n] == '.' && Take(s + 1, n + 1);
    return !end && Fold(step) == Fold(static_cast<unsigned char>(name[n])) && Take(s + 1, n + 1);
  }

  std::vector<int> steps;
  const std::string& name;
  std::vector<bool> failed;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> pieces = zaltor::fuzz::SplitAtNul(data, size, 2);
  pieces.resize(2);
  const std::string& pattern = pieces[0];
  const std::string& name = pieces[1];
  const bool expected = pattern.size() < static_cast<std::size_t>(zaltor::kMaxPath) &&
                        Reference(Rewrite(pattern), name).Take(0, 0);
  if (zaltor::MatchWildcard(pattern.c_str(), name.c_str()) != expected) std::abort();
  return 0;
}
