#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/posix/entry_type.h"
#include "platform/posix/output_open.h"
#include "platform/wildcard.h"

namespace zaltor {

namespace {

bool HasWildcard(const char* path) { return std::strpbrk(path, "*?") != nullptr; }

bool IsDirectory(const std::string& hostPath) {
  struct stat data;
  return !hostPath.empty() && stat(hostPath.c_str(), &data) == 0 && S_ISDIR(data.st_mode);
}

// Mount points in /proc/self/mountinfo escape blanks and the like as \ooo.
std::string Unescape(const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7') {
      result += static_cast<char>((text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 + (text[i + 3] - '0'));
      i += 3;
    } else {
      result += text[i];
    }
  }
  return result;
}

// The file system type of the mount that holds hostPath, by the longest
// mount point; statfs cannot tell one FUSE file system from another.
std::string MountTypeOf(const std::string& hostPath) {
  std::ifstream mounts("/proc/self/mountinfo");
  std::string line;
  std::string bestType;
  std::size_t bestLength = 0;
  bool found = false;
  while (std::getline(mounts, line)) {
    // id parent major:minor root mountpoint options [optional...] - type source ...
    std::size_t separator = line.find(" - ");
    if (separator == std::string::npos) continue;
    std::size_t pos = 0;
    std::string fields[5];
    for (int i = 0; i < 5 && pos < separator; ++i) {
      std::size_t end = line.find(' ', pos);
      if (end == std::string::npos || end > separator) end = separator;
      fields[i] = line.substr(pos, end - pos);
      pos = end + 1;
    }
    std::string mountPoint = Unescape(fields[4]);
    std::size_t length = mountPoint == "/" ? 0 : mountPoint.size();
    bool holds = length == 0 || (hostPath.compare(0, length, mountPoint) == 0 &&
                                 (hostPath.size() == length || hostPath[length] == '/'));
    if (!holds || (found && length < bestLength)) continue;
    std::size_t typeStart = separator + 3;
    std::size_t typeEnd = line.find(' ', typeStart);
    bestType = line.substr(typeStart, typeEnd == std::string::npos ? std::string::npos : typeEnd - typeStart);
    bestLength = length;
    found = true;
  }
  return bestType;
}

}  // namespace

PosixFileSystem::PosixFileSystem(const std::string& driveTable, const std::string& hostWorkingDir)
    : table(DriveTable::Parse(driveTable)) {
  // By default every thread that allocates gets an allocator arena of its
  // own; the walk's helpers allocate little, and with eight of them reading
  // from a disk their arenas made a sixth of a content search's memory.
  mallopt(M_ARENA_MAX, 2);
  std::string start = DrivePathOf(table, hostWorkingDir);
  if (!start.empty() && start.size() < static_cast<std::size_t>(kMaxPath)) {
    currentDrive = ExplicitDrive(start);
    if (start.size() > 3) currentDirs[currentDrive - 1] = start;
  } else if (table.IsMapped(3)) {
    currentDrive = 3;
  } else if (table.LowestMapped() != 0) {
    currentDrive = table.LowestMapped();
  }
}

bool PosixFileSystem::Resolve(const char* path, std::string* drivePath) const {
  return path != nullptr && ResolveDrivePath(path, currentDrive, currentDirs, drivePath) &&
         drivePath->size() < static_cast<std::size_t>(kMaxPath);
}

std::string PosixFileSystem::HostOf(const char* path) const {
  std::string drivePath;
  if (!Resolve(path, &drivePath)) return {};
  return HostPathOf(table, drivePath);
}

char* PosixFileSystem::GetCwd(char* buffer, int size) {
  if (buffer == nullptr || !table.IsMapped(currentDrive)) return nullptr;
  std::string cwd = currentDirs[currentDrive - 1];
  if (cwd.empty()) {
    cwd = std::string(1, static_cast<char>('A' + currentDrive - 1)) + ":\\";
  }
  if (size <= 0 || cwd.size() >= static_cast<std::size_t>(size)) {
    errno = ERANGE;
    return nullptr;
  }
  std::memcpy(buffer, cwd.c_str(), cwd.size() + 1);
  return buffer;
}

