#include "platform/host_temp_directories.h"

#include <cstdlib>

namespace zaltor {

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::vector<HostTempDirectory> HostTempDirectories() {
  // The user's own runtime directory before the shared /tmp, where another
  // user could lay a trap under the default file names. Creating a
  // directory at the root of the machine is not acceptable here: /tmp
  // stands in for C:\TMP.
  return {{Variable("TMPDIR"), false}, {Variable("XDG_RUNTIME_DIR"), true}, {"/tmp", false}};
}

}  // namespace zaltor
