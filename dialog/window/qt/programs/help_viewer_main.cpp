// zaltor-help FILE CONTEXT [-]: shows a help file at the topic numbered
// CONTEXT (hexadecimal); with "-", later topics come on standard input, one
// a line, and the viewer closes at its end.
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialog/window/help.h"
#include "dialog/window/qt/help_viewer.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  zaltor::win::HelpViewer viewer;
  const std::string file = argc > 1 ? argv[1] : "";
  // A context that is not a number opens the file at its top.
  const unsigned long context = argc > 2 ? std::strtoul(argv[2], nullptr, 16) : 0;
  viewer.Open(file, context);
  viewer.show();
  if (argc > 3 && std::strcmp(argv[3], zaltor::win::kFollowInput) == 0) viewer.Follow(0);
  return application.exec();
}
