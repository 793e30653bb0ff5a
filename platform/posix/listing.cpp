#include "platform/posix/listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <utility>

#include "platform/posix/entry_type.h"
#include "platform/wildcard.h"

namespace zaltor {

namespace {

unsigned AttributesOf(mode_t mode, const char* name) {
  unsigned attrib = 0;
  if (S_ISDIR(mode)) {
    attrib |= kAttrDirectory;
  } else if (S_ISREG(mode)) {
    attrib |= kAttrArchive;
  } else {
    attrib |= kAttrSystem;
  }
  if ((mode & S_IWUSR) == 0) attrib |= kAttrReadOnly;
  if (name[0] == '.') attrib |= kAttrHidden;
  return attrib;
}

}  // namespace

EntryDetails Listing::DetailsOf(const char* name) const {
  EntryDetails details;
  struct stat info;
  if (fstatat(read->directory.get(), name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
    details.attrib = AttributesOf(info.st_mode, name);
    details.timeWrite = info.st_mtime;
    details.size = S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
  } else {
    // Only the type is known of an entry that cannot be looked at (in a
    // directory we may read but not search) or is gone since it was read:
    // zero time and size.
    details.attrib = AttributesOfType(read->TypeOf(name), name);
  }
  return details;
}

void Listing::Fill(const ListedEntry& entry, FindData* out) const {
  std::memcpy(out->name, read->names.data() + entry.nameOffset, entry.nameLength + 1);
  out->SetListed(entry.isDirectory, this);
}

Listing ListEntries(std::shared_ptr<const DirectoryRead> read, const char* pattern) {
  Listing listing;
  listing.read = std::move(read);
  const DirectoryRead& directory = *listing.read;
  const int dirFd = directory.directory.get();
  const WildcardPattern wildcard(pattern);
  listing.entries.reserve(directory.entries.size());
  for (const RawEntry& entry : directory.entries) {
    const char* name = directory.NameOf(entry).data();
    if (!wildcard.Matches(name)) continue;
    unsigned typeAttributes = 0;
    if (!EntryTypeAttributes(dirFd, name, entry.type, &typeAttributes)) continue;
    listing.entries.push_back({entry.offset, entry.length, (typeAttributes & kAttrDirectory) != 0, entry.type});
  }
  return listing;
}

std::vector<std::string> SubdirectoriesOf(const DirectoryRead& read) {
  std::vector<std::string> names;
  for (const RawEntry& entry : read.entries) {
    const std::string_view name = read.NameOf(entry);
    if (name[0] == '.' || (entry.type != DT_DIR && entry.type != DT_UNKNOWN)) continue;
    unsigned attributes = 0;
    if (entry.type == DT_UNKNOWN &&
        (!EntryTypeAttributes(read.directory.get(), name.data(), entry.type, &attributes) ||
         (attributes & kAttrDirectory) == 0)) {
      continue;
    }
    names.emplace_back(name);
  }
  return names;
}

}  // namespace zaltor
