// The Linux host's part of the dialog tests' fixture: the POSIX
// environment, drives mapped by the POSIX file system, a shell script as
// the recording editor; Tab and dropped lists as the toolkit serves them.
#include <sys/stat.h>

#include <cstdlib>

#include "dialog/dialog_fixture.h"
#include "platform/posix/posix_file_system.h"

// After the platform's headers: Qt's keywords are macros.
#include "dialog/window/qt/dialog_host.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest/QTest>

namespace zaltor::testing {

void SetVariable(const char* name, const char* value) {
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
}

std::unique_ptr<FileSystem> HostDrivesOnto(const std::string& hostC) {
  return std::make_unique<PosixFileSystem>("C=" + hostC, hostC);
}

RecordingProgram::RecordingProgram() {
  path = dir.Path("record-args");
  // Each start takes the next free number; the record appears whole, by a
  // rename, so a reader never sees half of it. Process ids order the starts.
  const std::string script =
      "#!/bin/sh\n"
      "dir='" + dir.root() + "'\n"
      "n=1\n"
      "exec </dev/null >/dev/null 2>&1\n"
      // A start that comes after its test has ended finds no directory.
      "while ! mkdir \"$dir/lock.$n\"; do [ -d \"$dir\" ] || exit 0; n=$((n+1)); done\n"
      "{ echo $$; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$dir/tmp.$n\"\n"
      "mv \"$dir/tmp.$n\" \"$dir/record.$n\"\n";
  dir.File("record-args", script);
  chmod(path.c_str(), 0755);
}

int PressTab(win::DialogWindow& dialog) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &dialog.Host(), Qt::Key_Tab);
  return dialog.FocusedDlgItem();
}

DroppedList DropList(win::DialogWindow& dialog, int id) {
  win::ComboBoxWidget* combo = dialog.Host().Combo(id);
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  const int item = list->sizeHintForRow(0);
  QHelpEvent rest(QEvent::ToolTip, QPoint(2, 2), combo->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(combo, &rest);
  const DroppedList shown = {item > 0 ? list->viewport()->height() / item : 0,
                             list->verticalScrollBar()->isVisible(), QToolTip::isVisible()};
  QToolTip::hideText();
  combo->hidePopup();
  return shown;
}

}  // namespace zaltor::testing
