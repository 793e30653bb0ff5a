// SubstituteToken over a template, a token and a replacement: the input's
// first three NUL-separated pieces. The result is held against a count of
// the token's non-overlapping occurrences.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/output/output_files.h"
#include "fuzz/fuzz_support.h"
#include "platform/posix/posix_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zaltor;
  static PosixFileSystem fs("", "/");
  static SearchEngine engine(fs);
  std::vector<std::string> pieces = fuzz::SplitAtNul(data, size, 3);
  pieces.resize(3);
  const std::string& templ = pieces[0];
  const std::string& token = pieces[1];
  const std::string& replacement = pieces[2];
  const char* result = SubstituteToken(engine, templ.c_str(), token.c_str(), replacement.c_str());

  std::size_t hits = 0;
  for (std::size_t at = token.empty() ? std::string::npos : templ.find(token); at != std::string::npos;
       at = templ.find(token, at + token.size())) {
    ++hits;
  }
  if (hits == 0) {
    if (result != nullptr) std::abort();
    return 0;
  }
  if (result == nullptr) std::abort();
  if (std::strlen(result) != templ.size() + hits * replacement.size() - hits * token.size()) std::abort();
  return 0;
}
