#include "cli/console_front_end.h"

#include <cstring>
#include <string>

#include "engine/text_compare.h"
#include "engine/text_copy.h"

namespace zaltor {

namespace {

bool IsQuestion(unsigned style) { return (style & kMbButtonMask) == kMbYesNo; }

// The progress line is kept to one terminal row so it can overwrite itself.
constexpr std::size_t kProgressWidth = 79;

}  // namespace

int AnswerFromLine(const char* line, unsigned style) {
  const int goOn = (style & kMbIconQuestion) ? kIdNo : kIdYes;
  if (line == nullptr) return goOn;
  std::string answer = Trimmed(line, " \t\n\v\f\r");
  if (StrICmp(answer.c_str(), "y") == 0 || StrICmp(answer.c_str(), "yes") == 0) return kIdYes;
  if (StrICmp(answer.c_str(), "n") == 0 || StrICmp(answer.c_str(), "no") == 0) return kIdNo;
  return goOn;
}

ConsoleFrontEnd::ConsoleFrontEnd(StatusMode statusMode, std::FILE* answers, bool promptForAnswers)
    : statusMode(statusMode), answers(answers), promptForAnswers(promptForAnswers) {
  activeDialog = this;
}

ConsoleFrontEnd::~ConsoleFrontEnd() {
  if (activeDialog == this) activeDialog = nullptr;
}

void ConsoleFrontEnd::EndProgress() {
  if (!progressShown) return;
  std::fputs("\r\033[K", stderr);
  progressShown = false;
}

int ConsoleFrontEnd::DialogMessageBox(const char* text, unsigned style) {
  EndProgress();
  std::fputs(text, stderr);
  const std::size_t length = std::strlen(text);
  if (length == 0 || text[length - 1] != '\n') std::fputc('\n', stderr);
  if (!IsQuestion(style)) {
    std::fflush(stderr);
    return kIdOk;
  }
  if (promptForAnswers) std::fputs("[y/n] ", stderr);
  std::fflush(stderr);
  char line[256];
  const char* read = answers != nullptr ? std::fgets(line, sizeof line, answers) : nullptr;
  if (read != nullptr && std::strchr(line, '\n') == nullptr) {
    // Drop the rest of an overlong line so it is not taken as the next answer.
    for (int c = std::fgetc(answers); c != EOF && c != '\n'; c = std::fgetc(answers)) {
    }
  }
  return AnswerFromLine(read, style);
}

void ConsoleFrontEnd::SetStatusText(const char* text) {
  switch (statusMode) {
    case StatusMode::kSilent:
      return;
    case StatusMode::kLines:
      std::fprintf(stderr, "status: %s\n", text);
      return;
    case StatusMode::kProgressLine: {
      std::string line = text;
      for (char& c : line) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
      }
      if (line.size() > kProgressWidth) line = line.substr(0, kProgressWidth - 3) + "...";
      std::fprintf(stderr, "\r%s\033[K", line.c_str());
      std::fflush(stderr);
      progressShown = true;
      return;
    }
  }
}

}  // namespace zaltor
