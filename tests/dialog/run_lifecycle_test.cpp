// A run from Go to its end: Stop, Go again, Reset refused, closing during a
// run, the editor starts after a completed run, boxes from the worker, and a
// real search that keeps the dialog's thread free.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <gtest/gtest.h>

#include "dialog/run_fixture.h"
#include "engine/run_search.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

using testing::RunFixture;
using testing::ServeUntil;

constexpr char kAbortText[] = "Search aborted due to error(s)/interruption! Please make necessary corrections.";
constexpr char kStoppingText[] = "Stopping the search...  ZALTOR closes when it has stopped.";

class RunLifecycleTest : public RunFixture {
 protected:
  // The scripted search runs until it is told to stop, as the engine does.
  void SearchUntilStopped() {
    script = [](SearchDialog& d, const std::vector<std::string>&) {
      while (d.searchControl.SearchIsRunning() == 1) std::this_thread::sleep_for(std::chrono::milliseconds(2));
      return 2;
    };
  }
  void Start(const char* pattern) {
    dialog->SetDlgItemText(res::kPattern, pattern);
    dialog->OnGoStop();
    ASSERT_TRUE(ServeUntil([this] { return Runs().size() > started; }));
    ++started;
  }
  std::size_t started = 0;
};

TEST_F(RunLifecycleTest, StopEndsTheRunAndGoStartsTheNextOnceTheWorkerHasEnded) {
  SearchDialog& d = Open();
  std::atomic<bool> release{false};
  script = [&release](SearchDialog& dialog, const std::vector<std::string>&) {
    while (dialog.searchControl.SearchIsRunning() == 1) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    // Still inside the search after the stop was asked for.
    while (!release.load()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return 2;
  };
  Start("*.a");
  EXPECT_EQ(Text(res::kGo), "Stop");
  for (int id : {res::kResults, res::kBatch, res::kBrowseResults, res::kBrowseBatch, res::kViewResults,
                 res::kViewBatch}) {
    EXPECT_FALSE(d.IsDlgItemEnabled(id)) << id;
  }
  EXPECT_TRUE(d.IsDlgItemEnabled(res::kDate));

  d.OnGoStop();  // Stop
  EXPECT_EQ(Text(res::kGo), "Go");
  EXPECT_TRUE(d.IsDlgItemEnabled(res::kBrowseResults));
  // The previous worker is still inside its search: Go starts nothing.
  EXPECT_FALSE(d.IsDlgItemEnabled(res::kGo));
  d.OnGoStop();
  EXPECT_EQ(Runs().size(), 1u);
  release.store(true);
  ASSERT_TRUE(ServeUntil([&d] { return !d.WorkerActive(); }));
  ServeUntil([&d] { return d.IsDlgItemEnabled(res::kGo); });
  EXPECT_TRUE(d.IsDlgItemEnabled(res::kGo));
  EXPECT_EQ(Text(res::kStatus), kAbortText);
  // An aborted run opens no editor.
  EXPECT_TRUE(editor.Starts().empty());

  script = [](SearchDialog&, const std::vector<std::string>&) { return 1; };
  Go("*.b");
  EXPECT_EQ(Runs().size(), 2u);
  EXPECT_EQ(Text(res::kGo), "Go");
}

TEST_F(RunLifecycleTest, ResetIsRefusedDuringARun) {
  SearchDialog& d = Open();
  SearchUntilStopped();
  d.SetDlgItemText(res::kDate, "1/1/2000");
  Start("*.a");
  d.OnReset();
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "ZALTOR is searching...Please click on 'STOP' button first!");
  EXPECT_EQ(shown[0].style, kMbIconInformation);
  EXPECT_EQ(shown[0].caption, "ZALTOR File Utility V3.2.1");
  EXPECT_EQ(Text(res::kDate), "1/1/2000");
  EXPECT_EQ(Text(res::kPattern), "*.a");
  d.OnGoStop();
  ASSERT_TRUE(ServeUntil([&d] { return !d.WorkerActive(); }));
  d.OnReset();
  EXPECT_EQ(Text(res::kDate), "");
}

