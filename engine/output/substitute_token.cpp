#include <cstring>

#include "engine/output/output_files.h"

namespace zaltor {

const char* SubstituteToken(SearchEngine& engine, const char* templ, const char* token,
                            const char* replacement) {
  if (templ == nullptr || token == nullptr || replacement == nullptr || *token == '\0') return nullptr;
  if (std::strstr(templ, token) == nullptr) return nullptr;
  const std::size_t tokenLength = std::strlen(token);
  std::string& out = engine.substitutionBuffer;
  out.clear();
  for (const char* p = templ;;) {
    const char* hit = std::strstr(p, token);
    if (hit == nullptr) {
      out.append(p);
      break;
    }
    out.append(p, hit - p);
    out.append(replacement);
    p = hit + tokenLength;
  }
  return out.c_str();
}

}  // namespace zaltor
