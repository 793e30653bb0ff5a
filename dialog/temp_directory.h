// The temporary directory, where the default result and batch files go.
#pragma once

#include "platform/file_system.h"

namespace zaltor {

// The longest temporary directory taken: the default file names after it
// must still fit in 259 characters.
constexpr int kMaxTempDirectory = kMaxPath - 1 - 14;  // 14: "zltoutputs.txt"

// Fills a 260-byte buffer with the temporary directory as a drive path
// ending in a backslash: TMP, else TEMP, else the host's own directories
// (platform/host_temp_directories.h; on POSIX TMPDIR, XDG_RUNTIME_DIR where
// it exists, /tmp), each turned from a host path into the drive path that
// names it; a host path no drive holds, an empty value or one longer than
// kMaxTempDirectory is passed over. Last "C:\TMP\", made when it does not
// exist (a failure to make it is not reported: the engine's failure to
// create a file there is). A null buffer does nothing.
void GetTempDirectory(char* buffer, FileSystem& fs);

}  // namespace zaltor
