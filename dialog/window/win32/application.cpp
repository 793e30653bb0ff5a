#include "dialog/window/application.h"

#include "dialog/window/win32/windows_api.h"

namespace zaltor::win {

class ApplicationHost {};

Application::Application(int&, char**) : host(std::make_unique<ApplicationHost>()) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

Application::~Application() = default;

void PumpMessages(int milliseconds) {
  // Sent messages are served inside the wait as well.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds), QS_ALLINPUT);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace zaltor::win
