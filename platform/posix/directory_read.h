// A directory read whole: its names in listing order, with the directory
// kept open so that its entries are looked at and opened relative to it.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zaltor {

// A descriptor closed with its owner.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor();
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor& operator=(Descriptor&& other) noexcept;
  int get() const { return fd_; }

 private:
  int fd_ = -1;
};

// One name of a directory read. The names share one buffer, so reading a
// directory of many thousands of entries costs no allocation per entry.
struct RawEntry {
  std::size_t offset;
  std::size_t length;
  unsigned char type;  // d_type
};

// Which directory was read, and whether its change time (st_ctim, which a
// name added, removed or renamed moves, and so does a change of its
// permissions) vouches for the read: it was older than the read, so any
// change since has moved it.
struct DirectoryIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  timespec changed = {};
  bool vouches = false;
};

struct DirectoryRead {
  std::string names;
  std::vector<RawEntry> entries;
  Descriptor directory;
  DirectoryIdentity identity;  // known only for a read made ahead of the walk
  // The name of entry, NUL-terminated in names.
  std::string_view NameOf(const RawEntry& entry) const {
    return std::string_view(names.data() + entry.offset, entry.length);
  }
  // The d_type of name; DT_UNKNOWN when the read does not list it.
  unsigned char TypeOf(std::string_view name) const;
};

// Reads the directory at hostPath whole, "." and ".." first (none when
// atRoot), then the other names in byte order; null when it cannot be
// opened. buffer is the kernel's records' room, reused between reads.
// waited tells whether the open and the first block took far longer than
// cached ones do: there is no asking for cached data alone here, as there is
// for files. identify also fills in the identity.
std::shared_ptr<DirectoryRead> ReadWholeDirectory(const std::string& hostPath, bool atRoot, bool identify,
                                                  std::vector<char>& buffer, bool* waited);

// Whether the directory at hostPath is still the one read and unchanged
// since, as far as its identity can tell.
bool StillAsRead(const std::string& hostPath, const DirectoryIdentity& identity);

}  // namespace zaltor
