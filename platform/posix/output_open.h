// Opening an output file for writing without being turned against its user
// in a directory others can write.
#pragma once

#include <cstdio>
#include <string>

namespace zaltor {

// fopen(hostPath, "w"), except where the file's directory is sticky or
// world-writable, such as /tmp: there another user may have put a link or
// a file of theirs under the name first, so a symbolic link is never
// followed, and a file that is not a regular one of this process's user
// with a single name is left as it is. nullptr then, with nothing written.
std::FILE* OpenOutputFile(const std::string& hostPath);

}  // namespace zaltor
