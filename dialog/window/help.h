// Help: the program's help file shown at a topic, in one viewer that later
// topics are sent to while it is open.
#pragma once

#include <string>

namespace zaltor::win {

constexpr unsigned kHelpContext = 0x0001;
constexpr unsigned kHelpQuit = 0x0002;

// The help file of this program: HelpFilePathFor its own path.
std::string ProgramHelpFilePath();

// The help file of the program at programPath: beside it, its path with the
// extension replaced by the host's: ".chm" (Compiled HTML Help) on Windows,
// ".HLP" elsewhere, where, if there is none beside it but an installed tree
// holds one in the prefix's data directory, that one.
std::string HelpFilePathFor(const std::string& programPath);

// kHelpContext shows helpFile at the topic numbered data: in the viewer
// this program opened on that file, brought to the front, while it still
// runs, else in a new one. kHelpQuit closes the viewer if it still runs.
// False when the viewer cannot start or cannot open the file.
bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data);

}  // namespace zaltor::win
