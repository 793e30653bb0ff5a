// zaltor-render FILE.png: draws the main dialog as it starts, with its
// defaults, into a picture (for the README and for looking at the layout
// without a display).
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "dialog/search_dialog.h"
#include "dialog/window/dialog_window.h"
#include "dialog/window/qt/dialog_host.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zaltor-render FILE.png\n");
    return 2;
  }
  QApplication application(argc, argv);
  // The program shows its Help button because it handles the help command.
  zaltor::win::DialogWindow::SetHelpHandler([](unsigned long) {});
  zaltor::SearchDialog dialog;
  dialog.Create();
  dialog.ShowWindow();
  if (!dialog.Host().grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "zaltor-render: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
