// The host's own temporary directories, which the program tries after TMP
// and TEMP and before making C:\TMP.
#pragma once

#include <string>
#include <vector>

namespace zaltor {

struct HostTempDirectory {
  std::string hostPath;  // empty when the host names none there
  bool mustExist;        // passed over when it is not an existing directory
};

// In the order they are tried. Windows has none of its own.
std::vector<HostTempDirectory> HostTempDirectories();

}  // namespace zaltor
