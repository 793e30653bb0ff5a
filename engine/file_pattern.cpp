// /fpattern: where the search starts and which names it enumerates.
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/parse_options.h"
#include "engine/text_copy.h"
#include "platform/split_path.h"

namespace zaltor {

namespace {

const char* LastComponent(const char* path) {
  const char* slash = std::strrchr(path, '\\');
  return slash != nullptr ? slash + 1 : path;
}

// A bare word such as "report" means "any name holding report": it becomes
// "*report*", keeping an extension after its last dot.
void WrapNamePattern(char* work, const char* value) {
  const char* valueName = LastComponent(value);
  const char* dot = std::strrchr(valueName, '.');
  const bool bareName = dot == nullptr || dot[1] == '\0' || dot == value;
  char* workName = const_cast<char*>(LastComponent(work));
  if (!bareName || std::strchr(workName, '*') != nullptr) return;
  std::string wrapped(work, workName);
  wrapped += '*';
  wrapped.append(valueName, dot != nullptr ? dot : valueName + std::strlen(valueName));
  wrapped += '*';
  if (dot != nullptr) wrapped += dot + 1;
  CopyBounded(work, kMaxPath, wrapped);
}

}  // namespace

void ApplyFilePattern(SearchEngine& engine, const char* value, char* startDirectory) {
  SearchRequest& request = engine.request;
  char work[kMaxPath];
  char drive[kMaxPath] = {};
  char directory[kMaxPath] = {};
  char name[kMaxPath] = {};
  char extension[kMaxPath] = {};
  CopyBounded(work, kMaxPath, value);

  StatData stat;
  if (std::strchr(work, ':') == nullptr || engine.fs.Stat(work, &stat) != kFsOk) {
    WrapNamePattern(work, value);
  } else if (engine.fs.ChDir(work) == kFsOk) {
    CopyBounded(work, kMaxPath, std::string(work) + "\\*.*");
  }

  SplitPath(work, drive, directory, name, extension);
  if (extension[0] == '\0') std::strcpy(extension, ".*");
  if (name[0] == '\0') std::strcpy(name, "*");
  if (drive[0] == '\0') {
    std::strcpy(drive, "C:");
    if (directory[0] == '\0') {
      std::strcpy(directory, "\\");
      request.allDrives = 1;
    }
  } else if (directory[0] == '\0') {
    std::strcpy(directory, "\\");
  }

  std::string start = std::string(drive) + directory;
  if (start.size() >= 2 && start.back() == '\\' && start[start.size() - 2] != ':') start.pop_back();
  CopyBounded(startDirectory, kMaxPath, start);
  CopyBounded(request.namePattern, kMaxPath, std::string(name) + extension);
}

}  // namespace zaltor