TEST_F(RunLifecycleTest, ACompletedRunReportsItsCountsAndOpensTheBatchFileThenTheResultFile) {
  filesFound = 3;
  dirsVisited = 12;
  SearchDialog& d = Open();
  Go("*.txt");
  EXPECT_EQ(Text(res::kStatus),
            "Search completed! 3 file(s) found based on criteria specified and 12 directories visited.\n"
            "PLEASE MAKE SURE TO EXIT THE EDITOR WHEN FINISHED VIEWING FILES.");
  EXPECT_EQ(d.LastFilesFound(), 3u);
  ASSERT_TRUE(editor.WaitForStarts(2));
  // The editor gets host paths (/TEMP/... where C: is the host's root).
  const std::string batch = drives->HostPath("C:\\TEMP\\zltbatch.bat");
  const std::string results = drives->HostPath("C:\\TEMP\\zltoutputs.txt");
  const auto starts = editor.Starts();
  EXPECT_EQ(starts[0], std::vector<std::string>{batch});
  EXPECT_EQ(starts[1], std::vector<std::string>{results});

  // With the Batch field empty, the batch editor still starts, on no file.
  d.SetDlgItemText(res::kBatch, "");
  Go("*.txt");
  ASSERT_TRUE(editor.WaitForStarts(4));
  EXPECT_TRUE(editor.Starts()[2].empty());
  EXPECT_EQ(editor.Starts()[3], std::vector<std::string>{results});
}

TEST_F(RunLifecycleTest, EngineBoxesFromTheWorkerAreShownOnTheDialogsThread) {
  SearchDialog& d = Open();
  boxes.answers = {kIdNo};
  int answer = 0;
  script = [&answer](SearchDialog&, const std::vector<std::string>&) {
    answer = DialogMessageBox("Stop searching for file(s)?", kStyleStopQuestion);
    SetStatusText("walking");
    FocusControl(kControlSize);
    return 2;
  };
  Go("*.a");
  EXPECT_EQ(answer, kIdNo);
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].thread, std::this_thread::get_id());
  EXPECT_EQ(shown[0].caption, "ZALTOR File Utility V3.2.1");
  EXPECT_EQ(shown[0].style, kStyleStopQuestion);
  EXPECT_EQ(Text(res::kStatus), kAbortText);
  EXPECT_EQ(d.FocusedDlgItem(), res::kSize);
}

