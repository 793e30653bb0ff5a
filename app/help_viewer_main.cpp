// zaltor-help FILE CONTEXT: shows a help file at the topic numbered CONTEXT
// (hexadecimal).
#include <QApplication>
#include <cstdlib>
#include <string>

#include "dialog/window/help.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  zaltor::win::HelpViewer viewer;
  const std::string file = argc > 1 ? argv[1] : "";
  // A context that is not a number opens the file at its top.
  const unsigned long context = argc > 2 ? std::strtoul(argv[2], nullptr, 16) : 0;
  viewer.Open(file, context);
  viewer.show();
  return application.exec();
}
