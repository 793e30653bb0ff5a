// What the Wine test of zaltor.exe reads of its windows and xdotool cannot:
// prints the text of control ID in every top-level window titled TITLE, a
// line each. Usage: zaltor_control_text TITLE ID
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Wanted {
  const char* title;
  int id;
};

BOOL CALLBACK PrintControlText(HWND window, LPARAM argument) {
  const Wanted& wanted = *reinterpret_cast<const Wanted*>(argument);
  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  HWND control = std::strcmp(title, wanted.title) == 0 ? GetDlgItem(window, wanted.id) : nullptr;
  if (control == nullptr) return TRUE;
  // WM_GETTEXT reaches another process's control; a window that does not
  // answer within a second is passed over.
  char text[4096] = {};
  DWORD_PTR length = 0;
  if (SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                          &length) != 0) {
    std::printf("%s\n", text);
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zaltor_control_text TITLE ID\n");
    return 2;
  }
  Wanted wanted = {argv[1], std::atoi(argv[2])};
  EnumWindows(&PrintControlText, reinterpret_cast<LPARAM>(&wanted));
  return 0;
}
