// _splitpath: a path cut into drive, directory, name and extension.
#pragma once

namespace zaltor {

// Each output (any may be nullptr) is a buffer of kMaxPath bytes; a longer
// part is cut at 259 characters. drive is "C:" or empty; dir keeps its
// trailing separator; ext starts at the last '.' of the last component and
// keeps the dot. Both '\' and '/' separate components.
void SplitPath(const char* path, char* drive, char* dir, char* name, char* ext);

}  // namespace zaltor
