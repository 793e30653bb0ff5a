#include "platform/split_path.h"

#include <cstring>

#include "platform/file_system.h"

namespace zaltor {

namespace {

void CopyPart(char* out, const char* begin, const char* end) {
  if (out == nullptr) return;
  std::size_t length = static_cast<std::size_t>(end - begin);
  if (length > kMaxPath - 1) length = kMaxPath - 1;
  std::memcpy(out, begin, length);
  out[length] = '\0';
}

}  // namespace

void SplitPath(const char* path, char* drive, char* dir, char* name, char* ext) {
  const char* start = path;
  const char* end = path + std::strlen(path);
  const char* rest = start;
  if (end - start >= 2 && start[1] == ':') rest = start + 2;
  CopyPart(drive, start, rest);

  const char* nameStart = rest;
  for (const char* p = rest; p < end; ++p) {
    if (*p == '\\' || *p == '/') nameStart = p + 1;
  }
  CopyPart(dir, rest, nameStart);

  const char* dot = end;
  for (const char* p = nameStart; p < end; ++p) {
    if (*p == '.') dot = p;
  }
  CopyPart(name, nameStart, dot);
  CopyPart(ext, dot, end);
}

}  // namespace zaltor
