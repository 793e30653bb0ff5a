// Directories whose names begin with '.' (".", "..", and those the POSIX
// host takes for hidden) are never matched and never searched.
#pragma once

#include "platform/file_system.h"

namespace zaltor {

inline bool IsDotDirectory(const FindData& entry) { return entry.IsDirectory() && entry.name[0] == '.'; }

}  // namespace zaltor
