#include "dialog/drive_list.h"

#include <cstring>
#include <string>

#include "engine/text_copy.h"

namespace zaltor {

const char* DriveTypeTag(unsigned driveType) {
  switch (driveType) {
    case kDriveRemovable:
      return "(REMOVABLE)";
    case kDriveFixed:
      return "(FIXED)";
    case kDriveRemote:
      return "(NETWORK)";
    case kDriveCdrom:
      return "(CDROM)";
    case kDriveRamDisk:
      return "(RAM)";
    default:
      return nullptr;
  }
}

void FillDriveList(win::ComboBox& combo, FileSystem& fs) {
  // 26 drives of four bytes and the final NUL always fit.
  char roots[kMaxPath] = {};
  const unsigned length = fs.GetLogicalDriveStrings(sizeof roots, roots);
  if (length == 0 || length >= sizeof roots) roots[0] = '\0';
  for (const char* root = roots; *root != '\0'; root += std::strlen(root) + 1) {
    const char* tag = DriveTypeTag(fs.GetDriveType(root));
    if (tag == nullptr) continue;
    char entry[52];
    CopyBounded(entry, sizeof entry, std::string(root) + tag);
    combo.InsertString(0, entry);
  }
  combo.AddString("All");
  const int drive = combo.FindString(-1, "C:");
  combo.SetCurSel(drive >= 0 ? drive : 0);
}

}  // namespace zaltor
