#include "dialog/window/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <mutex>
#include <sys/socket.h>
#include <unistd.h>

#include "dialog/window/qt/help_viewer.h"
#include "platform/process_start.h"

namespace zaltor::win {

namespace {

// The viewer this program opened: our end of its topic socket and its file.
std::mutex viewerMutex;
int viewerSocket = -1;
std::string viewerFile;

// Sends the topic to the running viewer; false when there is none (it has
// closed its end: the send fails at once, without a signal).
bool SendTopic(const std::string& line) {
  if (viewerSocket < 0) return false;
  if (send(viewerSocket, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size())) return true;
  close(viewerSocket);
  viewerSocket = -1;
  return false;
}

}  // namespace

std::string ProgramHelpFilePath() {
  return HelpFilePathFor(QCoreApplication::applicationFilePath().toLocal8Bit().toStdString());
}

std::string HelpFilePathFor(const std::string& programPath) {
  const QFileInfo program(QString::fromLocal8Bit(programPath.c_str()));
  const QString name = program.completeBaseName() + ".HLP";
  const QString beside = program.absolutePath() + "/" + name;
  const QString installed = QDir::cleanPath(program.absolutePath() + "/" ZALTOR_HELP_FROM_PROGRAM "/" + name);
  const QString chosen = !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
  return chosen.toLocal8Bit().toStdString();
}

std::string HelpViewerPath() {
  return (QCoreApplication::applicationDirPath() + "/zaltor-help").toLocal8Bit().toStdString();
}

bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data) {
  std::lock_guard<std::mutex> lock(viewerMutex);
  if (command == kHelpQuit || (viewerSocket >= 0 && helpFile != viewerFile)) {
    // A viewer that has already gone is not touched: nothing is signalled.
    if (viewerSocket >= 0) close(viewerSocket);
    viewerSocket = -1;
    if (command == kHelpQuit) return true;
  }
  if (command != kHelpContext) return false;
  const std::string context = QString::number(data, 16).toStdString();
  if (SendTopic(context + "\n")) return true;
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
  const std::string viewer = HelpViewerPath();
  const char* argv[] = {viewer.c_str(), helpFile.c_str(), context.c_str(), kFollowInput, nullptr};
  const bool started = StartProcess(argv, ends[1]) == 0;
  close(ends[1]);
  if (!started) {
    close(ends[0]);
    return false;
  }
  viewerSocket = ends[0];
  viewerFile = helpFile;
  return true;
}

}  // namespace zaltor::win
