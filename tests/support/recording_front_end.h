// A front end for tests: records every box, status text and focus request
// and answers questions from a script.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/front_end.h"

namespace zaltor::testing {

struct RecordedBox {
  std::string text;
  unsigned style;
};

class RecordingFrontEnd : public FrontEnd {
 public:
  RecordingFrontEnd();
  ~RecordingFrontEnd() override;

  int DialogMessageBox(const char* text, unsigned style) override;
  void SetStatusText(const char* text) override {
    statusTexts.emplace_back(text);
    if (onStatus) onStatus(statusTexts.back());
  }
  void FocusControl(int controlId) override { focused.push_back(controlId); }

  // Answers for the questions, in order; when they run out, kIdYes.
  std::deque<int> answers;
  // Called on every box, after recording it (e.g. to stop the search).
  std::function<void(const RecordedBox&)> onBox;
  // Called on every status text, after recording it.
  std::function<void(const std::string&)> onStatus;

  std::vector<RecordedBox> boxes;
  std::vector<std::string> statusTexts;
  std::vector<int> focused;
};

}  // namespace zaltor::testing
