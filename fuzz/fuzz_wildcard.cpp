// MatchWildcard over a pattern and a name (the input's first two
// NUL-separated pieces), held against a plain dynamic-programming matcher
// with the same rules.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/wildcard.h"

namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Matches(const std::string& pattern, const std::string& name) {
  // at[j]: the pattern read so far matches the first j characters of name.
  std::vector<bool> at(name.size() + 1, false);
  at[0] = true;
  for (char p : pattern) {
    std::vector<bool> next(name.size() + 1, false);
    for (std::size_t j = 0; j <= name.size(); ++j) {
      if (p == '*') {
        next[j] = at[j] || (j > 0 && next[j - 1]);
      } else if (j > 0 && at[j - 1] && (p == '?' || Fold(p) == Fold(name[j - 1]))) {
        next[j] = true;
      }
    }
    at = std::move(next);
  }
  return at[name.size()];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> pieces = zaltor::fuzz::SplitAtNul(data, size, 2);
  pieces.resize(2);
  const std::string& pattern = pieces[0];
  const std::string& name = pieces[1];
  bool expected = Matches(pattern, name);
  // "*.*" and every other pattern ending in ".*" also take a name without a dot.
  if (!expected && pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0 &&
      name.find('.') == std::string::npos) {
    expected = Matches(pattern.substr(0, pattern.size() - 2), name);
  }
  if (zaltor::MatchWildcard(pattern.c_str(), name.c_str()) != expected) std::abort();
  return 0;
}
