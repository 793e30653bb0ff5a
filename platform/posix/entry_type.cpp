#include "platform/posix/entry_type.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/file_system.h"

namespace zaltor {

namespace {

unsigned char TypeOfMode(mode_t mode) {
  return S_ISDIR(mode) ? DT_DIR : S_ISREG(mode) ? DT_REG : DT_LNK;
}

}  // namespace

unsigned AttributesOfType(unsigned char type, const char* name) {
  unsigned attrib = type == DT_DIR ? kAttrDirectory : type == DT_REG ? kAttrArchive : kAttrSystem;
  if (name[0] == '.') attrib |= kAttrHidden;
  return attrib;
}

bool EntryTypeAttributes(int dirFd, const char* name, unsigned char type, unsigned* attrib) {
  if (type == DT_UNKNOWN) {
    struct stat info;
    if (fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
      type = TypeOfMode(info.st_mode);
    } else if (errno != EACCES) {
      return false;
    }
  }
  *attrib = AttributesOfType(type, name);
  return true;
}

}  // namespace zaltor
