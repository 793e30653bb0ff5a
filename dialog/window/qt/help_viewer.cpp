#include "dialog/window/qt/help_viewer.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QSocketNotifier>
#include <cerrno>
#include <unistd.h>

namespace zaltor::win {

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent) {
  setOpenExternalLinks(false);
  resize(640, 560);
  // Esc and Ctrl+W close it, as they close other viewers.
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
  }
}

HelpViewer::~HelpViewer() { StopFollowing(); }

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

void HelpViewer::Follow(int descriptor) {
  StopFollowing();
  topics = descriptor;
  notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] { ReadTopics(); });
}

void HelpViewer::ReadTopics() {
  char buffer[256];
  const ssize_t count = read(topics, buffer, sizeof buffer);
  if (count < 0 && errno == EINTR) return;
  if (count <= 0) {
    close();
    return;
  }
  pending.append(buffer, static_cast<std::size_t>(count));
  // A line too long to be a context number is dropped.
  for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
    ShowTopic(std::strtoul(pending.substr(0, end).c_str(), nullptr, 16));
  }
  if (pending.size() > sizeof buffer) pending.clear();
}

void HelpViewer::ShowTopic(unsigned long context) {
  scrollToAnchor(QString::number(context, 16));
  if (isMinimized()) {
    showNormal();
  } else {
    show();
  }
  raise();
  activateWindow();
}

void HelpViewer::StopFollowing() {
  if (topics < 0) return;
  // The end of the input is read in the notifier's own signal.
  notifier->setEnabled(false);
  notifier->deleteLater();
  notifier = nullptr;
  ::close(topics);
  topics = -1;
}

void HelpViewer::closeEvent(QCloseEvent* event) {
  StopFollowing();
  QTextBrowser::closeEvent(event);
}

}  // namespace zaltor::win
