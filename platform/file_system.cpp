#include "platform/file_system.h"

namespace zaltor {

FindHandle FileSystem::FindFirstNames(const char* pattern, FindData* out) {
  return FindFirst(pattern, out);
}

}  // namespace zaltor
