#include "engine/content/content_search.h"

#include "engine/content/content_matcher.h"

namespace zaltor {

bool SearchFileContent(FileSystem& fs, const char* path, const char* bytes, std::int32_t length,
                       int (*keepReading)()) {
  int fd = fs.OpenRead(path);
  if (fd < 0) return false;
  ContentMatcher matcher(bytes, length);
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
