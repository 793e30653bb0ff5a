// A ProxyFileSystem that also watches the walk and file reading: it records
// every path handed to OpenRead and what came of it, and lets a test change
// the tree under the engine at a chosen call: after a directory change,
// before a listing, before a file is opened or between two reads.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/proxy_file_system.h"

namespace zaltor::testing {

class FaultFileSystem : public ProxyFileSystem {
 public:
  explicit FaultFileSystem(FileSystem& inner) : ProxyFileSystem(inner), host(inner) {}

  struct Opening {
    std::string path;
    int fd;
  };

  // Called with the drive path before it is opened.
  std::function<void(const char* path)> beforeOpen;
  // Called after each read with the read's number within its file (0 for
  // the first) and its result.
  std::function<void(int fd, int readIndex, long got)> afterRead;

  // Called after a directory change, with the path and its result.
  std::function<void(const char* path, int result)> afterChDir;
  // Called with the pattern before each listing.
  std::function<void(const char* pattern)> beforeFind;

  std::vector<Opening> openings;
  long bytesRead = 0;

  int ChDir(const char* path) override {
    int result = ProxyFileSystem::ChDir(path);
    if (afterChDir) afterChDir(path, result);
    return result;
  }
  FindHandle FindFirst(const char* pattern, FindData* out) override {
    if (beforeFind) beforeFind(pattern);
    return ProxyFileSystem::FindFirst(pattern, out);
  }
  int OpenRead(const char* path) override {
    if (beforeOpen) beforeOpen(path);
    int fd = ProxyFileSystem::OpenRead(path);
    openings.push_back({path, fd});
    readIndex = 0;
    return fd;
  }
  long Read(int fd, void* buffer, unsigned count) override {
    long got = ProxyFileSystem::Read(fd, buffer, count);
    if (got > 0) bytesRead += got;
    if (afterRead) afterRead(fd, readIndex, got);
    ++readIndex;
    return got;
  }

  // The host file behind a drive path.
  std::string HostFile(const char* drivePath) { return host.HostPath(drivePath); }

 private:
  FileSystem& host;
  int readIndex = 0;
};

}  // namespace zaltor::testing
