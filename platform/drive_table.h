// Which host directory each drive letter stands for.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zaltor {

class DriveTable {
 public:
  // Parses "C=/srv/c;D=/mnt/d": a letter (either case), '=', an absolute host
  // directory; entries separated by ';'. An empty text maps C: to "/".
  // Entries that do not have that shape (no '=', more than one character or a
  // non-letter before it, a relative or empty directory) are skipped; when a
  // letter appears twice the later entry wins. Nothing is trimmed: a blank is
  // part of the letter or the directory it touches.
  static DriveTable Parse(std::string_view text);

  // Drive numbers run from 1 (A:) to 26 (Z:).
  bool IsMapped(int drive) const;
  // The normalised host directory ("/srv/c", the host root "/"), or empty.
  const std::string& HostDirectory(int drive) const;
  // The lowest mapped drive number, or 0 when none is mapped.
  int LowestMapped() const;

 private:
  std::array<std::string, 26> directories;
};

// "/a//b/./c/../" becomes "/a/b"; empty when the path is not absolute. ".."
// is taken lexically, so symbolic links are not looked at.
std::string NormaliseHostPath(std::string_view path);

}  // namespace zaltor
