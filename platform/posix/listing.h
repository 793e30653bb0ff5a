// The entries of one enumeration of a directory read: those a pattern
// selects, in the read's order, taking their details from the read.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/directory_read.h"

namespace zaltor {

struct ListedEntry {
  std::size_t nameOffset;
  std::size_t nameLength;
  bool isDirectory;
  unsigned char type;  // d_type as read
};

struct Listing : EntryDetailsSource {
  std::shared_ptr<const DirectoryRead> read;
  std::vector<ListedEntry> entries;
  // An entry's details, from lstat relative to the directory's descriptor.
  EntryDetails DetailsOf(const char* name) const override;
  // Out as the enumeration gives entry; its details come from here later.
  void Fill(const ListedEntry& entry, FindData* out) const;
};

// The listing of read with the entries pattern selects (the enumeration's
// wildcard rules); an entry found gone when its type had to be looked at is
// left out.
Listing ListEntries(std::shared_ptr<const DirectoryRead> read, const char* pattern);

// The names of read's subdirectories but those beginning with '.', in its
// order.
std::vector<std::string> SubdirectoriesOf(const DirectoryRead& read);

}  // namespace zaltor
