// Starting the text editor on a result or batch file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/default_editor.h"

namespace zaltor {

// The editor's argument vector from the value of EDITOR (nullptr when it is
// not set): the program name after the last backslash (the default editor
// when nothing follows it) without its extension, the blank-separated
// arguments after the first blank (at most 96), then the file name unless it
// is empty.
std::vector<std::string> EditorCommand(const char* editorValue, const char* defaultEditor,
                                       const std::string& fileName);

// Starts the command without waiting. A failed start is reported through
// ask(text, style); for lack of memory and for unknown failures the user may
// retry as often as they like.
void StartEditor(const std::vector<std::string>& command, const std::function<int(const char*, unsigned)>& ask);

}  // namespace zaltor
