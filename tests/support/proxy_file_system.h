// A FileSystem that forwards to another one, for tests that fix the clock or
// make single calls fail.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace zaltor::testing {

class ProxyFileSystem : public FileSystem {
 public:
  explicit ProxyFileSystem(FileSystem& inner) : inner(inner) {}

  // 0 means: ask the real clock.
  std::time_t fixedNow = 0;
  // Called before the forwarded call; returning true makes the call fail.
  std::function<bool(const char* path)> failChDir;
  std::function<bool(const char* path)> failOpenText;
  std::function<bool()> failGetCwd;
  std::function<bool(int drive)> failChDrive;
  // Passes the inner file system's parallel reads and directories read
  // ahead on.
  bool readsInParallel = false;
  // Reads pass for ones that wait for the device, so that a content search
  // starts its helpers.
  bool readsWait = false;

  char* GetCwd(char* buffer, int size) override {
    if (failGetCwd && failGetCwd()) return nullptr;
    return inner.GetCwd(buffer, size);
  }
  int ChDir(const char* path) override {
    if (failChDir && failChDir(path)) return -1;
    return inner.ChDir(path);
  }
  int ChDrive(int drive) override {
    if (failChDrive && failChDrive(drive)) return -1;
    return inner.ChDrive(drive);
  }
  int GetDrive() override { return inner.GetDrive(); }
  int Stat(const char* path, StatData* out) override { return inner.Stat(path, out); }
  int MkDir(const char* path) override { return inner.MkDir(path); }
  FindHandle FindFirst(const char* pattern, FindData* out) override {
    return inner.FindFirst(pattern, out);
  }
  int FindNext(FindHandle handle, FindData* out) override { return inner.FindNext(handle, out); }
  int FindClose(FindHandle handle) override { return inner.FindClose(handle); }
  // Off unless a test asks for it: the hooks of derived proxies run on
  // whichever thread reads.
  bool ReadsInParallel() const override { return readsInParallel && inner.ReadsInParallel(); }
  bool ReadsWaitForDevice() const override { return readsWait || inner.ReadsWaitForDevice(); }
  void ReadDirectoryAhead(const char* drivePath) override {
    if (readsInParallel) inner.ReadDirectoryAhead(drivePath);
  }
  void DropDirectoriesAhead() override { inner.DropDirectoriesAhead(); }
  // The inner file system's listings, whose files open through this one's
  // OpenRead by their paths, so that a derived proxy sees every open.
  std::shared_ptr<const ListedDirectory> ListAhead(const char* drivePath, const char* pattern) override {
    if (!readsInParallel) return nullptr;
    std::shared_ptr<const ListedDirectory> listing = inner.ListAhead(drivePath, pattern);
    return listing != nullptr ? std::make_shared<Listing>(*this, drivePath, std::move(listing)) : nullptr;
  }
  int OpenRead(const char* path) override { return inner.OpenRead(path); }
  long Read(int fd, void* buffer, unsigned count) override { return inner.Read(fd, buffer, count); }
  int Close(int fd) override { return inner.Close(fd); }
  std::FILE* OpenTextForWrite(const char* path) override {
    if (failOpenText && failOpenText(path)) return nullptr;
    return inner.OpenTextForWrite(path);
  }
  std::time_t Now() override { return fixedNow != 0 ? fixedNow : inner.Now(); }
  bool LocalTime(std::time_t t, std::tm* out) override { return inner.LocalTime(t, out); }
  unsigned GetLogicalDriveStrings(unsigned size, char* buffer) override {
    return inner.GetLogicalDriveStrings(size, buffer);
  }
  unsigned GetDriveType(const char* root) override { return inner.GetDriveType(root); }
  std::string HostPath(const char* drivePath) override { return inner.HostPath(drivePath); }
  std::string DrivePath(const char* hostPath) override { return inner.DrivePath(hostPath); }

 private:
  class Listing : public ListedDirectory {
   public:
    Listing(FileSystem& proxy, std::string directory, std::shared_ptr<const ListedDirectory> inner)
        : proxy(proxy), directory(std::move(directory)), inner(std::move(inner)) {}
    std::size_t Count() const override { return inner->Count(); }
    const char* Name(std::size_t index) const override { return inner->Name(index); }
    void Entry(std::size_t index, FindData* out) const override { inner->Entry(index, out); }
    int OpenRead(std::size_t index) const override {
      const std::string path = directory + (directory.back() == '\\' ? "" : "\\") + inner->Name(index);
      return proxy.OpenRead(path.c_str());
    }
    std::vector<std::string> Subdirectories() const override { return inner->Subdirectories(); }
    bool Settled() const override { return inner->Settled(); }

   private:
    FileSystem& proxy;
    const std::string directory;
    const std::shared_ptr<const ListedDirectory> inner;
  };

  FileSystem& inner;
};

}  // namespace zaltor::testing
