#include "dialog/open_in_editor.h"

#include <cerrno>

#include "platform/file_system.h"
#include "platform/message_box_codes.h"
#include "platform/process_start.h"

namespace zaltor {

namespace {

constexpr int kMaxEditorArguments = 96;

}  // namespace

std::vector<std::string> EditorCommand(const char* editorValue, const char* defaultEditor,
                                       const std::string& fileName) {
  // The value is held in a 260-byte buffer: anything longer is cut.
  std::string value = editorValue != nullptr ? editorValue : defaultEditor;
  if (value.size() > static_cast<std::size_t>(kMaxPath - 1)) value.resize(kMaxPath - 1);
  const std::size_t backslash = value.rfind('\\');
  if (backslash != std::string::npos) {
    value = value.substr(backslash + 1);
    if (value.empty()) value = defaultEditor;
  }
  const std::size_t blank = value.find(' ');
  std::string program = value.substr(0, blank);
  const bool hasArguments = blank != std::string::npos;
  const std::string arguments = hasArguments ? value.substr(blank + 1) : std::string();

  // Only the last name of a path has an extension: "/opt/ed.d/ed" stays.
  const std::size_t nameStart = program.rfind('/') == std::string::npos ? 0 : program.rfind('/') + 1;
  const std::size_t dot = program.rfind('.');
  if (dot != std::string::npos && dot > nameStart) program.resize(dot);

  std::vector<std::string> command{program};
  if (hasArguments) {
    std::size_t start = 0;
    for (int pieces = 0; pieces < kMaxEditorArguments; ++pieces) {
      const std::size_t next = arguments.find(' ', start);
      command.push_back(arguments.substr(start, next == std::string::npos ? std::string::npos : next - start));
      if (next == std::string::npos) break;
      start = next + 1;
    }
  }
  if (!fileName.empty()) command.push_back(fileName);
  return command;
}

void StartEditor(const std::vector<std::string>& command, const std::function<int(const char*, unsigned)>& ask) {
  std::vector<const char*> argv;
  for (const std::string& argument : command) argv.push_back(argument.c_str());
  argv.push_back(nullptr);
  for (;;) {
    const int error = StartProcess(argv.data());
    if (error == 0) return;
    const char* text = nullptr;
    switch (error) {
      case ENOENT:
        ask("Program notepad/editor specified in %EDITOR% NOT found in %PATH%!", kMbIconHand);
        return;
      case ENOEXEC:
      case EACCES:
        ask("Program specifed in %EDITOR% or 'notepad' is not runnable!", kMbIconHand);
        return;
      case ENOMEM:
        text = "Insufficient memory to run an editor!\nPlease exit other programs/editors before retrying!";
        break;
      default:
        text = "Failed to run editor of unknown error!";
        break;
    }
    if (ask(text, kMbIconHand | kMbRetryCancel) != kIdRetry) return;
  }
}

}  // namespace zaltor