int PosixFileSystem::ChDir(const char* path) {
  ForgetLastRead();
  std::string drivePath;
  if (path == nullptr || HasWildcard(path) || !Resolve(path, &drivePath)) return kFsFailed;
  std::string host = HostPathOf(table, drivePath);
  // The trailing slash makes the one call also refuse what is no directory.
  if (host.empty() || access((host + "/").c_str(), X_OK) != 0) return kFsFailed;
  int drive = ExplicitDrive(drivePath);
  std::lock_guard<std::mutex> lock(stateMutex);
  currentDirs[drive - 1] = drivePath.size() > 3 ? drivePath : std::string();
  if (ExplicitDrive(path) != 0) currentDrive = drive;
  return kFsOk;
}

int PosixFileSystem::ChDrive(int drive) {
  ForgetLastRead();
  if (!table.IsMapped(drive) || !IsDirectory(table.HostDirectory(drive))) return kFsFailed;
  std::lock_guard<std::mutex> lock(stateMutex);
  currentDrive = drive;
  return kFsOk;
}

int PosixFileSystem::GetDrive() { return currentDrive; }

int PosixFileSystem::Stat(const char* path, StatData* out) {
  if (path == nullptr || HasWildcard(path)) return kFsFailed;
  std::string host = HostOf(path);
  struct stat data;
  if (host.empty() || stat(host.c_str(), &data) != 0) return kFsFailed;
  out->isDirectory = S_ISDIR(data.st_mode);
  out->size = static_cast<std::uint64_t>(data.st_size);
  out->timeWrite = data.st_mtime;
  return kFsOk;
}

int PosixFileSystem::MkDir(const char* path) {
  ForgetLastRead();
  std::string host = HostOf(path);
  return !host.empty() && mkdir(host.c_str(), 0777) == 0 ? kFsOk : kFsFailed;
}

FindHandle PosixFileSystem::FindFirst(const char* pattern, FindData* out) {
  if (pattern == nullptr) return kFindFailed;
  // The directory part ends at the last separator, or after a bare "X:".
  const char* name = pattern;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (*p == '\\' || *p == '/') name = p + 1;
  }
  if (name == pattern && ExplicitDrive(pattern) != 0) name = pattern + 2;
  std::string directoryPart(pattern, name);
  if (directoryPart.empty()) directoryPart = ".";
  std::string drivePath;
  if (*name == '\0' || std::strlen(name) >= static_cast<std::size_t>(kMaxPath) ||
      !Resolve(directoryPart.c_str(), &drivePath)) {
    errno = ENOENT;
    return kFindFailed;
  }
  if (!ReadDirectory(drivePath)) return kFindFailed;
  Listing listing = ListEntries(lastRead.read, name);
  if (listing.entries.empty()) {
    errno = ENOENT;
    return kFindFailed;
  }
  FindHandle handle = nextHandle++;
  // The entries point at their listing where it stays until FindClose.
  const Listing& kept = enumerations.emplace(handle, Enumeration{std::move(listing)}).first->second.listing;
  kept.Fill(kept.entries[0], out);
  return handle;
}

void PosixFileSystem::NoteRead(bool waited) {
  const int score = waitScore.load(std::memory_order_relaxed);
  if (waited) {
    waitScore.store(std::min(score + kWaitStep, kMaxWaitScore), std::memory_order_relaxed);
  } else if (score > 0) {
    waitScore.store(score - 1, std::memory_order_relaxed);
  }
}

