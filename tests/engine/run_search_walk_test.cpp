// The walk, its questions, its stops and the option errors of whole runs.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/front_end.h"
#include "support/search_harness.h"

namespace zaltor::testing {
namespace {

std::vector<std::string> Searched(const RecordingFrontEnd& frontEnd) {
  std::vector<std::string> dirs;
  const std::string prefix = "Searching directory \"";
  for (const std::string& text : frontEnd.statusTexts) {
    if (text.rfind(prefix, 0) == 0) dirs.push_back(text.substr(prefix.size(), text.size() - prefix.size() - 4));
  }
  return dirs;
}

TEST(SearchWalk, VisitsDepthFirstWithTheLastListedSubdirectoryFirst) {
  SearchHarness h;
  h.tree.Dir("start/a/a1");
  h.tree.Dir("start/b");
  h.tree.Dir("start/.hidden/inner");
  h.Run({"/fp", "C:\\start\\*.*", "/r"});
  EXPECT_EQ(Searched(h.frontEnd),
            (std::vector<std::string>{"C:\\start", "C:\\start\\b", "C:\\start\\a", "C:\\start\\a\\a1"}));
  EXPECT_EQ(h.frontEnd.statusTexts.back(), "Please wait while cleaning up.  This can take a couple minutes...");
}

TEST(SearchWalk, WithoutSubdirectoriesOnlyTheStartIsVisited) {
  SearchHarness h;
  h.tree.Dir("start/a");
  SearchOutcome o = h.Run({"/fp", "C:\\start\\*.*"});
  EXPECT_EQ(Searched(h.frontEnd), std::vector<std::string>{"C:\\start"});
  EXPECT_EQ(o.dirs, 1u);
}

TEST(SearchWalk, PatternNamingADirectorySearchesInsideIt) {
  SearchHarness h;
  h.tree.File("docs/report/inside.txt");
  h.tree.File("docs/my report.doc");
  SearchOutcome inside = h.Run({"/fp", "C:\\docs\\report"});
  EXPECT_EQ(inside.resultText, ResultHeader() + "C:\\docs\\report\\inside.txt\n" + Totals(1, 1));

  SearchOutcome wrapped = h.Run({"/fp", "C:\\docs\\rep"});
  EXPECT_EQ(h.engine->request.namePattern, std::string("*rep*.*"));
  EXPECT_EQ(wrapped.resultText,
            ResultHeader() + "\"C:\\docs\\my report.doc\"\nC:\\docs\\report\n" + Totals(2, 1));
}

TEST(SearchWalk, AllDrivesWalksCFirstThenEveryOtherDriveInLetterOrder) {
  TempTree d;
  d.File("found.log", "x");
  SearchHarness h("D=" + d.root());
  h.tree.File("c.log", "x");
  SearchOutcome o = h.Run({"/fp", "*.log"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\\\c.log\nD:\\\\found.log\n" + Totals(2, 3));
  const std::string cDone = "Search completed on drive 'C:'.  Continue to next drive...";
  auto& texts = h.frontEnd.statusTexts;
  EXPECT_EQ(std::count(texts.begin(), texts.end(), cDone), 4);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Searching drive 'D:'..."), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Searching drive 'O:'..."), texts.end());

  // Files of a drive root are read for content like any others.
  EXPECT_EQ(h.Run({"/fp", "*.log", "/sp", "HEX="}).resultText, o.resultText);
}

TEST(SearchWalk, ADirectoryThatCannotBeEnteredIsAskedAbout) {
  SearchHarness h;
  h.tree.File("top/locked/x.txt");
  h.tree.File("top/open/y.txt");
  h.fs->failChDir = [](const char* path) { return std::string(path) == "C:\\top\\locked"; };

  h.frontEnd.answers = {kIdYes};
  SearchOutcome goOn = h.Run({"/fp", "C:\\top\\*.txt", "/r"});
  ASSERT_EQ(h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h.frontEnd.boxes[0].text, "Cannot change to directory 'C:\\top\\locked'!\nContinue?");
  EXPECT_EQ(h.frontEnd.boxes[0].style, kStyleErrorQuestion);
  EXPECT_EQ(goOn.result, kWalkSkipped);
  EXPECT_EQ(goOn.resultText, ResultHeader() + "C:\\top\\open\\y.txt\n" + Totals(1, 3));

  h.frontEnd.boxes.clear();
  h.frontEnd.answers = {kIdNo};
  SearchOutcome stop = h.Run({"/fp", "C:\\top\\*.txt", "/r"});
  EXPECT_EQ(stop.result, kWalkStop);
  EXPECT_EQ(stop.resultText, ResultHeader() + "C:\\top\\open\\y.txt\n" + Totals(1, 0));
}

TEST(SearchWalk, AFailedDirectoryBeforeTheLastStillCompletesTheWalk) {
  SearchHarness h;
  h.tree.Dir("top/a");
  h.tree.Dir("top/b");
  h.fs->failChDir = [](const char* path) { return std::string(path) == "C:\\top\\b"; };
  SearchOutcome o = h.Run({"/fp", "C:\\top\\*.txt", "/r"});
  EXPECT_EQ(o.result, kWalkDone);
}

TEST(SearchWalk, StopDuringTheWalkEndsWithTheCountsSoFar) {
  SearchHarness h;
  h.tree.File("top/a/1.txt");
  h.tree.File("top/b/2.txt");
  h.frontEnd.onStatus = [&](const std::string& text) {
    if (text == "Searching directory \"C:\\top\\a\"...") SetRunning(0);
  };
  SearchOutcome o = h.Run({"/fp", "C:\\top\\*.txt", "/r"});
  EXPECT_EQ(o.result, kWalkStop);
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\top\\b\\2.txt\n" + Totals(1, 0));
  EXPECT_EQ(o.files, 1u);
  EXPECT_EQ(o.dirs, 0u);
}

TEST(SearchWalk, ASecondSearchSeesTheTreeAsItIsThen) {
  SearchHarness h;
  h.tree.File("top/gone.txt", "key");
  h.tree.File("top/kept.txt", "key");
  h.tree.File("top/later.txt", "none yet");
  h.tree.File("top/a/x.txt", "key");
  const std::vector<std::string> options = {"/fp", "C:\\top\\*.txt", "/r", "/sp", "KEY"};
  SearchOutcome first = h.Run(options);
  EXPECT_EQ(first.resultText, ResultHeader() + "C:\\top\\gone.txt\nC:\\top\\kept.txt\nC:\\top\\a\\x.txt\n" +
                                  Totals(3, 2));
  ASSERT_EQ(unlink(h.tree.Path("top/gone.txt").c_str()), 0);
  h.tree.File("top/later.txt", "now key");
  h.tree.File("top/new.txt", "key");
  h.tree.File("top/b/y.txt", "key");
  SearchOutcome second = h.Run(options);
  EXPECT_EQ(second.resultText, ResultHeader() +
                                   "C:\\top\\kept.txt\nC:\\top\\later.txt\nC:\\top\\new.txt\n"
                                   "C:\\top\\b\\y.txt\nC:\\top\\a\\x.txt\n" +
                                   Totals(5, 3));
}

TEST(SearchWalk, StepExecutionWithoutABatchFileAsksBeforeEachMatch) {
  SearchHarness h;
  h.tree.File("top/a.txt");
  h.tree.File("top/b.txt");
  h.tree.File("top/sub/c.txt");
  h.frontEnd.answers = {kIdNo, kIdYes, kIdNo};
  SearchOutcome o = h.RunRaw({"/fp", "C:\\top\\*.txt", "/r", "/se", "/of", "O:\\result.txt"});
  EXPECT_EQ(o.result, kWalkDone);
  ASSERT_EQ(h.frontEnd.boxes.size(), 3u);
  EXPECT_EQ(h.frontEnd.boxes[0].text, "Stop searching for file(s)?");
  EXPECT_EQ(h.frontEnd.boxes[0].style, kStyleStopQuestion);
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\top\\a.txt\nC:\\top\\sub\\c.txt\n" + Totals(2, 2));
}

TEST(SearchWalk, StopQuestionInTheDirectoryPassEndsTheWalk) {
  SearchHarness h;
  h.tree.Dir("top/a");
  h.frontEnd.answers = {kIdYes};
  SearchOutcome o = h.RunRaw({"/fp", "C:\\top\\*.txt", "/r", "/se", "/dcmd", "list", "/of", "O:\\result.txt"});
  EXPECT_EQ(o.result, kWalkStop);
  EXPECT_EQ(o.resultText, ResultHeader() + Totals(0, 2));
}

TEST(SearchOptions, RejectedValuesReportTheFieldAndFocusIt) {
  struct Case {
    std::vector<std::string> options;
    std::string message;
    int control;
  } cases[] = {
      {{"/fs", "R:500-100"}, "Illegal value 'R:500-100' for 'Size:' text field.\nPlease correct.", 1029},
      {{"/fs", "R:100"}, "Illegal value 'R:100' for 'Size:' text field.\nPlease correct.", 1029},
      {{"/fs", "1k"}, "Illegal value '1k' for 'Size:' text field.\nPlease correct.", 1029},
      {{"/fs", "1x-5"}, "Illegal value '1x' for 'Size:' text field.\nPlease correct.", 1029},
      {{"/fd", "@13/01/2003"}, "Illegal value '13/01/2003' for 'Date:' text field.\nPlease correct.", 1002},
      {{"/fd", "R01/31/2003-01/01/2003"},
       "Illegal value 'R01/31/2003-01/01/2003' for 'Date:' text field.\nPlease correct.", 1002},
      {{"/fd", "R01/01/2003-1/1/03"}, "Illegal value 'R01/01/2003' for 'Date:' text field.\nPlease correct.", 1002},
      {{"/ft", "R10:00"}, "Illegal value 'R10:00' for 'Time:' text field.\nPlease correct.", 1007},
      {{"/ft", "R14:00-9:00"}, "Illegal value 'R14:00-9:00' for 'Time:' text field.\nPlease correct.", 1007},
      {{"/ft", "A25:00"}, "Illegal value '25:00' for 'Time:' text field.\nPlease correct.", 1007},
  };
  for (const Case& c : cases) {
    SearchHarness h;
    std::vector<std::string> options = c.options;
    options.insert(options.begin(), {"/of", "O:\\result.txt", "/fp", "C:\\*.txt"});
    SearchOutcome o = h.RunRaw(options);
    EXPECT_EQ(o.result, kWalkStop) << c.message;
    ASSERT_EQ(h.frontEnd.boxes.size(), 1u) << c.message;
    EXPECT_EQ(h.frontEnd.boxes[0].text, c.message);
    EXPECT_EQ(h.frontEnd.focused, std::vector<int>{c.control});
    EXPECT_EQ(o.resultText, Totals(0, 0)) << c.message;
  }
}

TEST(SearchOptions, StartDriveAndDirectoryAreChecked) {
  SearchHarness h;
  SearchOutcome noDrive = h.Run({"/fp", "Q:*.txt"});
  EXPECT_EQ(noDrive.result, kWalkStop);
  ASSERT_EQ(h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h.frontEnd.boxes[0].text, "Drive 'Q:' does not exist or is inactive/restricted!");

  SearchHarness h2;
  SearchOutcome noDir = h2.Run({"/fp", "C:\\missing\\*.txt"});
  EXPECT_EQ(noDir.result, kWalkStop);
  ASSERT_EQ(h2.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h2.frontEnd.boxes[0].text, "Directory specified in file pattern does not exist!");
}

TEST(SearchOptions, UnknownOptionsAreReportedAndSkipped) {
  SearchHarness h;
  h.tree.File("a.txt");
  SearchOutcome o = h.Run({"/xyz", "/fp", "C:\\*.txt"});
  EXPECT_EQ(o.result, kWalkDone);
  ASSERT_EQ(h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h.frontEnd.boxes[0].text, "Unknown option '/xyz'.\n");
  EXPECT_EQ(o.files, 1u);
}

TEST(SearchOptions, AValueOptionWithoutItsValueEndsTheRunSilently) {
  SearchHarness h;
  SearchOutcome o = h.RunRaw({"/of", "O:\\result.txt", "/fcmd"});
  EXPECT_EQ(o.result, kWalkStop);
  EXPECT_TRUE(h.frontEnd.boxes.empty());
  EXPECT_EQ(o.resultText, Totals(0, 0));
}

TEST(SearchOptions, OutputFilesThatCannotBeCreatedAreReported) {
  SearchHarness h;
  SearchOutcome o = h.RunRaw({"/fp", "C:\\*.txt", "/of", "O:\\no\\such\\dir\\r.txt"});
  EXPECT_EQ(o.result, kWalkStop);
  ASSERT_EQ(h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h.frontEnd.boxes[0].text, "Cannot create output file 'O:\\no\\such\\dir\\r.txt'.");

  SearchHarness h2;
  SearchOutcome batch = h2.RunRaw({"/fp", "C:\\*.txt", "/of", "O:\\result.txt", "/bf", "O:\\none\\b.bat"});
  EXPECT_EQ(batch.result, kWalkStop);
  ASSERT_EQ(h2.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h2.frontEnd.boxes[0].text, "Cannot create batch file 'O:\\none\\b.bat'.");
  EXPECT_EQ(batch.resultText, Totals(0, 0));
}

TEST(SearchOptions, AFullDiskIsAFailureNotASuccess) {
  SearchHarness h("F=/dev");
  h.tree.File("a.txt");
  SearchOutcome o = h.RunRaw({"/fp", "C:\\*.txt", "/of", "F:\\full"});
  EXPECT_EQ(o.result, kWalkStop);
  ASSERT_EQ(h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h.frontEnd.boxes[0].text, "Could not write output file 'F:\\full'.");
}

TEST(SearchOptions, TimeCriterionSurvivesOnlyAfterTheDate) {
  SearchHarness h;
  h.Run({"/fp", "C:\\*.txt", "/ft", "A10:00", "/fd", "@01/01/2003"});
  EXPECT_EQ(h.engine->request.dateTimeFrom.dateOp, '@');
  EXPECT_EQ(h.engine->request.dateTimeFrom.timeOp, 0);
  h.Run({"/fp", "C:\\*.txt", "/fd", "@01/01/2003", "/ft", "A10:00"});
  EXPECT_EQ(h.engine->request.dateTimeFrom.dateOp, '@');
  EXPECT_EQ(h.engine->request.dateTimeFrom.timeOp, 'A');
}

TEST(SearchOptions, OneElementIsIgnoredAndTwoAreRead) {
  SearchHarness h;
  h.RunRaw({"/v"});
  EXPECT_EQ(h.engine->flags.verbose, 0);
  h.RunRaw({"/v", "/r"});
  EXPECT_EQ(h.engine->flags.verbose, 1);
  EXPECT_EQ(h.engine->flags.recurseSubdirs, 1);
}

TEST(SearchOptions, HexContentIsDecoded) {
  SearchHarness h;
  h.Run({"/fp", "C:\\*.txt", "/sp", "HEX=414243"});
  EXPECT_EQ(h.engine->request.contentLength, 3);
  h.Run({"/fp", "C:\\*.txt", "/sp", "hex=41"});
  EXPECT_EQ(h.engine->request.contentLength, 1);
  SearchOutcome bad = h.Run({"/fp", "C:\\*.txt", "/sp", "HEX=4G"});
  EXPECT_EQ(bad.result, kWalkStop);
}

TEST(SearchOptions, BarePatternSearchesAllDrivesFromTheRootOfC) {
  SearchHarness h;
  h.Run({"/fp", "*.none"});
  EXPECT_EQ(h.engine->request.allDrives, 1);
  EXPECT_EQ(std::string(h.engine->request.namePattern), "*.none");
}

}  // namespace
}  // namespace zaltor::testing
