// The file services on Linux and other POSIX hosts, over a drive table.
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/drive_path.h"
#include "platform/drive_table.h"
#include "platform/file_system.h"
#include "platform/posix/directory_read.h"
#include "platform/posix/directory_read_ahead.h"
#include "platform/posix/listing.h"

namespace zaltor {

// Keeps the current drive and each drive's current directory itself, so the
// process's own working directory is never changed.
//
// Enumeration: a directory is read whole, "." and ".." first (none at a
// drive root, as on Windows), then the other names in byte order, so every
// listing is the same from run to run. The names of the directory read last
// serve the enumerations of that same directory that follow, until the next
// ChDir, ChDrive, MkDir or OpenTextForWrite: a visit of the walk (a ChDir,
// then its subdirectories, then its files) reads each directory once, and
// the next visit or search reads afresh, or takes the read made ahead of it
// while it is still good (see DirectoryReadAhead). An entry's type comes from the
// directory itself; its details from lstat relative to the directory's
// descriptor, the first time they are asked for. A symbolic link, whatever it
// points to, is neither a regular file nor a directory and so carries the
// system attribute only; the walk never enters it, and OpenRead does not
// follow it.
//
// Paths with '*' or '?' never name anything for Stat and ChDir: Windows names
// cannot hold them, and the engine tells patterns from paths by that.
class PosixFileSystem : public FileSystem {
 public:
  // driveTable as ZALTOR_DRIVES holds it (empty: C: is "/"); hostWorkingDir
  // decides the starting drive and directory.
  PosixFileSystem(const std::string& driveTable, const std::string& hostWorkingDir);

  char* GetCwd(char* buffer, int size) override;
  int ChDir(const char* path) override;
  int ChDrive(int drive) override;
  int GetDrive() override;
  int Stat(const char* path, StatData* out) override;
  int MkDir(const char* path) override;

  FindHandle FindFirst(const char* pattern, FindData* out) override;
  int FindNext(FindHandle handle, FindData* out) override;
  int FindClose(FindHandle handle) override;

  // Reads share nothing but the entries of their own descriptors, and what
  // OpenRead looks up of the current drive, directories and directories
  // read, which it takes under stateMutex.
  bool ReadsInParallel() const override { return true; }
  bool ReadsWaitForDevice() const override {
    return waitScore.load(std::memory_order_relaxed) >= kWaitingScore;
  }
  // Reads the directory ahead, and its subdirectories after it, on one
  // thread beside the walk, or on several once reads wait for the device.
  void ReadDirectoryAhead(const char* drivePath) override;
  void DropDirectoriesAhead() override;
  int OpenRead(const char* path) override;
  // Lists on the calling thread, or takes the read a directory thread made;
  // the walk's visit takes the read in turn while it is still good.
  std::shared_ptr<const ListedDirectory> ListAhead(const char* drivePath, const char* pattern) override;
  long Read(int fd, void* buffer, unsigned count) override;
  int Close(int fd) override;

  // In a sticky or world-writable directory only a regular file of our own
  // is written: see OpenOutputFile.
  std::FILE* OpenTextForWrite(const char* path) override;

  std::time_t Now() override;
  bool LocalTime(std::time_t t, std::tm* out) override;

  unsigned GetLogicalDriveStrings(unsigned size, char* buffer) override;
  unsigned GetDriveType(const char* root) override;

  std::string HostPath(const char* drivePath) override;
  std::string DrivePath(const char* hostPath) override;

 private:
  struct LastRead {
    std::string drivePath;
    std::shared_ptr<const DirectoryRead> read;
    // Read by a directory thread, which has its subdirectories queued since.
    bool readAhead = false;
  };

  // An enumeration under way: its listing, and the entry FindNext gives next.
  struct Enumeration {
    Listing listing;
    std::size_t next = 1;
  };
  class ListedAhead;