void PosixFileSystem::ReadDirectoryAhead(const char* drivePath) {
  // A subdirectory of the directory a thread read ahead is queued already;
  // while reads wait, the hint still sets more threads reading.
  const bool waits = ReadsWaitForDevice();
  if (lastRead.readAhead && !waits && drivePath != nullptr) {
    const std::string& parent = lastRead.drivePath;
    const bool root = !parent.empty() && parent.back() == '\\';
    if (std::strncmp(drivePath, parent.c_str(), parent.size()) == 0 &&
        (root || drivePath[parent.size()] == '\\')) {
      return;
    }
  }
  std::string host;
  {
    std::lock_guard<std::mutex> lock(stateMutex);
    host = HostOf(drivePath);
  }
  // Cached, one thread beside the walk keeps ahead of it; waiting for the
  // device, reads in flight pay.
  if (!host.empty()) readAhead.Queue(std::move(host), waits ? DirectoryReadAhead::kThreads : 1);
}

void PosixFileSystem::DropDirectoriesAhead() {
  readAhead.Clear();
  std::lock_guard<std::mutex> lock(stateMutex);
  recentReads.clear();
  recentOrder.clear();
}

bool PosixFileSystem::ReadDirectory(const std::string& drivePath) {
  if (lastRead.read != nullptr && lastRead.drivePath == drivePath) return true;
  ForgetLastRead();
  std::string host = HostPathOf(table, drivePath);
  // Listing the current directory is a visit of the walk, which takes the
  // read made ahead for good; any other is listing ahead of it.
  const int drive = ExplicitDrive(drivePath);
  const bool visit = drive == currentDrive && currentDirs[drive - 1] == drivePath;
  std::shared_ptr<const DirectoryRead> read =
      host.empty() ? nullptr
                   : readAhead.Take(host, visit ? DirectoryReadAhead::Taker::kVisit : DirectoryReadAhead::Taker::kLook);
  bool readByThread = read != nullptr;
  if (read == nullptr && visit) {
    // The content search may have listed it ahead itself.
    std::lock_guard<std::mutex> lock(stateMutex);
    auto recent = recentReads.find(drivePath);
    if (recent != recentReads.end()) read = recent->second;
  }
  if (read != nullptr && !StillAsRead(host, read->identity)) {
    read = nullptr;
    readByThread = false;
  }
  if (read == nullptr) {
    bool waited = false;
    // A listing ahead of the walk notes what the visit needs to trust it.
    read = ReadWholeDirectory(host, drivePath.size() == 3, !visit, readBuffer, &waited);
    if (read == nullptr) return false;
    NoteRead(waited);
  }
  std::lock_guard<std::mutex> lock(stateMutex);
  if (!visit) KeepRecentRead(drivePath, read);
  lastRead.drivePath = drivePath;
  lastRead.read = std::move(read);
  lastRead.readAhead = readByThread;
  return true;
}

void PosixFileSystem::KeepRecentRead(const std::string& drivePath, std::shared_ptr<const DirectoryRead> read) {
  if (recentReads.insert_or_assign(drivePath, std::move(read)).second) {
    recentOrder.push_back(drivePath);
    if (recentOrder.size() > kRecentReads) {
      recentReads.erase(recentOrder.front());
      recentOrder.pop_front();
    }
  }
}

void PosixFileSystem::ForgetLastRead() {
  LastRead forgotten;
  std::lock_guard<std::mutex> lock(stateMutex);
  std::swap(lastRead, forgotten);
}

int PosixFileSystem::FindNext(FindHandle handle, FindData* out) {
  auto found = enumerations.find(handle);
  if (found == enumerations.end()) return kFsFailed;
  Enumeration& enumeration = found->second;
  if (enumeration.next >= enumeration.listing.entries.size()) {
    errno = ENOENT;
    return kFsFailed;
  }
  enumeration.listing.Fill(enumeration.listing.entries[enumeration.next++], out);
  return kFsOk;
}

int PosixFileSystem::FindClose(FindHandle handle) {
  return enumerations.erase(handle) == 1 ? kFsOk : kFsFailed;
}

