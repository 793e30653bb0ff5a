// zaltor: the dialog program.
#include <csignal>

#include "app/search_app.h"

int main(int argc, char** argv) {
  // Editors and help viewers run on their own and are never waited for; the
  // system reaps them when they end.
  std::signal(SIGCHLD, SIG_IGN);
  zaltor::SearchApp app(argc, argv);
  app.InitInstance();
  return 0;
}
