#include "platform/file_system.h"

namespace zaltor {

FindHandle FileSystem::FindFirstNames(const char* pattern, FindData* out) {
  return FindFirst(pattern, out);
}

bool FileSystem::ReadsInParallel() const { return false; }

}  // namespace zaltor
