// A directory tree made for one test in a fresh temporary directory, and
// removed with it.
#pragma once

#include <ctime>
#include <string>

namespace zaltor::testing {

class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::string& root() const { return rootPath; }
  // Host path of a '/'-separated path below the root.
  std::string Path(const std::string& relative) const;

  // Makes the directory and its parents.
  void Dir(const std::string& relative) const;
  // Writes the file (making its directory); a nonzero mtime is set as its
  // last-write time.
  void File(const std::string& relative, const std::string& content = "",
            std::time_t mtime = 0) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;

 private:
  std::string rootPath;
};

}  // namespace zaltor::testing
