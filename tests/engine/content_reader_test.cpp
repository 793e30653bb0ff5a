// The content search reading ahead on helper threads: the reader on its own,
// and whole searches that must come out as they do reading one file after
// the other.
#include "engine/content/content_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
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

TEST(ContentReader, AnswersAsTheSearchOfEachFileDoesWhateverTheOrderOfAsking) {
  TempTree tree;
  MakeFiles(tree, "d", 60);
  tree.Dir("d/sub.txt");
  PosixFileSystem fs("C=" + tree.root(), tree.root());
  std::vector<std::string> paths;
  for (int i = 0; i < 60; ++i) paths.push_back("C:\\d\\f" + std::to_string(1000 + i).substr(1) + ".txt");
  paths.push_back("C:\\d\\missing.txt");
  paths.push_back("C:\\d\\sub.txt");
  const auto length = static_cast<std::int32_t>(kNeedle.size());
  std::vector<bool> expected;
  for (const std::string& path : paths) {
    expected.push_back(SearchFileContent(fs, path.c_str(), kNeedle.data(), length) == 1);
  }
  EXPECT_EQ(std::count(expected.begin(), expected.end(), true), 17);
  ContentReader reader(fs, kNeedle.data(), length, nullptr, 4);
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    // Queued for later or ahead of everything; asked in order, from the end
    // back, or only the first few with the rest left.
    reader.Queue(paths, "C:\\d", round == 3);
    std::size_t asked = round == 2 ? 5 : paths.size();
    for (std::size_t k = 0; k < asked; ++k) {
      std::size_t i = round == 1 ? paths.size() - 1 - k : k;
      EXPECT_EQ(reader.Found(paths[i]), expected[i]) << paths[i];
    }
    reader.Leave("C:\\d");
    EXPECT_EQ(reader.Held(), 0u);
  }
  // A file never queued is read at once; left with reads under way, the
  // reader still ends cleanly.
  EXPECT_EQ(reader.Found(paths[3]), expected[3]);
  reader.Queue(paths, "C:\\d", false);
  EXPECT_EQ(reader.Found(paths[3]), expected[3]);
}

// Holds a helper's read of one file until the walk opens the last.
struct HoldOneRead : ProxyFileSystem {
  using ProxyFileSystem::ProxyFileSystem;
  std::string held, last;
  std::promise<void> helperHolds;
  std::atomic<bool> release{false};
  const std::thread::id walk = std::this_thread::get_id();
  int OpenRead(const char* path) override {
    if (std::this_thread::get_id() == walk && path == last) release = true;
    if (std::this_thread::get_id() != walk && path == held) {
      helperHolds.set_value();
      while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return ProxyFileSystem::OpenRead(path);
  }
};

// The walk asks about hundreds of files and they are dropped while a helper
// still reads one after them: its answer still reaches the walk.
TEST(ContentReader, AnswersAFileReadWhileTheFilesBeforeItAreDropped) {
  TempTree tree;
  MakeFiles(tree, "d", 400);
  PosixFileSystem host("C=" + tree.root(), tree.root());
  std::vector<std::string> paths;
  for (int i = 0; i < 400; ++i) paths.push_back("C:\\d\\f" + std::to_string(1000 + i).substr(1) + ".txt");
  HoldOneRead fs(host);
  fs.held = paths[300];
  fs.last = paths[399];
  fs.readsInParallel = true;
  const auto length = static_cast<std::int32_t>(kNeedle.size());
  ContentReader reader(fs, kNeedle.data(), length, nullptr, 1);
  reader.Queue(paths, "C:\\d", false);
  fs.helperHolds.get_future().wait();
  for (std::size_t i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(reader.Found(paths[i]), i % 3 == 0 && i % 7 != 0) << paths[i];
  }
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

TEST(ContentReaderSearch, FindsTheSameFilesInTheSameOrder) {
  // 600 files in one directory take three windows of the listing.
  auto [all, questions] = ExpectSameBothWays(
      [](SearchHarness& h) {
        MakeFiles(h.tree, "top", 600);
        MakeFiles(h.tree, "top/a", 20);
        MakeFiles(h.tree, "top/a/b", 5);
        h.tree.Dir("top/empty");
      },
      {"/fp", "C:\\top\\*.*", "/r", "/sp", kNeedle}, false);
  EXPECT_EQ(all.files, 171u + 6u + 1u);
  EXPECT_EQ(questions, 0u);
  SearchHarness h;
  h.fs->readsInParallel = true;
  h.fs->readsWait = true;
  MakeFiles(h.tree, "top", 600);
  SearchOutcome o = h.Run({"/fp", "C:\\top\\*.txt", "/sp", kNeedle, "/fs", "G:0"});
  int expected = 0;
  for (int i = 0; i < 600; ++i) expected += i % 7 != 0 && i % 3 == 0 ? 1 : 0;
  EXPECT_EQ(o.files, static_cast<std::uint32_t>(expected));
}

// Counts the files opened for content, from whichever thread.
class CountingFileSystem : public ProxyFileSystem {
 public:
  using ProxyFileSystem::ProxyFileSystem;
  int OpenRead(const char* path) override {
    ++opened;
    return ProxyFileSystem::OpenRead(path);
  }
  std::atomic<int> opened{0};
};

TEST(ContentReaderSearch, StopsAtTheSameFilesAndReadsNothingAheadOfAQuestion) {
  // The files opened by the moment of each question, and the outcome.
  auto run = [](bool parallel, std::vector<int>* openedAtQuestions) {
    SearchHarness h;
    auto counting = std::make_unique<CountingFileSystem>(*h.host);
    counting->fixedNow = kFixedNow;
    counting->readsInParallel = parallel;
    counting->readsWait = parallel;
    CountingFileSystem& fs = *counting;
    h.fs = std::move(counting);
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
