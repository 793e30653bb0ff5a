// Help: the help viewer is a program of our own beside the program file,
// started on a help file at a topic and sent later topics over a socket that
// is its standard input.
#pragma once

#include <QTextBrowser>
#include <string>

class QSocketNotifier;

namespace zaltor::win {

constexpr unsigned kHelpContext = 0x0001;
constexpr unsigned kHelpQuit = 0x0002;

// The help file of this program: HelpFilePathFor its own path.
std::string ProgramHelpFilePath();

// The help file of the program at programPath: beside it, its path with the
// extension replaced by ".HLP"; where there is none but an installed tree
// holds one in the prefix's data directory, that one.
std::string HelpFilePathFor(const std::string& programPath);

// kHelpContext shows helpFile at the topic numbered data: in the viewer
// this program opened on that file, brought to the front, while it still
// runs, else in a new one. kHelpQuit closes the viewer if it still runs.
// False when the viewer cannot start.
bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data);

// The viewer's last argument when later topics come on its standard input.
constexpr char kFollowInput[] = "-";

// The viewer program's path: "zaltor-help" beside the program file.
std::string HelpViewerPath();

// The viewer's window: a help file is HTML whose topics are anchors named by
// their context number in hexadecimal ("20066").
class HelpViewer : public QTextBrowser {
 public:
  explicit HelpViewer(QWidget* parent = nullptr);
  ~HelpViewer() override;
  // Shows the file at the topic; a file that cannot be read is reported in
  // the window itself. False in that case.
  bool Open(const std::string& helpFile, unsigned long context);
  // Takes further topics from the descriptor, one hexadecimal context number
  // a line, and comes to the front at each; closes at the descriptor's end.
  // The descriptor is closed with the window, so whoever writes to it learns
  // that this viewer has gone.
  void Follow(int descriptor);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ReadTopics();
  void ShowTopic(unsigned long context);
  void StopFollowing();

  int topics = -1;
  QSocketNotifier* notifier = nullptr;
  std::string pending;
};

}  // namespace zaltor::win
