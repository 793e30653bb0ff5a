// Help on Windows: WinHelp is gone from current Windows, and the help file
// is HTML. A copy named .html in the temporary directory is opened by the
// desktop's browser, at the topic's anchor.
#include "dialog/window/help.h"

#include <cstdio>

#include "dialog/window/win32/windows_api.h"

namespace zaltor::win {

namespace {

std::string ModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length < sizeof path ? length : 0);
}

constexpr char kCopyName[] = "zaltor-help.html";

// A URL's fragment does not survive the way from ShellExecute to the
// browser (the file association passes a path; Wine's winebrowser mangles
// the URL), so each topic gets a page of its own in the temporary directory
// that sends the browser on to the anchor in the copy beside it.
bool WriteTopicPage(const std::string& path, const std::string& anchor) {
  std::FILE* page = std::fopen(path.c_str(), "wb");
  if (page == nullptr) return false;
  const std::string target = std::string(kCopyName) + "#" + anchor;
  std::fprintf(page,
               "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
               "<meta http-equiv=\"refresh\" content=\"0; url=%s\"><title>ZALTOR Help</title></head>\n"
               "<body><a href=\"%s\">ZALTOR Help</a></body></html>\n",
               target.c_str(), target.c_str());
  return std::fclose(page) == 0;
}

}  // namespace

std::string ProgramHelpFilePath() { return HelpFilePathFor(ModulePath()); }

std::string HelpFilePathFor(const std::string& programPath) {
  const std::size_t slash = programPath.find_last_of("\\/");
  const std::size_t dot = programPath.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? programPath.substr(0, dot) : programPath) + ".HLP";
}

bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data) {
  // The browser's window is the user's to close.
  if (command == kHelpQuit) return true;
  if (command != kHelpContext) return false;
  char directory[MAX_PATH] = {};
  const DWORD length = GetTempPathA(sizeof directory, directory);
  if (length == 0 || length >= sizeof directory) return false;
  // Anchors are named by the context number in hexadecimal, as on every host.
  char anchor[16];
  std::snprintf(anchor, sizeof anchor, "%lx", data);
  const std::string copy = std::string(directory) + kCopyName;
  const std::string topic = std::string(directory) + "zaltor-help-" + anchor + ".html";
  // A missing help file leaves no copy, not an old one: the browser then
  // says that it is missing.
  DeleteFileA(copy.c_str());
  CopyFileA(helpFile.c_str(), copy.c_str(), FALSE);
  if (!WriteTopicPage(topic, anchor)) return false;
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", topic.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace zaltor::win
