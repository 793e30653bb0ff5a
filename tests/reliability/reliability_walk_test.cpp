// Directories removed, renamed or made unreadable while the walk is inside
// or below them: the walk goes on, and only what went away is missing.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reliability/child_process.h"
#include "reliability/fault_harness.h"

namespace zaltor::testing {
namespace {

// top/c.txt, top/a/x.txt, top/a/a1/y.txt, top/a/a2/w.txt, top/b/z.txt. The
// walk visits top, b, a, a2, a1.
void MakeTree(const TempTree& tree) {
  tree.File("top/c.txt");
  tree.File("top/a/x.txt");
  tree.File("top/a/a1/y.txt");
  tree.File("top/a/a2/w.txt");
  tree.File("top/b/z.txt");
}

const std::vector<std::string> kOptions = {"/fp", "C:\\top\\*.txt", "/r"};

TEST(ReliabilityWalkChange, ADirectoryRemovedOnceTheWalkIsInsideItLosesOnlyItsOwnEntries) {
  FaultHarness f;
  MakeTree(f.h.tree);
  f.fault.afterChDir = [&](const char* path, int result) {
    if (result == 0 && std::string(path) == "C:\\top\\a") std::filesystem::remove_all(f.h.tree.Path("top/a"));
  };
  SearchOutcome o = f.h.Run(kOptions);
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_TRUE(f.h.frontEnd.boxes.empty());
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\top\\c.txt\nC:\\top\\b\\z.txt\n" + Totals(2, 3));
  EXPECT_EQ(o.batchText, BatchHeader() + "cd C:\\top\nC:\\top\\c.txt\ncd C:\\top\\b\nC:\\top\\b\\z.txt\n");
}

TEST(ReliabilityWalkChange, ADirectoryRemovedBeforeItsTurnIsAskedAboutAndSkipped) {
  FaultHarness f;
  MakeTree(f.h.tree);
  f.fault.afterChDir = [&](const char* path, int result) {
    if (result == 0 && std::string(path) == "C:\\top\\a\\a2") std::filesystem::remove_all(f.h.tree.Path("top/a/a1"));
  };
  f.h.frontEnd.answers = {kIdYes};
  SearchOutcome o = f.h.Run(kOptions);
  ASSERT_EQ(f.h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(f.h.frontEnd.boxes[0].text, "Cannot change to directory 'C:\\top\\a\\a1'!\nContinue?");
  EXPECT_EQ(o.result, kWalkSkipped);
  EXPECT_EQ(o.resultText, ResultHeader() +
                              "C:\\top\\c.txt\nC:\\top\\b\\z.txt\nC:\\top\\a\\x.txt\nC:\\top\\a\\a2\\w.txt\n" +
                              Totals(4, 5));

  // No stops the walk there, with the totals of what was found.
  MakeTree(f.h.tree);
  f.h.frontEnd.boxes.clear();
  f.h.frontEnd.answers = {kIdNo};
  SearchOutcome stopped = f.h.Run(kOptions);
  EXPECT_EQ(f.h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(stopped.result, kWalkStop);
  EXPECT_EQ(stopped.resultText, ResultHeader() +
                                    "C:\\top\\c.txt\nC:\\top\\b\\z.txt\nC:\\top\\a\\x.txt\nC:\\top\\a\\a2\\w.txt\n" +
                                    Totals(4, 0));
}

TEST(ReliabilityWalkChange, AParentRenamedWhileTheWalkIsBelowItSkipsWhatMovedAndNothingElse) {
  FaultHarness f;
  MakeTree(f.h.tree);
  f.h.tree.File("top/d/v.txt");  // visited first, so the walk ends elsewhere
  f.fault.afterChDir = [&](const char* path, int result) {
    if (result == 0 && std::string(path) == "C:\\top\\a\\a2") {
      std::rename(f.h.tree.Path("top/a").c_str(), f.h.tree.Path("top/moved").c_str());
    }
  };
  f.h.frontEnd.answers = {kIdYes};
  SearchOutcome o = f.h.Run(kOptions);
  // a2 was entered by its old name and now has no listing; a1 cannot be
  // entered at all.
  ASSERT_EQ(f.h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(f.h.frontEnd.boxes[0].text, "Cannot change to directory 'C:\\top\\a\\a1'!\nContinue?");
  EXPECT_EQ(o.result, kWalkSkipped);
  EXPECT_EQ(o.resultText, ResultHeader() +
                              "C:\\top\\c.txt\nC:\\top\\d\\v.txt\nC:\\top\\b\\z.txt\nC:\\top\\a\\x.txt\n" +
                              Totals(4, 6));
  EXPECT_TRUE(f.h.tree.Exists("top/moved/a1/y.txt"));
}

// Permissions bind only an ordinary user, so these run in a child that is one.
TEST(ReliabilityWalkChange, ADirectoryMadeUnreadableWhileTheWalkIsInsideOrAboveIt) {
  FaultHarness f;
  MakeTree(f.h.tree);
  ChildResult child = RunInChild([&]() -> std::vector<std::string> {
    if (!BecomeOrdinaryUser({f.h.tree.root(), f.h.output.root()})) _exit(kChildCannot);
    std::vector<std::string> texts;
    // Inside b, before its listing: its subdirectories and files go unseen.
    f.fault.afterChDir = [&](const char* path, int result) {
      if (result == 0 && std::string(path) == "C:\\top\\b") chmod(f.h.tree.Path("top/b").c_str(), 0);
    };
    SearchOutcome inside = f.h.Run(kOptions);
    texts.push_back(std::to_string(inside.result));
    texts.push_back(inside.resultText);
    texts.push_back(std::to_string(f.h.frontEnd.boxes.size()));
    chmod(f.h.tree.Path("top/b").c_str(), 0755);

    // Above a2 while the walk is inside it: a2 loses its listing, and a1,
    // still pending, cannot be entered.
    f.fault.afterChDir = [&](const char* path, int result) {
      if (result == 0 && std::string(path) == "C:\\top\\a\\a2") chmod(f.h.tree.Path("top/a").c_str(), 0);
    };
    f.h.frontEnd.boxes.clear();
    f.h.frontEnd.answers = {kIdYes};
    SearchOutcome above = f.h.Run(kOptions);
    chmod(f.h.tree.Path("top/a").c_str(), 0755);
    texts.push_back(std::to_string(above.result));
    texts.push_back(above.resultText);
    for (const RecordedBox& box : f.h.frontEnd.boxes) texts.push_back(box.text);
    return texts;
  });
  if (child.exitCode == kChildCannot) GTEST_SKIP() << "cannot become an ordinary user here";
  ASSERT_EQ(child.exitCode, 0);
  ASSERT_EQ(child.texts.size(), 6u);
  EXPECT_EQ(child.texts[0], "1");
  EXPECT_EQ(child.texts[1], ResultHeader() +
                                "C:\\top\\c.txt\nC:\\top\\a\\x.txt\nC:\\top\\a\\a2\\w.txt\n"
                                "C:\\top\\a\\a1\\y.txt\n" +
                                Totals(4, 5));
  EXPECT_EQ(child.texts[2], "0");
  EXPECT_EQ(child.texts[3], "6");
  EXPECT_EQ(child.texts[4],
            ResultHeader() + "C:\\top\\c.txt\nC:\\top\\b\\z.txt\nC:\\top\\a\\x.txt\n" + Totals(3, 5));
  EXPECT_EQ(child.texts[5], "Cannot change to directory 'C:\\top\\a\\a1'!\nContinue?");
}

}  // namespace
}  // namespace zaltor::testing
