// The editor started on a file when EDITOR names none.
#pragma once

namespace zaltor {

// notepad on Windows; elsewhere the desktop's opener, which opens the file
// in the desktop's text editor.
extern const char kDefaultEditor[];
// The desktop's opener, started without a file or on one that does not
// exist, prints its usage and ends: nothing would appear. notepad opens
// an empty page or offers to create the file.
extern const bool kDefaultEditorNeedsExistingFile;

}  // namespace zaltor
