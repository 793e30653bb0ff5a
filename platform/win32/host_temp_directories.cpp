#include "platform/host_temp_directories.h"

namespace zaltor {

std::vector<HostTempDirectory> HostTempDirectories() { return {}; }

}  // namespace zaltor
