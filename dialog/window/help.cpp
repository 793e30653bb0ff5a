#include "dialog/window/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <mutex>
#include <sys/types.h>
#include <sys/wait.h>
#include <vector>

#include "platform/process_start.h"

namespace zaltor::win {

namespace {

std::mutex viewersMutex;
std::vector<long> viewers;

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
  if (command == kHelpQuit) {
    std::lock_guard<std::mutex> lock(viewersMutex);
    for (long pid : viewers) {
      kill(static_cast<pid_t>(pid), SIGTERM);
      waitpid(static_cast<pid_t>(pid), nullptr, 0);
    }
    viewers.clear();
    return true;
  }
  if (command != kHelpContext) return false;
  const std::string viewer = HelpViewerPath();
  const std::string context = QString::number(data, 16).toStdString();
  const char* argv[] = {viewer.c_str(), helpFile.c_str(), context.c_str(), nullptr};
  long pid = 0;
  if (StartProcess(argv, &pid) != 0) return false;
  std::lock_guard<std::mutex> lock(viewersMutex);
  viewers.push_back(pid);
  return true;
}

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent) {
  setOpenExternalLinks(false);
  resize(640, 560);
}

bool HelpViewer::Open(const std::string& helpFile, unsigned long context) {
  const QString path = QString::fromLocal8Bit(helpFile.c_str());
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    setWindowTitle(tr("Help"));
    setPlainText(tr("Cannot open the help file \"%1\".\n\nIt should lie beside the program, under the "
                    "program's name with the extension .HLP.")
                     .arg(path));
    return false;
  }
  setSearchPaths({QFileInfo(path).absolutePath()});
  setHtml(QString::fromUtf8(file.readAll()));
  setWindowTitle(documentTitle().isEmpty() ? QFileInfo(path).fileName() : documentTitle());
  scrollToAnchor(QString::number(context, 16));
  return true;
}

}  // namespace zaltor::win
