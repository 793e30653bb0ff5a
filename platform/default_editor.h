// The editor started on a file when EDITOR names none.
#pragma once

namespace zaltor {

// notepad on Windows; elsewhere the desktop's opener, which opens the file
// in the desktop's text editor.
extern const char kDefaultEditor[];

}  // namespace zaltor
