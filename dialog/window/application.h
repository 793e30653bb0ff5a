// The application object the window layer needs before any window exists,
// and serving the calling thread's messages while it waits for something.
#pragma once

#include <memory>

namespace zaltor::win {

class ApplicationHost;

class Application {
 public:
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

 private:
  std::unique_ptr<ApplicationHost> host;
};

// Serves the messages waiting for this thread's windows, for at most
// milliseconds while more keep coming.
void PumpMessages(int milliseconds);

}  // namespace zaltor::win
