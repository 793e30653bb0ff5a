// The command line's side of the front-end channel: message boxes on
// standard error with answers read from standard input, status texts as
// lines or as one progress line.
#pragma once

#include <cstdio>
#include <string>

#include "engine/front_end.h"

namespace zaltor {

class ConsoleFrontEnd : public FrontEnd {
 public:
  enum class StatusMode { kSilent, kLines, kProgressLine };

  ConsoleFrontEnd(StatusMode statusMode, std::FILE* answers, bool promptForAnswers);
  ~ConsoleFrontEnd() override;

  int DialogMessageBox(const char* text, unsigned style) override;
  void SetStatusText(const char* text) override;
  void FocusControl(int) override {}

  // Clears the progress line before the program's last words.
  void EndProgress();

 private:
  StatusMode statusMode;
  std::FILE* answers;
  bool promptForAnswers;
  bool progressShown = false;
};

// The answer to a Yes/No box from one line of input; missing or unclear
// input lets the search go on.
int AnswerFromLine(const char* line, unsigned style);

}  // namespace zaltor
