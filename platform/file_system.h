// The host services the engine and the dialog use, in the shape of the C
// runtime file services the program was written against (_getcwd, _chdir,
// _chdrive, _stat, _findfirst/_findnext/_findclose, _open/_read/_close,
// fopen). Paths given to and returned by this interface are drive paths with
// backslashes ("C:\docs\a.txt"); how drives map onto the host is the
// implementation's business.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace zaltor {

// Buffer size of a path or field text: 259 characters and the NUL.
constexpr int kMaxPath = 260;

// Attribute bits of a directory entry.
constexpr unsigned kAttrReadOnly = 0x01;
constexpr unsigned kAttrHidden = 0x02;
constexpr unsigned kAttrSystem = 0x04;
constexpr unsigned kAttrDirectory = 0x10;
constexpr unsigned kAttrArchive = 0x20;

// What a directory entry says beyond its name: all its attribute bits, its
// size (64-bit, so files over 4 GiB keep their real size) and its last write.
struct EntryDetails {
  unsigned attrib = 0;
  std::uint64_t size = 0;
  std::time_t timeWrite = 0;
};

// Where a listing's entries get their details from; it serves them until
// the listing is closed.
class EntryDetailsSource {
 public:
  virtual EntryDetails DetailsOf(const char* name) const = 0;

 protected:
  ~EntryDetailsSource() = default;
};

// One directory entry. Its name and whether it is a directory come with the
// listing; its details are fetched from the listing the first time one is
// asked for, and once only, so a listing of names costs no look at each
// entry and whatever reads a detail gets it, never a blank.
class FindData {
 public:
  char name[kMaxPath] = {};

  bool IsDirectory() const { return isDirectory; }
  unsigned Attributes() const { return Details().attrib; }
  std::uint64_t Size() const { return Details().size; }
  std::time_t WriteTime() const { return Details().timeWrite; }

  // For listings: the details come later from source (until the listing is
  // closed), or are known at once.
  void SetListed(bool directory, const EntryDetailsSource* source) {
    isDirectory = directory;
    detailsSource = source;
  }
  void SetDetails(const EntryDetails& details) {
    isDirectory = (details.attrib & kAttrDirectory) != 0;
    detailsSource = nullptr;
    fetched = details;
  }

 private:
  const EntryDetails& Details() const {
    if (detailsSource != nullptr) {
      fetched = detailsSource->DetailsOf(name);
      detailsSource = nullptr;
    }
    return fetched;
  }

  bool isDirectory = false;
  mutable const EntryDetailsSource* detailsSource = nullptr;
  mutable EntryDetails fetched;
};

// What _stat reports that the engine uses.
struct StatData {
  bool isDirectory = false;
  std::uint64_t size = 0;
  std::time_t timeWrite = 0;
};

// What the calls below that succeed or fail return, as the C runtime's do.
constexpr int kFsOk = 0;
constexpr int kFsFailed = -1;

using FindHandle = std::intptr_t;
constexpr FindHandle kFindFailed = -1;

// Drive types as GetDriveTypeA reports them.
constexpr unsigned kDriveUnknown = 0;
constexpr unsigned kDriveNoRootDir = 1;
constexpr unsigned kDriveRemovable = 2;
constexpr unsigned kDriveFixed = 3;
constexpr unsigned kDriveRemote = 4;
constexpr unsigned kDriveCdrom = 5;
constexpr unsigned kDriveRamDisk = 6;

// A directory listed for work ahead of the walk: the entries an
// enumeration with a pattern gives, in its order, from one read of the
// directory that stays open, so that its entries are looked at and its
// files opened without their paths being looked up again. Any thread may
// use it, one at a time.
class ListedDirectory {
 public:
  virtual ~ListedDirectory() = default;

