#include "dialog/dialog_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialog/window/application.h"

namespace zaltor::testing {

EnvironmentGuard::~EnvironmentGuard() {
  for (const auto& [name, value] : saved) {
    SetVariable(name.c_str(), value ? value->c_str() : nullptr);
  }
}

void EnvironmentGuard::Set(const char* name, const char* value) {
  if (saved.find(name) == saved.end()) {
    const char* old = std::getenv(name);
    saved[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
  }
  SetVariable(name, value);
}

ScriptedBoxes::ScriptedBoxes() {
  win::SetMessageBoxAnswerer([this](const win::MessageBoxRequest& request) {
    int answer = 0;
    {
      std::lock_guard<std::mutex> lock(mutex);
      boxes.push_back({request.text, request.caption, request.style, std::this_thread::get_id()});
      if (next < answers.size()) answer = answers[next++];
    }
    if (onBox) onBox(request);
    if (answer != 0) return answer;
    switch (request.style & kMbButtonMask) {
      case kMbYesNo:
      case kMbYesNoCancel:
        return kIdYes;
      case kMbRetryCancel:
        return kIdRetry;
      default:
        return kIdOk;
    }
  });
}

ScriptedBoxes::~ScriptedBoxes() { win::SetMessageBoxAnswerer({}); }

std::vector<ScriptedBoxes::Box> ScriptedBoxes::Boxes() {
  std::lock_guard<std::mutex> lock(mutex);
  return boxes;
}

bool ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    win::PumpMessages(5);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

std::vector<std::vector<std::string>> RecordingProgram::Starts() const {
  // Starts that run side by side may record in either order; their first
  // lines tell the order they were started in.
  std::vector<std::pair<long long, std::vector<std::string>>> records;
  for (int n = 1; dir.Exists("record." + std::to_string(n)); ++n) {
    std::istringstream lines(dir.Read("record." + std::to_string(n)));
    std::string order;
    std::getline(lines, order);
    std::vector<std::string> arguments;
    for (std::string line; std::getline(lines, line);) arguments.push_back(line);
    records.emplace_back(std::atoll(order.c_str()), arguments);
  }
  std::sort(records.begin(), records.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::vector<std::string>> starts;
  for (auto& record : records) starts.push_back(std::move(record.second));
  return starts;
}

bool RecordingProgram::WaitForStarts(std::size_t count) const {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (Starts().size() < count) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace zaltor::testing
