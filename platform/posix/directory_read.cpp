#include "platform/posix/directory_read.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <unordered_map>

#include "platform/file_system.h"

namespace zaltor {

namespace {

int DotRank(std::string_view name) { return name == "." ? 0 : name == ".." ? 1 : 2; }

// The order of a listing: "." and ".." first, then the names byte by byte.
bool ListsBefore(std::string_view a, std::string_view b) {
  int rankA = DotRank(a);
  int rankB = DotRank(b);
  return rankA != rankB ? rankA < rankB : a < b;
}

// File systems whose directories take a new change time whenever a name
// comes or goes; /proc, for one, lists processes without it.
bool ChangeTimeTracksNames(int fd, dev_t device) {
  thread_local std::unordered_map<dev_t, bool> known;
  auto found = known.find(device);
  if (found != known.end()) return found->second;
  struct statfs info;
  bool tracks = false;
  if (fstatfs(fd, &info) == 0) {
    switch (static_cast<unsigned long>(info.f_type)) {
      case 0xEF53:      // ext2, ext3, ext4
      case 0x58465342:  // xfs
      case 0x9123683E:  // btrfs
      case 0x01021994:  // tmpfs
      case 0xF2F52010:  // f2fs
        tracks = true;
        break;
      default:
        break;
    }
  }
  known.emplace(device, tracks);
  return tracks;
}

bool Before(const timespec& a, const timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

// The identity of the directory open as fd, read before its names. A change
// time stamped from the coarse clock may equal the clock's reading for a
// tick after it: only one older than that vouches for the names.
DirectoryIdentity IdentityOf(int fd) {
  DirectoryIdentity identity;
  timespec now;
  timespec tick;
  struct stat info;
  if (clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0 || clock_getres(CLOCK_REALTIME_COARSE, &tick) != 0 ||
      fstat(fd, &info) != 0) {
    return identity;
  }
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  identity.changed = info.st_ctim;
  timespec trusted = now;
  trusted.tv_sec -= 2 * tick.tv_sec;
  trusted.tv_nsec -= 2 * tick.tv_nsec;
  while (trusted.tv_nsec < 0) {
    trusted.tv_nsec += 1000000000;
    --trusted.tv_sec;
  }
  identity.vouches = Before(info.st_ctim, trusted) && ChangeTimeTracksNames(fd, info.st_dev);
  return identity;
}

}  // namespace

Descriptor::~Descriptor() {
  if (fd_ >= 0) close(fd_);
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

unsigned char DirectoryRead::TypeOf(std::string_view name) const {
  auto found = std::lower_bound(entries.begin(), entries.end(), name,
                                [this](const RawEntry& entry, std::string_view key) {
                                  return ListsBefore(NameOf(entry), key);
                                });
  if (found == entries.end() || NameOf(*found) != name) return DT_UNKNOWN;
  return found->type;
}

std::shared_ptr<DirectoryRead> ReadWholeDirectory(const std::string& hostPath, bool atRoot, bool identify,
                                                  std::vector<char>& buffer, bool* waited) {
  const auto started = std::chrono::steady_clock::now();
  Descriptor directory(hostPath.empty() ? -1 : open(hostPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() < 0) return nullptr;
  auto read = std::make_shared<DirectoryRead>();
  if (identify) read->identity = IdentityOf(directory.get());
  std::string& names = read->names;
  std::vector<RawEntry>& raw = read->entries;
  // The records straight from the kernel: opendir and readdir would look at
  // the descriptor again (fstat, fcntl) for every directory of the walk.
  constexpr std::size_t kReadBufferSize = 64 * 1024;
  buffer.resize(kReadBufferSize);
  for (bool first = true;; first = false) {
    ssize_t got = getdents64(directory.get(), buffer.data(), buffer.size());
    if (first) {
      // Cached, a small directory takes some 10 µs and a full buffer some
      // 100 µs more; from the device, 50 µs and up for a small one.
      const auto took =
          std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count();
      *waited = took > 40 + std::max<ssize_t>(got, 0) / 512;
    }
    if (got <= 0) break;  // the end, or an error: as readdir, what came so far is the listing
    // A record takes at least 24 bytes and holds its name: room for all at once.
    names.reserve(names.size() + static_cast<std::size_t>(got));
    raw.reserve(raw.size() + static_cast<std::size_t>(got) / 24);
    for (ssize_t pos = 0; pos < got;) {
      const char* record = buffer.data() + pos;
      unsigned short recordLength;
      std::memcpy(&recordLength, record + offsetof(struct dirent64, d_reclen), sizeof recordLength);
      pos += recordLength;
      unsigned char type = static_cast<unsigned char>(record[offsetof(struct dirent64, d_type)]);
      std::string_view entryName = record + offsetof(struct dirent64, d_name);
      if (atRoot && DotRank(entryName) < 2) continue;
      if (entryName.size() >= static_cast<std::size_t>(kMaxPath)) continue;
      raw.push_back({names.size(), entryName.size(), type});
      names.append(entryName);
      names.push_back('\0');
    }
  }
  const DirectoryRead& listed = *read;
  std::sort(raw.begin(), raw.end(), [&listed](const RawEntry& a, const RawEntry& b) {
    return ListsBefore(listed.NameOf(a), listed.NameOf(b));
  });
  read->directory = std::move(directory);
  return read;
}

bool StillAsRead(const std::string& hostPath, const DirectoryIdentity& identity) {
  struct stat info;
  return identity.vouches && stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_dev == identity.device && info.st_ino == identity.inode &&
         info.st_ctim.tv_sec == identity.changed.tv_sec && info.st_ctim.tv_nsec == identity.changed.tv_nsec;
}

}  // namespace zaltor
