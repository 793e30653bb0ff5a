// The help viewer's window, the program zaltor-help that WinHelp starts.
#pragma once

#include <QTextBrowser>
#include <string>

class QSocketNotifier;

namespace zaltor::win {

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
