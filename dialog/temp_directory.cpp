#include "dialog/temp_directory.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/host_temp_directories.h"

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
  for (const char* name : {"TMP", "TEMP"}) {
    directory = AsDirectory(std::getenv(name), fs);
    if (!directory.empty()) break;
  }
  for (const HostTempDirectory& host : HostTempDirectories()) {
    if (!directory.empty()) break;
    directory = AsDirectory(host.hostPath.c_str(), fs);
    if (!directory.empty() && host.mustExist && !IsDirectory(fs, directory)) directory.clear();
  }
  if (directory.empty()) {
    directory = "C:\\TMP\\";
    StatData data;
    if (fs.Stat("C:\\TMP", &data) != kFsOk) fs.MkDir("C:\\TMP");
  }
  std::memcpy(buffer, directory.c_str(), directory.size() + 1);
}

}  // namespace zaltor
