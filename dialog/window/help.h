// Help: the help viewer is a program of our own beside the program file,
// started on a help file at a topic.
#pragma once

#include <QTextBrowser>
#include <string>

namespace zaltor::win {

constexpr unsigned kHelpContext = 0x0001;
constexpr unsigned kHelpQuit = 0x0002;

// The help file of this program: HelpFilePathFor its own path.
std::string ProgramHelpFilePath();

// The help file of the program at programPath: beside it, its path with the
// extension replaced by ".HLP"; where there is none but an installed tree
// holds one in the prefix's data directory, that one.
std::string HelpFilePathFor(const std::string& programPath);

// kHelpContext opens helpFile at the topic numbered data; kHelpQuit closes
// every viewer this program opened. False when the viewer cannot start.
bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data);

// The viewer program's path: "zaltor-help" beside the program file.
std::string HelpViewerPath();

// The viewer's window: a help file is HTML whose topics are anchors named by
// their context number in hexadecimal ("20066").
class HelpViewer : public QTextBrowser {
 public:
  explicit HelpViewer(QWidget* parent = nullptr);
  // Shows the file at the topic; a file that cannot be read is reported in
  // the window itself. False in that case.
  bool Open(const std::string& helpFile, unsigned long context);
};

}  // namespace zaltor::win
