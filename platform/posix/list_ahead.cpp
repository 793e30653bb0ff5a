// Listings for the walk's helpers, made on their threads.
#include <utility>

#include "platform/posix/posix_file_system.h"

namespace zaltor {

class PosixFileSystem::ListedAhead : public ListedDirectory {
 public:
  ListedAhead(const PosixFileSystem& fs, Listing listing) : fs(fs), listing(std::move(listing)) {}

  std::size_t Count() const override { return listing.entries.size(); }
  const char* Name(std::size_t index) const override {
    return listing.read->names.data() + listing.entries[index].nameOffset;
  }
  void Entry(std::size_t index, FindData* out) const override { listing.Fill(listing.entries[index], out); }
  int OpenRead(std::size_t index) const override {
    const ListedEntry& entry = listing.entries[index];
    const DirectoryRead& read = *listing.read;
    return fs.OpenListedFile(read.directory.get(), read.names.data() + entry.nameOffset, entry.type);
  }
  std::vector<std::string> Subdirectories() const override { return SubdirectoriesOf(*listing.read); }
  bool Settled() const override { return listing.read->identity.vouches; }

 private:
  const PosixFileSystem& fs;
  Listing listing;
};

std::shared_ptr<const ListedDirectory> PosixFileSystem::ListAhead(const char* drivePath, const char* pattern) {
  if (drivePath == nullptr || pattern == nullptr) return nullptr;
  std::string resolved;
  std::shared_ptr<const DirectoryRead> read;
  {
    std::lock_guard<std::mutex> lock(stateMutex);
    if (!Resolve(drivePath, &resolved)) return nullptr;
    // The directory the walk is in: its own read serves.
    if (lastRead.drivePath == resolved) read = lastRead.read;
  }
  const std::string host = HostPathOf(table, resolved);
  if (host.empty()) return nullptr;
  if (read == nullptr) read = readAhead.Take(host, DirectoryReadAhead::Taker::kHelper);
  if (read == nullptr) {
    std::unique_ptr<std::vector<char>> buffer;
    {
      std::lock_guard<std::mutex> lock(aheadBuffersMutex);
      if (!aheadBuffers.empty()) {
        buffer = std::move(aheadBuffers.back());
        aheadBuffers.pop_back();
      }
    }
    if (buffer == nullptr) buffer = std::make_unique<std::vector<char>>();
    bool waited = false;
    // Noted for the visit, which trusts the read only while nothing has
    // changed in the directory since.
    read = ReadWholeDirectory(host, resolved.size() == 3, true, *buffer, &waited);
    {
      std::lock_guard<std::mutex> lock(aheadBuffersMutex);
      aheadBuffers.push_back(std::move(buffer));
    }
    if (read == nullptr) return nullptr;
    NoteRead(waited);
  }
  std::lock_guard<std::mutex> lock(stateMutex);
  if (lastRead.read != read) KeepRecentRead(resolved, read);
  return std::make_shared<ListedAhead>(*this, ListEntries(std::move(read), pattern));
}

}  // namespace zaltor
