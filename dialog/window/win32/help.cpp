// Help on Windows: WinHelp is gone from current Windows, and the help file
// is HTML. A copy named .html in the temporary directory is opened by the
// desktop's browser.
#include "dialog/window/help.h"

#include "dialog/window/win32/windows_api.h"

namespace zaltor::win {

namespace {

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
  return (hasExtension ? programPath.substr(0, dot) : programPath) + ".HLP";
}

bool WinHelp(const std::string& helpFile, unsigned command, unsigned long) {
  // The browser's window is the user's to close.
  if (command == kHelpQuit) return true;
  if (command != kHelpContext) return false;
  char directory[MAX_PATH] = {};
  const DWORD length = GetTempPathA(sizeof directory, directory);
  if (length == 0 || length >= sizeof directory) return false;
  const std::string page = std::string(directory) + "zaltor-help.html";
  if (!CopyFileA(helpFile.c_str(), page.c_str(), FALSE)) return false;
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace zaltor::win