std::shared_ptr<const DirectoryRead> PosixFileSystem::ListedDirectoryOf(std::string_view path,
                                                                      std::string* name) const {
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return nullptr;
  // A root keeps its separator.
  const std::string_view directory = path.substr(0, slash == 2 ? 3 : slash);
  const std::string_view rest = path.substr(slash + 1);
  if (rest.empty() || rest == "." || rest == ".." || rest.find('/') != std::string_view::npos ||
      path.size() >= static_cast<std::size_t>(kMaxPath)) {
    return nullptr;
  }
  std::shared_ptr<const DirectoryRead> read;
  if (lastRead.read != nullptr && directory == lastRead.drivePath) {
    read = lastRead.read;
  } else if (auto listed = recentReads.find(directory); listed != recentReads.end()) {
    read = listed->second;
  } else {
    return nullptr;
  }
  *name = rest;
  return read;
}

int PosixFileSystem::OpenRead(const char* path) {
  // A file of a directory listed lately (the walk reads the files it has
  // just listed, its helpers those of the directories it listed ahead) is
  // named relative to that directory's descriptor, so its whole path need
  // not be looked up again for each of the calls below; a drive path
  // already in normal form is not resolved again either.
  if (path == nullptr) return kFsFailed;
  std::shared_ptr<const DirectoryRead> lastDirectory;
  int base = AT_FDCWD;
  std::string target;
  unsigned char listedType = DT_UNKNOWN;
  {
    std::lock_guard<std::mutex> lock(stateMutex);
    lastDirectory = ListedDirectoryOf(path, &target);
    if (lastDirectory == nullptr) {
      std::string drivePath;
      if (!Resolve(path, &drivePath)) return kFsFailed;
      lastDirectory = ListedDirectoryOf(drivePath, &target);
      if (lastDirectory == nullptr) {
        target = HostPathOf(table, drivePath);
        if (target.empty()) return kFsFailed;
      }
    }
  }
  if (lastDirectory != nullptr) {
    base = lastDirectory->directory.get();
    listedType = lastDirectory->TypeOf(target);
  }
  return OpenListedFile(base, target.c_str(), listedType);
}

