// A file system whose drive list and drive types a test sets, and whose
// drive C: stands for one host directory where the host maps drives itself.
// Everything else is the host's.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog/dialog_fixture.h"
#include "support/proxy_file_system.h"

namespace zaltor::testing {

// Made before the proxy that forwards to it.
struct OwnedFileSystem {
  std::unique_ptr<FileSystem> owned;
};

class FakeDrives : private OwnedFileSystem, public ProxyFileSystem {
 public:
  // drives: letter and GetDriveType answer, in letter order. hostC: the
  // host directory that C: stands for (HostDrivesOnto).
  explicit FakeDrives(std::map<char, unsigned> drives, const std::string& hostC = "/")
      : OwnedFileSystem{HostDrivesOnto(hostC)}, ProxyFileSystem(*owned), drives(std::move(drives)) {}

  unsigned GetLogicalDriveStrings(unsigned size, char* buffer) override {
    std::string all;
    for (const auto& [letter, type] : drives) (all += letter) += std::string(":\\") + '\0';
    if (size < all.size() + 1) return static_cast<unsigned>(all.size() + 1);
    all.copy(buffer, all.size());
    buffer[all.size()] = '\0';
    return static_cast<unsigned>(all.size());
  }
  unsigned GetDriveType(const char* root) override {
    auto found = drives.find(root != nullptr ? root[0] : '?');
    return found != drives.end() ? found->second : kDriveNoRootDir;
  }

 private:
  std::map<char, unsigned> drives;
};

}  // namespace zaltor::testing
