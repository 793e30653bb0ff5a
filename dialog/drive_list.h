// The Drives list: one entry per drive of a known type, and "All".
#pragma once

#include "dialog/window/combo_box.h"
#include "platform/file_system.h"

namespace zaltor {

// Puts every drive of a known type at the top of the list in turn, so the
// last drive comes first, adds "All" in sorted order and selects the first
// entry of the C: drive, or the first entry when there is none.
void FillDriveList(win::ComboBox& combo, FileSystem& fs);

// The type tag of an entry, "(FIXED)" and so on; nullptr for a drive that
// gets no entry.
const char* DriveTypeTag(unsigned driveType);

}  // namespace zaltor
