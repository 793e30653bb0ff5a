#include "engine/criteria/attributes.h"

#include <cctype>
#include <cstring>

namespace zaltor {

bool ParseAttributeCriterion(std::int32_t* mask, char* mode, char* text) {
  const char* letters = text;
  if (const char* colon = std::strchr(text, ':')) {
    // Only the first character counts: "m:", "M:" and "Match:" alike.
    if (std::toupper(static_cast<unsigned char>(text[0])) == 'M') *mode = 'M';
    letters = colon + 1;
  }
  for (const char* c = letters; *c != '\0'; ++c) {
    switch (std::toupper(static_cast<unsigned char>(*c))) {
      case 'A': *mask |= kAttrArchive; break;
      case 'D': *mask |= kAttrDirectory; break;
      case 'H': *mask |= kAttrHidden; break;
      case 'R': *mask |= kAttrReadOnly; break;
      case 'S': *mask |= kAttrSystem; break;
      case 'N': break;
      default: return false;
    }
  }
  return true;
}

bool MatchAttributes(const SearchRequest& request, const FindData& entry) {
  if (request.attrMask == kAttrAll) return true;
  unsigned mask = static_cast<unsigned>(request.attrMask);
  if (request.attrMode == 'M') return entry.Attributes() == mask;
  return mask == 0 || (entry.Attributes() & mask) != 0;
}

}  // namespace zaltor
