#include "dialog/window/message_box.h"

#include "dialog/window/win32/windows_api.h"

#include "dialog/window/dialog_window.h"
#include "dialog/window/win32/dialog_host.h"

namespace zaltor::win {

namespace {

int ShowBox(const MessageBoxRequest& request, HWND owner) {
  if (MessageBoxAnswerer answerer = CurrentMessageBoxAnswerer()) return answerer(request);
  return MessageBoxA(owner, request.text.c_str(), request.caption.c_str(), request.style);
}

}  // namespace

int MessageBox(DialogWindow* owner, const char* text, const char* caption, unsigned style) {
  const MessageBoxRequest request = MakeMessageBoxRequest(owner, text, caption, style);
  if (owner == nullptr) return ShowBox(request, nullptr);
  return CallOnThreadOf(*owner, [&request, owner] { return ShowBox(request, owner->Host().Handle()); });
}

std::string ApplicationName() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string name(path, length < sizeof path ? length : 0);
  const std::size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return name;
}

int AppMessageBox(const char* text, unsigned style) {
  return ShowBox(MakeMessageBoxRequest(nullptr, text, nullptr, style), GetActiveWindow());
}

}  // namespace zaltor::win