  // What OpenRead learnt of the file open on a descriptor: its size then,
  // the bytes read since, and whether a read has met its end, so that the
  // read after, which could only return 0, is not made. An entry serves only
  // the calls on its descriptor between OpenRead and Close, one at a time,
  // whichever thread makes them; atomics keep such hand-overs well defined.
  struct OpenFile {
    std::atomic<bool> tracked{false};
    std::atomic<bool> ended{false};
    std::atomic<std::uint64_t> size{0};
    std::atomic<std::uint64_t> bytesRead{0};
  };
  // Descriptors from this on are read until a read returns 0.
  static constexpr int kTrackedFiles = 1024;
  // The entry of fd, or null.
  OpenFile* Tracked(int fd) const { return fd >= 0 && fd < kTrackedFiles ? &openFiles[fd] : nullptr; }

  // Opens name in the directory open as base (AT_FDCWD: name is a host
  // path), a regular file only, listedType being its d_type as listed.
  int OpenListedFile(int base, const char* name, unsigned char listedType) const;
  // Keeps read among the directories listed lately ahead of the walk.
  // Called with stateMutex held.
  void KeepRecentRead(const std::string& drivePath, std::shared_ptr<const DirectoryRead> read);
  // Makes lastRead the directory at drivePath, reading it unless it is
  // already; false when it cannot be opened.
  bool ReadDirectory(const std::string& drivePath);
  // Every later enumeration reads its directory afresh.
  void ForgetLastRead();
  // The read of the directory path names a file of, and the file's name in
  // name, when that directory was listed lately (the directory read last or
  // one of recentReads) and path is its drive path as listed, a separator
  // and a plain name; null when it is not. Called with stateMutex held.
  std::shared_ptr<const DirectoryRead> ListedDirectoryOf(std::string_view path, std::string* name) const;
  // The normalised drive path of path (at most 259 characters), or false.
  bool Resolve(const char* path, std::string* drivePath) const;
  // Resolve, then the host path on a mapped drive; empty when either fails.
  std::string HostOf(const char* path) const;

  DriveTable table;
  // Held by OpenRead, which may run on other threads, while it looks at
  // currentDrive, currentDirs, lastRead and recentReads, and by the calls that change
  // them while they do. The thread that changes them reads them without it.
  mutable std::mutex stateMutex;
  int currentDrive = 3;
  DriveDirectories currentDirs;
  std::unordered_map<FindHandle, Enumeration> enumerations;
  FindHandle nextHandle = 1;
  LastRead lastRead;
  // The directories listed lately ahead of the walk, by drive path, so that
  // their files open relative to them too, until the walk ends.
  static constexpr std::size_t kRecentReads = 128;
  struct PathHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view path) const noexcept { return std::hash<std::string_view>{}(path); }
  };
  std::unordered_map<std::string, std::shared_ptr<const DirectoryRead>, PathHash, std::equal_to<>> recentReads;
  std::deque<std::string> recentOrder;
  std::unique_ptr<OpenFile[]> openFiles = std::make_unique<OpenFile[]>(kTrackedFiles);
  // Rises by kWaitStep with each read that had to wait for the device and
  // falls by 1 with each that did not: a score of kWaitingScore or more
  // means a dozen reads waited lately with few cached ones between. A
  // cache that is warm but for scattered files evicted since (a few in a
  // directory, some hundreds in a large tree) stays below it. Updates from
  // several threads may be lost; the score only steers how far ahead to read.
  static constexpr int kWaitStep = 16;
  static constexpr int kWaitingScore = 12 * kWaitStep;
  static constexpr int kMaxWaitScore = 16 * kWaitStep;
  std::atomic<int> waitScore{0};
  // Counts a read as waited for or not in waitScore.
  void NoteRead(bool waited);
  std::vector<char> readBuffer;
  // The kernel's records' room for reads made by ListAhead's callers: a
  // buffer for each of them at a time.
  std::mutex aheadBuffersMutex;
  std::vector<std::unique_ptr<std::vector<char>>> aheadBuffers;
  // Last, so that its threads end before anything else goes.
  DirectoryReadAhead readAhead{[this](bool waited) { NoteRead(waited); }};
};

}  // namespace zaltor
