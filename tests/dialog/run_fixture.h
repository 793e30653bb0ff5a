// A main dialog whose Go runs a scripted search instead of the engine: the
// script sees the option vector and can wait for Stop, ask questions or
// report, as the engine would from the worker thread.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog/dialog_fixture.h"
#include "dialog/fake_drives.h"
#include "dialog/search_dialog.h"
#include "resources/resource_ids.h"

namespace zaltor::testing {

class RunFixture : public ::testing::Test {
 protected:
  RunFixture() {
    env.Set("TMP", "C:\\TEMP");
    env.Set("TEMP", nullptr);
    env.Set("EDITOR", editor.Path().c_str());
  }
  ~RunFixture() override { dialog.reset(); }

  // What the scripted search does with the vector; returns RunSearch's result.
  std::function<int(SearchDialog&, const std::vector<std::string>&)> script =
      [](SearchDialog&, const std::vector<std::string>&) { return 1; };

  SearchDialog& Open(std::map<char, unsigned> driveSet = {{'A', kDriveRemovable},
                                                          {'C', kDriveFixed},
                                                          {'D', kDriveCdrom}}) {
    drives = std::make_unique<FakeDrives>(std::move(driveSet));
    dialog = std::make_unique<SearchDialog>(
        *drives, [this](int count, char** vector, std::uint32_t* files, std::uint32_t* dirs) {
          std::vector<std::string> options;
          for (int i = 0; i < count; ++i) options.emplace_back(vector[i]);
          // The vector ends with a null pointer after the last option.
          EXPECT_EQ(vector[count], nullptr);
          {
            std::lock_guard<std::mutex> lock(runsMutex);
            runs.push_back(options);
          }
          *files = filesFound;
          *dirs = dirsVisited;
          // Not through the unique_ptr: a test may be resetting it, and
          // the dialog's destructor waits for this very search.
          return script(*opened, options);
        });
    opened = dialog.get();
    dialog->Create();
    dialog->ShowWindow();
    return *dialog;
  }

  // Types the pattern, presses Go and serves the dialog until the worker
  // has ended.
  void Go(const char* pattern) {
    // Typing leaves the list without a selection.
    dialog->Invoke([this] { dialog->Combo(res::kPattern).SetCurSel(-1); });
    dialog->SetDlgItemText(res::kPattern, pattern);
    dialog->OnGoStop();
    ASSERT_TRUE(ServeUntil([this] { return !dialog->WorkerActive(); }));
  }
  std::vector<std::vector<std::string>> Runs() {
    std::lock_guard<std::mutex> lock(runsMutex);
    return runs;
  }
  // The options of the only run so far.
  std::vector<std::string> OnlyRun() {
    const auto all = Runs();
    EXPECT_EQ(all.size(), 1u);
    return all.empty() ? std::vector<std::string>() : all.back();
  }
  std::string Text(int id) { return dialog->GetDlgItemText(id); }

  EnvironmentGuard env;
  ScriptedBoxes boxes;
  RecordingProgram editor;
  std::uint32_t filesFound = 0;
  std::uint32_t dirsVisited = 0;
  std::unique_ptr<FakeDrives> drives;
  std::unique_ptr<SearchDialog> dialog;
  SearchDialog* opened = nullptr;

 private:
  std::mutex runsMutex;
  std::vector<std::vector<std::string>> runs;
};

// The value that follows an option in a vector, or "(absent)".
inline std::string ValueOf(const std::vector<std::string>& options, const std::string& option) {
  for (std::size_t i = 0; i + 1 < options.size(); ++i) {
    if (options[i] == option) return options[i + 1];
  }
  return "(absent)";
}

}  // namespace zaltor::testing