TEST_F(RunLifecycleTest, ClosingDuringARunSaysSoStopsItAnswersItsQuestionsAndEndsAfterTheWorker) {
  SearchDialog& d = Open();
  std::atomic<int> continueAnswer{0};
  std::atomic<int> stopAnswer{0};
  std::atomic<bool> release{false};
  script = [&](SearchDialog& dialog, const std::vector<std::string>&) {
    while (dialog.searchControl.SearchIsRunning() == 1) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    continueAnswer = DialogMessageBox("Continue?", kStyleErrorQuestion);
    stopAnswer = DialogMessageBox("Stop searching for file(s)?", kStyleStopQuestion);
    SetStatusText("still reporting");
    while (!release.load()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return 1;
  };
  Start("*.a");
  d.OnSysCommand(win::kScClose, 0);
  // Until the worker has returned the window stays, says why and answers.
  ASSERT_TRUE(ServeUntil([&] { return stopAnswer.load() != 0; }));
  ServeUntil([] { return false; }, std::chrono::milliseconds(50));
  EXPECT_TRUE(d.IsWindowVisible());
  EXPECT_EQ(Text(res::kStatus), kStoppingText);
  d.OnSysCommand(win::kScClose, 0);
  d.OnGoStop();
  EXPECT_TRUE(d.IsWindowVisible());
  EXPECT_EQ(Runs().size(), 1u);
  EXPECT_EQ(Text(res::kStatus), kStoppingText);
  release.store(true);
  ASSERT_TRUE(ServeUntil([&d] { return !d.IsWindowVisible(); }));
  EXPECT_FALSE(d.WorkerActive());
  EXPECT_EQ(d.EndCode(), 2);
  EXPECT_EQ(continueAnswer.load(), kIdNo);
  EXPECT_EQ(stopAnswer.load(), kIdYes);
  EXPECT_TRUE(boxes.Boxes().empty());
  // A closing dialog starts no editor.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE(editor.Starts().empty());
}

TEST_F(RunLifecycleTest, DestroyingTheDialogDuringARunWaitsForTheWorkerFirst) {
  Open();
  std::atomic<bool> ended{false};
  script = [&ended](SearchDialog& dialog, const std::vector<std::string>&) {
    while (dialog.searchControl.SearchIsRunning() == 1) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    // The dialog still answers while it is being destroyed.
    dialog.SetStatusText("last words");
    DialogMessageBox("Continue?", kStyleErrorQuestion);
    ended = true;
    return 2;
  };
  Start("*.a");
  dialog.reset();
  EXPECT_TRUE(ended.load());
}

// A real search over a tree (drive C: where the host maps drives), while the dialog's thread must keep
// serving its messages.
TEST_F(RunLifecycleTest, ARealSearchRunsOffTheDialogsThread) {
  // The tree goes into the host's temporary directory, which TMP names.
  env.Set("TMP", nullptr);
  testing::TempTree tree;
  env.Set("TMP", "C:\\TEMP");
  for (int a = 0; a < 40; ++a) {
    for (int b = 0; b < 25; ++b) {
      const std::string dir = "t/d" + std::to_string(a) + "/e" + std::to_string(b);
      tree.File(dir + "/x.txt", "needle here");
      tree.File(dir + "/y.dat", "nothing");
    }
  }
  testing::FakeDrives drivesOfTree({{'C', kDriveFixed}}, tree.root());
  SearchEngine engine(drivesOfTree);
  SearchDialog d(drivesOfTree, [&engine](int count, char** vector, std::uint32_t* files, std::uint32_t* dirs) {
    return RunSearch(engine, count, vector, files, dirs);
  });
  d.Create();
  d.ShowWindow();
  auto onTree = [&](const char* name) { return drivesOfTree.DrivePath(tree.Path(name).c_str()); };
  d.SetDlgItemText(res::kResults, onTree("out.res").c_str());
  d.SetDlgItemText(res::kBatch, onTree("out.bat").c_str());
  d.SetDlgItemText(res::kWords, "NEEDLE");

  // Each look at the worker comes between two turns of serving messages.
  using Clock = std::chrono::steady_clock;
  Clock::time_point lastTurn = Clock::now();
  Clock::duration longestGap{};
  int turns = 0;
  d.SetDlgItemText(res::kPattern, onTree("*.txt").c_str());
  d.OnGoStop();
  ASSERT_TRUE(ServeUntil(
      [&] {
        const Clock::time_point now = Clock::now();
        longestGap = std::max(longestGap, now - lastTurn);
        lastTurn = now;
        ++turns;
        return !d.WorkerActive();
      },
      std::chrono::seconds(120)));
  std::printf("[ figure ] dialog thread: %d turns during the search, longest gap %lld ms\n", turns,
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(longestGap).count()));
  EXPECT_EQ(d.LastFilesFound(), 1000u);
  EXPECT_EQ(d.LastDirsVisited(), 1042u);
  EXPECT_EQ(d.GetDlgItemText(res::kStatus).rfind("Search completed! 1000 file(s) found", 0), 0u);
  EXPECT_TRUE(tree.Exists("out.res"));
  EXPECT_TRUE(editor.WaitForStarts(2));
  EXPECT_EQ(editor.Starts()[0], std::vector<std::string>{tree.Path("out.bat")});
}

}  // namespace
}  // namespace zaltor
