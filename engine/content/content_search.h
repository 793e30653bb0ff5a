// The content criterion: does a file contain a byte string?
#pragma once

#include "engine/content/content_matcher.h"
#include "platform/file_system.h"

namespace zaltor {

// Bytes asked of each read of the file: large enough that the calls cost
// little next to the copying, small enough for the stack of any thread.
constexpr unsigned kContentReadSize = 64 * 1024;

// Whether the file at path contains the needle (ASCII letters compared
// without regard to case); false when it cannot be opened or fails to read
// before an occurrence turns up. The file is read front to back and no
// further than the first occurrence; an empty needle is found in any file
// that yields a byte. keepReading, when given, is asked before each read
// after the first: a 0 ends the read, and the file does not match, so a stop
// need not wait for the end of a file of any size.
bool SearchFileContent(FileSystem& fs, const char* path, const ContentNeedle& needle,
                       int (*keepReading)() = nullptr);

// The same for a file opened already with fs.OpenRead (or as one of its
// listings opens it); fd is closed.
bool SearchOpenFile(FileSystem& fs, int fd, const ContentNeedle& needle, int (*keepReading)() = nullptr);

}  // namespace zaltor
