// The Windows host's part of the dialog tests' fixture: the C runtime's
// environment, the system's own drives, and a small program as the
// recording editor; Tab and dropped lists as the dialog manager serves them.
#include "dialog/window/win32/windows_api.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialog/dialog_fixture.h"
#include "dialog/window/win32/dialog_host.h"
#include "support/proxy_file_system.h"

namespace zaltor::testing {

void SetVariable(const char* name, const char* value) {
  // An empty value removes the variable.
  _putenv_s(name, value != nullptr ? value : "");
}

std::unique_ptr<FileSystem> HostDrivesOnto(const std::string&) {
  return std::make_unique<ProxyFileSystem>(HostFileSystem());
}

RecordingProgram::RecordingProgram() {
  // The recorder is built beside this program; each test gets a copy in its
  // own directory, where the copy writes its records.
  char module[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  const std::filesystem::path recorder =
      std::filesystem::path(std::string(module, length < sizeof module ? length : 0)).parent_path() /
      "zaltor_record_args.exe";
  std::filesystem::copy_file(recorder, dir.Path("record-args.exe"));
  // Forward slashes: EDITOR keeps only what follows its last backslash.
  path = std::filesystem::path(dir.Path("record-args.exe")).generic_string();
}

int PressTab(win::DialogWindow& dialog) {
  // What the modal loop does with the key: the dialog manager moves the
  // focus to the next tab stop.
  MSG key = {GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  IsDialogMessageA(dialog.Host().Handle(), &key);
  return dialog.FocusedDlgItem();
}

DroppedList DropList(win::DialogWindow& dialog, int id) {
  HWND combo = dialog.Host().Item(id);
  SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  RECT client = {};
  GetClientRect(info.hwndList, &client);
  const int item = static_cast<int>(SendMessageA(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
  // The list shows and hides its scroll bar by this style.
  const bool scrolls = (GetWindowLongPtrA(info.hwndList, GWL_STYLE) & WS_VSCROLL) != 0;
  // What the tooltip asks the dialog for when its wait over the combo box
  // ends: it shows no tip without text.
  NMTTDISPINFOA rest = {};
  rest.hdr.idFrom = reinterpret_cast<UINT_PTR>(combo);
  rest.hdr.code = TTN_NEEDTEXTA;
  SendMessageA(dialog.Host().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&rest));
  const bool tip = rest.lpszText != nullptr && rest.lpszText[0] != '\0';
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  return {item > 0 ? (client.bottom - client.top) / item : 0, scrolls, tip};
}

}  // namespace zaltor::testing
