// A FileSystem that serves byte strings by path, for tests of the content
// search and the matcher: reads can be cut short or made to fail, and every
// call the search makes is counted. Calls the content tests never make fail.
#pragma once

#include <algorithm>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace zaltor::testing {

class InMemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  // Largest number of bytes one Read hands out; 0 means as many as asked.
  unsigned readLimit = 0;
  // Read number failReadAt (counting from 1 per opened file) returns -1.
  int failReadAt = 0;
  // LocalTime fails for this time; other times convert as UTC.
  std::time_t unconvertibleTime = -1;

  std::vector<std::string> opened;
  std::vector<unsigned> readSizes;
  int closes = 0;

  int OpenRead(const char* path) override {
    opened.emplace_back(path);
    auto file = files.find(path);
    if (file == files.end()) return -1;
    open_.push_back({&file->second, 0, 0});
    return static_cast<int>(open_.size()) + 2;
  }
  long Read(int fd, void* buffer, unsigned count) override {
    readSizes.push_back(count);
    OpenFile& file = open_.at(static_cast<std::size_t>(fd - 3));
    if (++file.reads == failReadAt) return -1;
    std::size_t left = file.data->size() - file.offset;
    std::size_t size = std::min<std::size_t>(left, readLimit != 0 ? std::min(count, readLimit) : count);
    std::memcpy(buffer, file.data->data() + file.offset, size);
    file.offset += size;
    return static_cast<long>(size);
  }
  int Close(int) override {
    ++closes;
    return 0;
  }
  bool LocalTime(std::time_t t, std::tm* out) override {
    // The tests run single-threaded, and std::gmtime exists on every host.
    if (t == unconvertibleTime) return false;
    const std::tm* utc = std::gmtime(&t);
    if (utc == nullptr) return false;
    *out = *utc;
    return true;
  }

  char* GetCwd(char*, int) override { return nullptr; }
  int ChDir(const char*) override { return -1; }
  int ChDrive(int) override { return -1; }
  int GetDrive() override { return 3; }
  int Stat(const char*, StatData*) override { return -1; }
  int MkDir(const char*) override { return -1; }
  FindHandle FindFirst(const char*, FindData*) override { return kFindFailed; }
  int FindNext(FindHandle, FindData*) override { return -1; }
  int FindClose(FindHandle) override { return -1; }
  std::FILE* OpenTextForWrite(const char*) override { return nullptr; }
  std::time_t Now() override { return 0; }
  unsigned GetLogicalDriveStrings(unsigned, char*) override { return 0; }
  unsigned GetDriveType(const char*) override { return kDriveNoRootDir; }
  std::string HostPath(const char*) override { return {}; }
  std::string DrivePath(const char*) override { return {}; }

 private:
  struct OpenFile {
    const std::string* data;
    std::size_t offset;
    int reads;
  };
  std::vector<OpenFile> open_;
};

}  // namespace zaltor::testing