  // How many entries the pattern selects.
  virtual std::size_t Count() const = 0;
  // Entry index's name, valid while this listing lives.
  virtual const char* Name(std::size_t index) const = 0;
  // Entry index as FindFirst and FindNext give it; its details may be
  // asked for while this listing lives.
  virtual void Entry(std::size_t index, FindData* out) const = 0;
  // OpenRead of entry index's file.
  virtual int OpenRead(std::size_t index) const = 0;
  // The names of the subdirectories, whatever the pattern, but for those
  // whose names begin with '.', in the enumeration's order.
  virtual std::vector<std::string> Subdirectories() const = 0;
  // Whether nothing had changed in the directory for a while when it was
  // read: then a file made in it since the last change is written whole,
  // not being written as it is read.
  virtual bool Settled() const = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // _getcwd: the current drive and directory ("C:\docs", a root "C:\") into
  // buffer; nullptr when it cannot be read or does not fit in size bytes.
  virtual char* GetCwd(char* buffer, int size) = 0;
  // _chdir: kFsOk or kFsFailed. A path with a drive letter also makes that
  // drive current.
  virtual int ChDir(const char* path) = 0;
  // _chdrive: drive 1 (A:) to 26 (Z:); kFsOk, or kFsFailed when the drive
  // does not exist.
  virtual int ChDrive(int drive) = 0;
  // _getdrive: the current drive number, 1 to 26.
  virtual int GetDrive() = 0;
  // _stat: kFsOk, or kFsFailed when the path does not exist.
  virtual int Stat(const char* path, StatData* out) = 0;
  // _mkdir: kFsOk or kFsFailed.
  virtual int MkDir(const char* path) = 0;

  // _findfirst/_findnext/_findclose over the current directory (or the
  // directory the pattern names), with the wildcard rules of the Windows
  // enumeration, letters compared without regard to case. An entry's details
  // may be asked for until its listing is closed.
  virtual FindHandle FindFirst(const char* pattern, FindData* out) = 0;
  virtual int FindNext(FindHandle handle, FindData* out) = 0;  // kFsOk, or kFsFailed at the end
  virtual int FindClose(FindHandle handle) = 0;                 // kFsOk or kFsFailed

  // Whether OpenRead, Read and Close may run on a second thread, on
  // descriptors of its own, while the first thread makes the same calls or
  // ones that change nothing here (Now, LocalTime, GetCwd, Stat, HostPath and
  // the like). By default they may not.
  virtual bool ReadsInParallel() const;
  // Whether reads have lately had to wait for the device, their data not
  // being cached: then more reads in flight pay. By default it never says so.
  virtual bool ReadsWaitForDevice() const;
  // A hint that the walk will soon list the directory at drivePath, and
  // then its subdirectories: a host may read them ahead on threads of its
  // own, and hand a read over when the walk lists the directory, if nothing
  // has changed in it since. Nothing the walk sees changes. By default
  // nothing is done.
  virtual void ReadDirectoryAhead(const char* drivePath);
  // The walk is over: whatever was read ahead for it is dropped.
  virtual void DropDirectoriesAhead();
  // Lists the directory at drivePath with pattern ahead of the walk, on any
  // thread, while the walk's thread makes the other calls; where nothing
  // has changed in it by then, the walk's own enumeration may serve itself
  // from this read. Null when it cannot be listed, and always where the
  // host does not list ahead (by default).
  virtual std::shared_ptr<const ListedDirectory> ListAhead(const char* drivePath, const char* pattern);

  // _open(path, _O_RDONLY | _O_BINARY): a descriptor, or kFsFailed. Only
  // regular files open; nothing here ever blocks.
  virtual int OpenRead(const char* path) = 0;
  // _read: bytes read, 0 at the end, kFsFailed on error.
  virtual long Read(int fd, void* buffer, unsigned count) = 0;
  virtual int Close(int fd) = 0;  // kFsOk or kFsFailed

  // fopen(path, "w"): a text stream that writes this host's line end, or
  // nullptr.
  virtual std::FILE* OpenTextForWrite(const char* path) = 0;

  // time(): the current time. localtime(): false when the time cannot be
  // converted.
  virtual std::time_t Now() = 0;
  virtual bool LocalTime(std::time_t t, std::tm* out) = 0;

  // GetLogicalDriveStringsA: "A:\", "C:\" ... each NUL-terminated, ended by
  // an empty string, into buffer; returns the length written without the
  // final NUL, or the size needed when the buffer is too small.
  virtual unsigned GetLogicalDriveStrings(unsigned size, char* buffer) = 0;
  // GetDriveTypeA on a root path such as "C:\".
  virtual unsigned GetDriveType(const char* root) = 0;

  // The host's own name for a drive path, for handing to other programs;
  // empty when the path names no existing drive.
  virtual std::string HostPath(const char* drivePath) = 0;
  // The drive path that names a host path; empty when no drive holds it.
  virtual std::string DrivePath(const char* hostPath) = 0;
};

// The process's file system: the real one of this host.
FileSystem& HostFileSystem();

// ctime(): "Wed Jan  2 02:03:55 1980\n", 24 characters and a line end,
// from a broken-down local time.
std::string CTimeText(const std::tm& local);

}  // namespace zaltor
