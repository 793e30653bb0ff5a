// Help on Windows: the help file is Compiled HTML Help, shown by the
// platform's HTML Help viewer. Its library is loaded when help is first asked
// for, so the program needs no import library for it and still runs where
// the viewer is missing.
#include "dialog/window/help.h"

#include <cstdio>

#include "dialog/window/win32/windows_api.h"

namespace zaltor::win {

namespace {

// HtmlHelpA and the commands used here, as the viewer's header names them.
using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhCloseAll = 0x0012;

// The viewer's library stays loaded once it is: its windows run on its code.
// Only the dialog's thread asks for help.
HMODULE viewerLibrary = nullptr;

HtmlHelpFunction ViewerFunction() {
  if (viewerLibrary == nullptr) return nullptr;
  // GetProcAddress returns every function under one type.
  return reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void*>(GetProcAddress(viewerLibrary, "HtmlHelpA")));
}

std::string ModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length < sizeof path ? length : 0);
}

}  // namespace

std::string ProgramHelpFilePath() { return HelpFilePathFor(ModulePath()); }

std::string HelpFilePathFor(const std::string& programPath) {
  const std::size_t slash = programPath.find_last_of("\\/");
  const std::size_t dot = programPath.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? programPath.substr(0, dot) : programPath) + ".chm";
}

bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data) {
  if (command == kHelpQuit) {
    // Without the library loaded no help window was ever opened.
    if (const HtmlHelpFunction viewer = ViewerFunction()) viewer(nullptr, nullptr, kHhCloseAll, 0);
    return true;
  }
  if (command != kHelpContext) return false;
  if (viewerLibrary == nullptr) viewerLibrary = LoadLibraryA("hhctrl.ocx");
  const HtmlHelpFunction viewer = ViewerFunction();
  if (viewer == nullptr) return false;
  // A topic is an anchor on the help text's page named by the context number
  // in hexadecimal, as in the text the other hosts' viewer reads. It is asked
  // for by its place, not by a context mapped in the help project: chmcmd
  // maps a context to a page only, and writes the page's name behind the
  // project's own directory. The viewer shows every topic of the file in the
  // window it opened for the first.
  char anchor[2 * sizeof data + 1];
  std::snprintf(anchor, sizeof anchor, "%lx", data);
  const std::string topic = helpFile + "::/" ZALTOR_HELP_PAGE "#" + anchor;
  return viewer(nullptr, topic.c_str(), kHhDisplayTopic, 0) != nullptr;
}

}  // namespace zaltor::win
