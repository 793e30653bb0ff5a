// zaltor: the dialog program.
#include "app/search_app.h"
#include "platform/process_start.h"

int main(int argc, char** argv) {
  // Editors and help viewers run on their own and are never waited for.
  zaltor::LeaveStartedProcessesUnwaited();
  zaltor::SearchApp app(argc, argv);
  app.InitInstance();
  return 0;
}
