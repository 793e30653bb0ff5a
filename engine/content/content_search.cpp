#include "engine/content/content_search.h"

namespace zaltor {

bool SearchFileContent(FileSystem& fs, const char* path, const ContentNeedle& needle, int (*keepReading)()) {
  int fd = fs.OpenRead(path);
  return fd >= 0 && SearchOpenFile(fs, fd, needle, keepReading);
}

bool SearchOpenFile(FileSystem& fs, int fd, const ContentNeedle& needle, int (*keepReading)()) {
  ContentMatcher matcher(needle);
  char buffer[kContentReadSize];
  for (bool first = true;; first = false) {
    // Nothing is found yet here, so a stop leaves the file unmatched.
    if (!first && keepReading != nullptr && !keepReading()) break;
    long count = fs.Read(fd, buffer, kContentReadSize);
    if (count <= 0) break;
    if (matcher.Feed(buffer, static_cast<std::size_t>(count))) break;
  }
  fs.Close(fd);
  return matcher.found();
}

}  // namespace zaltor
