// The content search's helpers working ahead of the walk: the order they
// take directories in, and whole searches that must come out as they do
// reading one file after the other.
#include "engine/content/search_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "engine/content/content_search.h"
#include "engine/front_end.h"
#include "platform/posix/posix_file_system.h"
#include "support/proxy_file_system.h"
#include "support/search_harness.h"
#include "support/temp_tree.h"

namespace zaltor::testing {
namespace {

const std::string kNeedle = "Needle Phrase";

// f000 ... f<count - 1> in dir: every third holds the needle, some of them
// across a read boundary; every seventh is empty.
void MakeFiles(const TempTree& tree, const std::string& dir, int count) {
  for (int i = 0; i < count; ++i) {
    std::string name = std::to_string(1000 + i).substr(1);
    std::string content;
    if (i % 7 == 0) {
      content = "";
    } else if (i % 3 == 0) {
      content = std::string(i % 2 == 0 ? kContentReadSize - 4 : 10, 'x') + "nEEDLE pHRASE" + "tail";
    } else {
      content = "needle phras" + std::string(100, 'y');
    }
    tree.File(dir + "/f" + name + ".txt", content);
  }
}

// The order the helpers take directories in is the walk's own: sorted by
// it, the directories of a verbose search's statistics stay as they are.
TEST(WalkOrder, IsTheOrderOfTheWalksVisits) {
  SearchHarness h;
  for (const char* dir : {"top/a/b", "top/a/b/c", "top/ab", "top/a b", "top/B", "top/b", "top/b.x", "top/b/z",
                          "top/b/Z", "top/z9", "top/z10", "top/~"}) {
    h.tree.Dir(dir);
  }
  const SearchOutcome o = h.Run({"/fp", "C:\\top\\*.none", "/r", "/v"});
  std::vector<std::string> visits;
  const std::string mark = " files found in \"";
  for (std::size_t at = o.resultText.find(mark); at != std::string::npos; at = o.resultText.find(mark, at + 1)) {
    const std::size_t start = at + mark.size();
    visits.push_back(o.resultText.substr(start, o.resultText.find('"', start) - start));
  }
  ASSERT_EQ(visits.size(), 14u);
  std::vector<std::string> sorted = visits;
  std::sort(sorted.begin(), sorted.end(), WalkOrder());
  EXPECT_EQ(sorted, visits);
  EXPECT_TRUE(VisitedBefore("C:\\", "C:\\top"));
  EXPECT_FALSE(VisitedBefore("C:\\top", "C:\\top"));
  // "ab" is no ancestor of "a\b": the sibling listed later goes first.
  EXPECT_TRUE(VisitedBefore("C:\\top\\ab", "C:\\top\\a\\b"));
}

// Runs the same search reading one file at a time and two, and expects the
// same outcome, the same questions and the same status texts; returns the
// outcome and the number of questions.
std::pair<SearchOutcome, std::size_t> ExpectSameBothWays(const std::function<void(SearchHarness&)>& prepare,
                        const std::vector<std::string>& options, bool raw) {
  std::vector<SearchOutcome> outcomes;
  std::vector<std::vector<RecordedBox>> boxes;
  std::vector<std::vector<std::string>> statuses;
  for (bool parallel : {false, true}) {
    SearchHarness h;
    h.fs->readsInParallel = parallel;
    h.fs->readsWait = parallel;
    prepare(h);
    outcomes.push_back(raw ? h.RunRaw(options) : h.Run(options));
    boxes.push_back(h.frontEnd.boxes);
    statuses.push_back(h.frontEnd.statusTexts);
  }
  EXPECT_EQ(outcomes[0].result, outcomes[1].result);
  EXPECT_EQ(outcomes[0].files, outcomes[1].files);
  EXPECT_EQ(outcomes[0].resultText, outcomes[1].resultText);
  EXPECT_EQ(outcomes[0].batchText, outcomes[1].batchText);
  EXPECT_EQ(boxes[0].size(), boxes[1].size());
  for (std::size_t i = 0; i < boxes[0].size() && i < boxes[1].size(); ++i) {
    EXPECT_EQ(boxes[0][i].text, boxes[1][i].text);
  }
  EXPECT_EQ(statuses[0], statuses[1]);
  return {outcomes[0], boxes[0].size()};
}

// Counts the files opened for content, from whichever thread, and those
// opened by another thread than the walk's.
class CountingFileSystem : public ProxyFileSystem {
 public:
  using ProxyFileSystem::ProxyFileSystem;
  int OpenRead(const char* path) override {
    ++opened;
    if (std::this_thread::get_id() != walk) ++openedByHelpers;
    return ProxyFileSystem::OpenRead(path);
  }
  const std::thread::id walk = std::this_thread::get_id();
  std::atomic<int> opened{0};
  std::atomic<int> openedByHelpers{0};
};

// Puts a counting file system under h, which reads in parallel when
// parallel is set, and reads that wait when wait is.
CountingFileSystem& CountOpens(SearchHarness& h, bool parallel, bool wait) {
  auto counting = std::make_unique<CountingFileSystem>(*h.host);
  counting->fixedNow = kFixedNow;
  counting->readsInParallel = parallel;
  counting->readsWait = wait;
  CountingFileSystem& fs = *counting;
  h.fs = std::move(counting);
  return fs;
}

TEST(SearchHelpersSearch, FindsTheSameFilesInTheSameOrder) {
  // 600 files in one directory take many chunks; a deep and a wide part
  // take more directories than the window ahead holds.
  const auto makeTree = [](SearchHarness& h) {
    MakeFiles(h.tree, "top", 600);
    MakeFiles(h.tree, "top/a", 20);
    MakeFiles(h.tree, "top/a/b", 5);
    h.tree.Dir("top/empty");
    for (int i = 0; i < 150; ++i) MakeFiles(h.tree, "top/w/" + std::to_string(i) + "/x/y", 4);
  };
  auto [all, questions] = ExpectSameBothWays(makeTree, {"/fp", "C:\\top\\*.*", "/r", "/sp", kNeedle}, false);
  EXPECT_EQ(all.files, 171u + 6u + 1u + 150u);
  EXPECT_EQ(questions, 0u);
  // The helpers read ahead, warm or cold.
  for (bool wait : {false, true}) {
    SearchHarness h;
    CountingFileSystem& fs = CountOpens(h, true, wait);
    makeTree(h);
    EXPECT_EQ(h.Run({"/fp", "C:\\top\\*.*", "/r", "/sp", kNeedle}).files, all.files);
    EXPECT_GT(fs.openedByHelpers.load(), fs.opened.load() / 10) << wait;
  }
  SearchHarness h;
  h.fs->readsInParallel = true;
  h.fs->readsWait = true;
  MakeFiles(h.tree, "top", 600);
  SearchOutcome o = h.Run({"/fp", "C:\\top\\*.txt", "/sp", kNeedle, "/fs", "G:0"});
  int expected = 0;
  for (int i = 0; i < 600; ++i) expected += i % 7 != 0 && i % 3 == 0 ? 1 : 0;
  EXPECT_EQ(o.files, static_cast<std::uint32_t>(expected));
}

TEST(SearchHelpersSearch, StopsAtTheSameFilesAndReadsNothingAheadOfAQuestion) {
  // The files opened by the moment of each question, and the outcome.
  auto run = [](bool parallel, std::vector<int>* openedAtQuestions) {
    SearchHarness h;
    CountingFileSystem& fs = CountOpens(h, parallel, parallel);
    MakeFiles(h.tree, "top", 300);
    MakeFiles(h.tree, "top/a", 30);
    // No, no, stop this directory, then no until the search is stopped
    // from outside at the fifth question.
    h.frontEnd.answers = {kIdNo, kIdNo, kIdYes, kIdNo, kIdNo};
    h.frontEnd.onBox = [&](const RecordedBox&) {
      openedAtQuestions->push_back(fs.opened.load());
      if (h.frontEnd.boxes.size() == 5) SetRunning(0);
    };
    return h.RunRaw({"/fp", "C:\\top\\*.txt", "/r", "/se", "/sp", kNeedle, "/of", "O:\\result.txt"});
  };
  std::vector<int> sequential;
  std::vector<int> parallel;
  SearchOutcome one = run(false, &sequential);
  SearchOutcome two = run(true, &parallel);
  EXPECT_EQ(sequential, parallel);
  EXPECT_EQ(sequential.size(), 5u);
  EXPECT_EQ(one.resultText, two.resultText);
  EXPECT_EQ(two.result, kWalkStop);
  EXPECT_EQ(two.files, 4u);

  // Stopped from outside in the middle of a directory, with no questions:
  // the error line of a name that cannot be written is the moment.
  auto stopAt = [](bool parallel) {
    SearchHarness h;
    h.fs->readsInParallel = parallel;
    h.fs->readsWait = parallel;
    MakeFiles(h.tree, "top", 40);
    MakeFiles(h.tree, "top/b", 40);
    h.tree.File("top/b/f020\".txt", kNeedle);
    MakeFiles(h.tree, "top/b/c", 40);
    h.frontEnd.onStatus = [](const std::string& text) {
      if (text.rfind("Error:", 0) == 0) SetRunning(0);
    };
    return h.Run({"/fp", "C:\\top\\*.txt", "/r", "/sp", kNeedle});
  };
  SearchOutcome stoppedOne = stopAt(false);
  SearchOutcome stoppedTwo = stopAt(true);
  EXPECT_EQ(stoppedOne.resultText, stoppedTwo.resultText);
  EXPECT_EQ(stoppedOne.batchText, stoppedTwo.batchText);
  EXPECT_EQ(stoppedTwo.result, kWalkStop);
  EXPECT_NE(stoppedTwo.resultText.find("C:\\top\\b\\f018.txt\n"), std::string::npos);
  EXPECT_EQ(stoppedTwo.resultText.find("C:\\top\\b\\f024.txt"), std::string::npos);
}

}  // namespace
}  // namespace zaltor::testing
