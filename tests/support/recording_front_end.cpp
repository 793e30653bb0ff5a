#include "support/recording_front_end.h"

namespace zaltor::testing {

RecordingFrontEnd::RecordingFrontEnd() {
  activeDialog = this;
  searchControl.SetRunning(1);
}

RecordingFrontEnd::~RecordingFrontEnd() {
  if (activeDialog == this) activeDialog = nullptr;
}

int RecordingFrontEnd::DialogMessageBox(const char* text, unsigned style) {
  boxes.push_back({text, style});
  if (onBox) onBox(boxes.back());
  if ((style & 0x0F) != kMbYesNo) return kIdOk;
  if (answers.empty()) return kIdYes;
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace zaltor::testing
