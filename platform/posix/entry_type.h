// The type bits of a directory entry from what readdir says of it, for
// listings that need no more than that.
#pragma once

namespace zaltor {

// The attribute bits a listing gives an entry of the directory
// open as dirFd: directory, archive for a regular file, system for anything
// else (a symbolic link included), hidden for a leading dot. type is the
// entry's d_type; when it is DT_UNKNOWN (file systems that do not record it)
// the entry itself is looked at, without following a link. False when that
// look finds the entry gone since it was read; an entry that may not be
// looked at keeps the type readdir gave.
bool EntryTypeAttributes(int dirFd, const char* name, unsigned char type, unsigned* attrib);

// The same bits from a d_type alone.
unsigned AttributesOfType(unsigned char type, const char* name);

}  // namespace zaltor
