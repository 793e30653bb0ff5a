// zaltor-cli: the search engine's command line. Its own flags come first;
// everything after them is the engine's option vector, unchanged.
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/console_front_end.h"
#include "cli/usage.h"
#include "engine/run_search.h"
#include "platform/console_interrupt.h"
#include "zaltor/version.h"

int main(int argc, char** argv) {
  using zaltor::ConsoleFrontEnd;
  bool statusLines = false;
  int first = 1;
  for (; first < argc && std::strncmp(argv[first], "--", 2) == 0; ++first) {
    const char* flag = argv[first];
    if (std::strcmp(flag, "--") == 0) {
      ++first;
      break;
    }
    if (std::strcmp(flag, "--status") == 0) {
      statusLines = true;
    } else if (std::strcmp(flag, "--version") == 0) {
      std::fputs("zaltor-cli " ZALTOR_VERSION "\n", stdout);
      return 0;
    } else if (std::strcmp(flag, "--help") == 0) {
      std::fputs(zaltor::UsageText().c_str(), stdout);
      return 0;
    } else {
      std::fprintf(stderr, "zaltor-cli: unknown flag '%s'\n%s", flag, zaltor::UsageText().c_str());
      return 2;
    }
  }

  ConsoleFrontEnd::StatusMode mode = ConsoleFrontEnd::StatusMode::kSilent;
  if (statusLines) {
    mode = ConsoleFrontEnd::StatusMode::kLines;
  } else if (isatty(STDERR_FILENO)) {
    mode = ConsoleFrontEnd::StatusMode::kProgressLine;
  }
  ConsoleFrontEnd frontEnd(mode, stdin, isatty(STDIN_FILENO));

  // The engine may write into the option strings, so it gets copies.
  std::vector<std::string> copies(argv + first, argv + argc);
  std::vector<char*> vector;
  for (std::string& option : copies) vector.push_back(option.data());
  vector.push_back(nullptr);

  // The first Ctrl-C stops the search at its next check, as the dialog's Stop does.
  zaltor::WatchForInterrupt([] { zaltor::SetRunning(0); });
  zaltor::SetRunning(1);
  int result = zaltor::RunSearch(static_cast<int>(copies.size()), vector.data(), nullptr, nullptr);
  zaltor::SetRunning(0);
  frontEnd.EndProgress();
  return result == zaltor::kWalkDone ? 0 : result == zaltor::kWalkSkipped ? zaltor::kWalkSkipped : zaltor::kWalkStop;
}
