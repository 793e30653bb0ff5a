// The file services on Windows: the C runtime's own, which speak drive paths
// natively, so nothing needs mapping.
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/file_system.h"

namespace zaltor {

namespace {

// The enumeration hands over every detail with the name.
void CopyEntry(const __finddata64_t& data, FindData* out) {
  std::snprintf(out->name, sizeof out->name, "%s", data.name);
  out->SetDetails({data.attrib, static_cast<std::uint64_t>(data.size),
                   static_cast<std::time_t>(data.time_write)});
}

class Win32FileSystem : public FileSystem {
 public:
  char* GetCwd(char* buffer, int size) override { return _getcwd(buffer, size); }
  int ChDir(const char* path) override { return _chdir(path); }
  int ChDrive(int drive) override {
    if (drive < 1 || drive > 26) return kFsFailed;
    return _chdrive(drive);
  }
  int GetDrive() override { return _getdrive(); }
  int Stat(const char* path, StatData* out) override {
    struct _stat64 data;
    if (_stat64(path, &data) != 0) return kFsFailed;
    out->isDirectory = (data.st_mode & _S_IFDIR) != 0;
    out->size = static_cast<std::uint64_t>(data.st_size);
    out->timeWrite = static_cast<std::time_t>(data.st_mtime);
    return kFsOk;
  }
  int MkDir(const char* path) override { return _mkdir(path); }

  FindHandle FindFirst(const char* pattern, FindData* out) override {
    __finddata64_t data;
    intptr_t handle = _findfirst64(pattern, &data);
    if (handle == -1) return kFindFailed;
    CopyEntry(data, out);
    return handle;
  }
  int FindNext(FindHandle handle, FindData* out) override {
    __finddata64_t data;
    if (_findnext64(handle, &data) != 0) return kFsFailed;
    CopyEntry(data, out);
    return kFsOk;
  }
  int FindClose(FindHandle handle) override { return _findclose(handle); }

  int OpenRead(const char* path) override { return _open(path, _O_RDONLY | _O_BINARY); }
  long Read(int fd, void* buffer, unsigned count) override { return _read(fd, buffer, count); }
  int Close(int fd) override { return _close(fd); }

  std::FILE* OpenTextForWrite(const char* path) override { return std::fopen(path, "w"); }

  std::time_t Now() override { return std::time(nullptr); }
  bool LocalTime(std::time_t t, std::tm* out) override {
    __time64_t value = t;
    return _localtime64_s(out, &value) == 0;
  }

  // windows.h makes macros of these names, which also rename the members to
  // GetLogicalDriveStringsA and GetDriveTypeA: the calls name the global
  // functions, or they would be the members calling themselves.
  unsigned GetLogicalDriveStrings(unsigned size, char* buffer) override {
    return ::GetLogicalDriveStringsA(size, buffer);
  }
  unsigned GetDriveType(const char* root) override { return ::GetDriveTypeA(root); }

  std::string HostPath(const char* drivePath) override { return drivePath; }
  std::string DrivePath(const char* hostPath) override { return hostPath; }
};

}  // namespace

FileSystem& HostFileSystem() {
  static Win32FileSystem fileSystem;
  return fileSystem;
}

}  // namespace zaltor
