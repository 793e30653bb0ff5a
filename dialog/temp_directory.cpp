#include "dialog/temp_directory.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace zaltor {

namespace {

// The drive path of a variable's value ending in a backslash, or empty.
std::string AsDirectory(const char* value, FileSystem& fs) {
  if (value == nullptr || *value == '\0') return std::string();
  std::string directory = value[0] == '/' ? fs.DrivePath(value) : std::string(value);
  if (directory.empty()) return directory;
  if (directory.back() != '\\') directory += '\\';
  if (directory.size() > static_cast<std::size_t>(kMaxTempDirectory)) return std::string();
  return directory;
}

bool IsDirectory(FileSystem& fs, const std::string& drivePath) {
  StatData data;
  return fs.Stat(drivePath.c_str(), &data) == kFsOk && data.isDirectory;
}

}  // namespace

void GetTempDirectory(char* buffer, FileSystem& fs) {
  if (buffer == nullptr) return;
  buffer[0] = '\0';
  std::string directory;
  for (const char* name : {"TMP", "TEMP", "TMPDIR"}) {
    directory = AsDirectory(std::getenv(name), fs);
    if (!directory.empty()) break;
  }
  // The user's own runtime directory before the shared /tmp, where another
  // user could lay a trap under the default file names.
  if (directory.empty()) {
    directory = AsDirectory(std::getenv("XDG_RUNTIME_DIR"), fs);
    if (!directory.empty() && !IsDirectory(fs, directory)) directory.clear();
  }
  // Creating a directory at the root of the machine is not acceptable here:
  // the host's own temporary directory stands in for C:\TMP.
  if (directory.empty()) directory = AsDirectory("/tmp", fs);
  if (directory.empty()) {
    directory = "C:\\TMP\\";
    StatData data;
    if (fs.Stat("C:\\TMP", &data) != kFsOk) fs.MkDir("C:\\TMP");
  }
  std::memcpy(buffer, directory.c_str(), directory.size() + 1);
}

}  // namespace zaltor
