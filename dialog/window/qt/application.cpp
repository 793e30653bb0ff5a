#include "dialog/window/application.h"

#include <QApplication>
#include <QEventLoop>

namespace zaltor::win {

class ApplicationHost {
 public:
  ApplicationHost(int& argc, char** argv) : application(argc, argv) {}

 private:
  QApplication application;
};

Application::Application(int& argc, char** argv) : host(std::make_unique<ApplicationHost>(argc, argv)) {}

Application::~Application() = default;

void PumpMessages(int milliseconds) { QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds); }

}  // namespace zaltor::win