int PosixFileSystem::OpenListedFile(int base, const char* name, unsigned char listedType) const {
  // Opening a FIFO or a device acts on it (a waiting writer is released,
  // some devices rewind or reset): only what the listing shows to be a
  // regular file, or where it does not know, a look of our own, is opened.
  if (listedType != DT_UNKNOWN && listedType != DT_REG) return kFsFailed;
  struct stat before;
  if (listedType == DT_UNKNOWN &&
      (fstatat(base, name, &before, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(before.st_mode))) {
    return kFsFailed;
  }
  // Something may be swapped in after the listing or the look: O_NONBLOCK
  // keeps a FIFO from waiting for a writer before the type check below
  // turns it away.
  int fd = openat(base, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
  if (fd < 0) return kFsFailed;
  struct stat data;
  if (fstat(fd, &data) != 0 || !S_ISREG(data.st_mode)) {
    close(fd);
    return kFsFailed;
  }
  if (OpenFile* file = Tracked(fd)) {
    file->size.store(static_cast<std::uint64_t>(data.st_size), std::memory_order_relaxed);
    file->bytesRead.store(0, std::memory_order_relaxed);
    file->ended.store(false, std::memory_order_relaxed);
    file->tracked.store(true, std::memory_order_relaxed);
  }
  return fd;
}

long PosixFileSystem::Read(int fd, void* buffer, unsigned count) {
  OpenFile* file = Tracked(fd);
  if (file != nullptr && !file->tracked.load(std::memory_order_relaxed)) file = nullptr;
  if (file != nullptr && file->ended.load(std::memory_order_relaxed)) return 0;
  // A first try that takes only what is cached tells whether the read
  // waits for the device, at no cost when it does not.
  struct iovec part = {buffer, count};
  ssize_t got;
  do {
    got = preadv2(fd, &part, 1, -1, RWF_NOWAIT);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    bool waits = errno == EAGAIN;
    do {
      got = read(fd, buffer, count);
    } while (got < 0 && errno == EINTR);
    if (waits) NoteRead(true);
  } else {
    NoteRead(false);
  }
  if (file != nullptr && got >= 0) {
    std::uint64_t bytesRead =
        file->bytesRead.load(std::memory_order_relaxed) + static_cast<std::uint64_t>(got);
    file->bytesRead.store(bytesRead, std::memory_order_relaxed);
    // A regular file comes up short only at its end. Files whose size says
    // nothing of their content (those of /proc say 0) read on to a 0.
    std::uint64_t size = file->size.load(std::memory_order_relaxed);
    file->ended.store(static_cast<unsigned>(got) < count && size > 0 && bytesRead >= size,
                      std::memory_order_relaxed);
  }
  return static_cast<long>(got);
}

int PosixFileSystem::Close(int fd) {
  if (OpenFile* file = Tracked(fd)) file->tracked.store(false, std::memory_order_relaxed);
  return close(fd) == 0 ? kFsOk : kFsFailed;
}

std::FILE* PosixFileSystem::OpenTextForWrite(const char* path) {
  ForgetLastRead();
  std::string host = HostOf(path);
  return host.empty() ? nullptr : OpenOutputFile(host);
}

std::time_t PosixFileSystem::Now() { return std::time(nullptr); }

bool PosixFileSystem::LocalTime(std::time_t t, std::tm* out) {
  // localtime_r need not look at TZ again on its own; a changed TZ must count.
  tzset();
  return localtime_r(&t, out) != nullptr;
}

unsigned PosixFileSystem::GetLogicalDriveStrings(unsigned size, char* buffer) {
  unsigned count = 0;
  for (int drive = 1; drive <= 26; ++drive) count += table.IsMapped(drive) ? 1 : 0;
  unsigned length = count * 4;
  if (buffer == nullptr || size < length + 1) return length + 1;
  char* out = buffer;
  for (int drive = 1; drive <= 26; ++drive) {
    if (!table.IsMapped(drive)) continue;
    *out++ = static_cast<char>('A' + drive - 1);
    *out++ = ':';
    *out++ = '\\';
    *out++ = '\0';
  }
  *out = '\0';
  return length;
}

unsigned PosixFileSystem::GetDriveType(const char* root) {
  int drive = root == nullptr ? currentDrive : ExplicitDrive(root);
  const std::string& host = table.HostDirectory(drive);
  struct statfs info;
  if (host.empty() || statfs(host.c_str(), &info) != 0) return kDriveNoRootDir;
  switch (static_cast<unsigned long>(info.f_type)) {
    case 0x01021994UL:  // tmpfs
    case 0x858458f6UL:  // ramfs
      return kDriveRamDisk;
    case 0x9660UL:      // iso9660
    case 0x15013346UL:  // udf
      return kDriveCdrom;
    case 0x6969UL:      // nfs
    case 0xff534d42UL:  // cifs
    case 0x517bUL:      // smb
    case 0xfe534d42UL:  // smb2
      return kDriveRemote;
    case 0x65735546UL: {  // fuse: only the mount table says which kind
      char real[PATH_MAX];
      std::string type = MountTypeOf(realpath(host.c_str(), real) != nullptr ? real : host);
      if (type == "fuse.sshfs" || type == "sshfs") return kDriveRemote;
      break;
    }
    default:
      break;
  }
  if (host.rfind("/media/", 0) == 0 || host.rfind("/run/media/", 0) == 0) return kDriveRemovable;
  return kDriveFixed;
}

std::string PosixFileSystem::HostPath(const char* drivePath) { return HostOf(drivePath); }

std::string PosixFileSystem::DrivePath(const char* hostPath) {
  if (hostPath == nullptr) return {};
  if (hostPath[0] == '/') return DrivePathOf(table, hostPath);
  // A relative host name is taken from the engine's current directory.
  std::string base = HostOf(".");
  return base.empty() ? std::string() : DrivePathOf(table, base + "/" + hostPath);
}

FileSystem& HostFileSystem() {
  static PosixFileSystem host = [] {
    const char* drives = std::getenv("ZALTOR_DRIVES");
    char cwd[PATH_MAX];
    const char* working = getcwd(cwd, sizeof cwd);
    return PosixFileSystem(drives != nullptr ? drives : "", working != nullptr ? working : "");
  }();
  return host;
}

}  // namespace zaltor
