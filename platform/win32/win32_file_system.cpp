// The file services on Windows: the C runtime's and the system's own, which
// speak drive paths natively, so nothing needs mapping.
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

// Windows counts file times in 100 ns steps from 1601.
std::time_t TimeOf(const FILETIME& time) {
  const std::uint64_t ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  constexpr std::uint64_t kTicksPerSecond = 10000000;
  constexpr std::uint64_t kUnixEpoch = 11644473600ULL * kTicksPerSecond;
  return ticks >= kUnixEpoch ? static_cast<std::time_t>((ticks - kUnixEpoch) / kTicksPerSecond) : 0;
}

// Junctions, directory and file links and mount points stand for another
// name (the tag's name-surrogate bit). Wine reports its links with no tag,
// and its ANSI calls leave the tag's field as it was: it starts at 0.
bool IsLink(const WIN32_FIND_DATAA& data) {
  constexpr DWORD kNameSurrogate = 0x20000000;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
         (data.dwReserved0 == 0 || (data.dwReserved0 & kNameSurrogate) != 0);
}

// The enumeration hands over every detail with the name. A link is listed
// as the POSIX host lists one: a system entry of no size, never a
// directory, so the walk never goes through it, and a link back to a parent
// cannot make it go round for ever. Other reparse points (files kept in the
// cloud, for one) are what they say they are.
void CopyEntry(const WIN32_FIND_DATAA& data, FindData* out) {
  std::snprintf(out->name, sizeof out->name, "%s", data.cFileName);
  unsigned attrib = data.dwFileAttributes;
  std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  if (IsLink(data)) {
    attrib = (attrib & ~(FILE_ATTRIBUTE_REPARSE_POINT | kAttrDirectory | kAttrArchive)) | kAttrSystem;
    size = 0;
  }
  out->SetDetails({attrib, size, TimeOf(data.ftLastWriteTime)});
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

  // What _findfirst does, with the reparse tag that it leaves out; no short
  // names are asked for.
  FindHandle FindFirst(const char* pattern, FindData* out) override {
    WIN32_FIND_DATAA data = {};
    HANDLE handle = FindFirstFileExA(pattern, FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (handle == INVALID_HANDLE_VALUE) return kFindFailed;
    CopyEntry(data, out);
    return reinterpret_cast<FindHandle>(handle);
  }
  int FindNext(FindHandle handle, FindData* out) override {
    WIN32_FIND_DATAA data = {};
    if (!FindNextFileA(reinterpret_cast<HANDLE>(handle), &data)) return kFsFailed;
    CopyEntry(data, out);
    return kFsOk;
  }
  int FindClose(FindHandle handle) override {
    return ::FindClose(reinterpret_cast<HANDLE>(handle)) ? kFsOk : kFsFailed;
  }

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
