#include "engine/front_end.h"

namespace zaltor {

FrontEnd* activeDialog = nullptr;

void SearchControl::SetRunning(int value) {
  std::lock_guard<std::mutex> lock(mutex);
  running = value;
}

int SearchControl::SearchIsRunning() {
  std::lock_guard<std::mutex> lock(mutex);
  return running;
}

int DialogMessageBox(const char* text, unsigned style) {
  if (text == nullptr || activeDialog == nullptr) return kIdOk;
  return activeDialog->DialogMessageBox(text, style);
}

void SetStatusText(const char* text) {
  if (text != nullptr && activeDialog != nullptr) activeDialog->SetStatusText(text);
}

void FocusControl(int controlId) {
  if (activeDialog != nullptr) activeDialog->FocusControl(controlId);
}

void SetRunning(int value) {
  if (activeDialog != nullptr) activeDialog->searchControl.SetRunning(value);
}

int SearchIsRunning() {
  return activeDialog != nullptr ? activeDialog->searchControl.SearchIsRunning() : 0;
}

}  // namespace zaltor
