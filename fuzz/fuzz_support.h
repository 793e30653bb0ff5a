// Pieces every fuzz target shares: a front end that answers every box and
// never shows anything, and the split of an input into NUL-terminated,
// writable texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/front_end.h"

namespace zaltor::fuzz {

// Answers Yes to every question and OK to everything else, so that a run
// goes as far as its input lets it; the search stays running throughout.
class AnsweringFrontEnd : public FrontEnd {
 public:
  AnsweringFrontEnd() {
    activeDialog = this;
    searchControl.SetRunning(1);
  }
  ~AnsweringFrontEnd() override {
    if (activeDialog == this) activeDialog = nullptr;
  }
  int DialogMessageBox(const char* text, unsigned style) override {
    if (text == nullptr) return kIdOk;
    return (style & 0x0F) == kMbYesNo ? answer : kIdOk;
  }
  void SetStatusText(const char*) override {}
  void FocusControl(int) override {}

  int answer = kIdYes;
};

// The input cut at every NUL byte; each piece keeps its own terminator, so
// the engine may write into it as it does into an option vector.
inline std::vector<std::string> SplitAtNul(const std::uint8_t* data, std::size_t size,
                                           std::size_t maxPieces) {
  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      if (pieces.size() == maxPieces) break;
      pieces.emplace_back();
    } else {
      pieces.back().push_back(static_cast<char>(data[i]));
    }
  }
  return pieces;
}

}  // namespace zaltor::fuzz
