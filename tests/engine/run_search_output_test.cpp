// Whole result and batch files of complete searches.
#include <gtest/gtest.h>

#include "support/search_harness.h"

namespace zaltor::testing {
namespace {

constexpr std::time_t k5Jan2003_1407 = 1041775620;

TEST(SearchOutput, PathLinesQuoteWhereABlankIsAndGoIntoBothFiles) {
  SearchHarness h;
  h.tree.File("My Docs/a.txt", "x");
  h.tree.File("docs/a.txt", "x");
  SearchOutcome o = h.Run({"/fp", "C:\\*.txt", "/r"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.files, 2u);
  EXPECT_EQ(o.dirs, 3u);
  EXPECT_EQ(o.batchText, BatchHeader() +
                             "cd C:\\docs\n"
                             "C:\\docs\\a.txt\n"
                             "cd \"C:\\My Docs\"\n"
                             "\"C:\\My Docs\\a.txt\"\n");
  EXPECT_EQ(o.resultText, ResultHeader() +
                              "C:\\docs\\a.txt\n"
                              "\"C:\\My Docs\\a.txt\"\n" +
                              Totals(2, 3));
}

TEST(SearchOutput, ListingBlockAndCommandLinesForTheDefaultDirCommand) {
  SearchHarness h;
  h.tree.File("docs/my notes.txt", std::string(1234, 'n'), k5Jan2003_1407);
  SearchOutcome o = h.Run({"/fp", "C:\\docs\\*.txt", "/fcmd", "dir"});
  EXPECT_EQ(o.resultText, ResultHeader() +
                              "\n Directory of \"C:\\docs\"\n"
                              "DATE       TIME   SIZE (bytes)    FILE NAME\n"
                              "---------- ------ ------------    ---------\n"
                              "01/05/2003 02:07p 1234            \"my notes.txt\"\n" +
                              Totals(1, 1));
  EXPECT_EQ(o.batchText, BatchHeader() + "cd C:\\docs\nREM dir \"my notes.txt\"\n");
}

TEST(SearchOutput, TokenIsReplacedEverywhereAndCommandsSplitAtSemicolons) {
  SearchHarness h;
  h.tree.File("a b.txt", "", k5Jan2003_1407);
  h.tree.File("x.log", "", k5Jan2003_1407);
  SearchOutcome copy = h.Run({"/fp", "C:\\a*.txt", "/fcmd", "copy %f %f.bak"});
  EXPECT_EQ(copy.batchText, BatchHeader() + "cd C:\\\nREM copy \"a b.txt\" \"a b.txt\".bak\n");

  SearchOutcome two = h.Run({"/fp", "C:\\x.log", "/fcmd", "type;del", "/se"});
  EXPECT_EQ(two.batchText, BatchHeader() + "cd C:\\\nREM type x.log\npause\nREM del x.log\npause\n");
  EXPECT_EQ(two.resultText, ResultHeader() +
                                "\n Directory of \"C:\\\"\n"
                                "DATE       TIME   SIZE (bytes)    FILE NAME\n"
                                "---------- ------ ------------    ---------\n"
                                "01/05/2003 02:07p 0               x.log\n" +
                                Totals(1, 1));

  SearchOutcome trailing = h.Run({"/fp", "C:\\x.log", "/fcmd", "type;"});
  EXPECT_EQ(trailing.batchText, BatchHeader() + "cd C:\\\nREM type x.log\n");

  SearchOutcome empty = h.Run({"/fp", "C:\\x.log", "/fcmd", "a;;b"});
  EXPECT_EQ(empty.batchText, BatchHeader() + "cd C:\\\nREM a x.log\nREM  x.log\nREM b x.log\n");
}

TEST(SearchOutput, EveryDirectoryWithMatchesGetsItsCdLineAndListingBlock) {
  SearchHarness h;
  h.tree.File("one/a.txt", "", k5Jan2003_1407);
  h.tree.File("one/b.txt", "", k5Jan2003_1407);
  h.tree.File("two/c.txt", "", k5Jan2003_1407);
  SearchOutcome o = h.Run({"/fp", "C:\\*.txt", "/r", "/fcmd", "type"});
  const std::string header =
      "DATE       TIME   SIZE (bytes)    FILE NAME\n"
      "---------- ------ ------------    ---------\n";
  EXPECT_EQ(o.resultText, ResultHeader() + "\n Directory of \"C:\\two\"\n" + header +
                              "01/05/2003 02:07p 0               c.txt\n"
                              "\n Directory of \"C:\\one\"\n" +
                              header +
                              "01/05/2003 02:07p 0               a.txt\n"
                              "01/05/2003 02:07p 0               b.txt\n" +
                              Totals(3, 3));
  EXPECT_EQ(o.batchText, BatchHeader() +
                             "cd C:\\two\nREM type c.txt\n"
                             "cd C:\\one\nREM type a.txt\nREM type b.txt\n");
}

TEST(SearchOutput, DirectoryCommandsRunDeepestFirstAndSkipTheRoot) {
  SearchHarness h;
  h.tree.Dir("a/a1");
  h.tree.Dir("b");
  h.tree.Dir("old stuff");
  SearchOutcome o = h.Run({"/fp", "C:\\*.none", "/r", "/dcmd", "rmdir;echo %f!"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.batchText, BatchHeader() +
                             "REM rmdir C:\\a\\a1\n"
                             "REM echo C:\\a\\a1!\n"
                             "REM rmdir C:\\a\n"
                             "REM echo C:\\a!\n"
                             "REM rmdir C:\\b\n"
                             "REM echo C:\\b!\n"
                             "REM rmdir \"C:\\old stuff\"\n"
                             "REM echo \"C:\\old stuff\"!\n");
  EXPECT_EQ(o.resultText, ResultHeader() +
                              "\n\fAll sub-directories found/visited\n"
                              "----------------------------------\n"
                              " C:\\a\\a1\n C:\\a\\a1\n"
                              " C:\\a\n C:\\a\n"
                              " C:\\b\n C:\\b\n"
                              " \"C:\\old stuff\"\n \"C:\\old stuff\"\n" +
                              Totals(0, 5));
}

TEST(SearchOutput, DirectoryCommandNeedsSubdirectories) {
  SearchHarness h;
  h.tree.Dir("docs/sub");
  SearchOutcome o = h.Run({"/fp", "C:\\docs\\*.none", "/dcmd", "rmdir"});
  EXPECT_EQ(o.batchText, BatchHeader());
  EXPECT_EQ(o.resultText, ResultHeader() + Totals(0, 1));
}

TEST(SearchOutput, VerboseWritesStatisticsAndTimeStamps) {
  SearchHarness h;
  h.tree.File("docs/a.txt");
  h.tree.Dir("docs/sub");
  SearchOutcome o = h.Run({"/fp", "C:\\docs\\*.txt", "/r", "/v"});
  EXPECT_EQ(o.resultText, ResultHeader() + "STARTED ON " + kFixedNowText + "\n" +
                              "\n1 sub-directories found in \"C:\\docs\".\n"
                              "C:\\docs\\a.txt\n"
                              "1 files found in \"C:\\docs\" that match search critera.\n"
                              "\n0 sub-directories found in \"C:\\docs\\sub\".\n"
                              "0 files found in \"C:\\docs\\sub\" that match search critera.\n"
                              "ENDED ON " +
                              kFixedNowText + "\n" + Totals(1, 2));
}

TEST(SearchOutput, EnvironmentLinesFollowTheBatchHeaderAndOnlyTheLastEnvCounts) {
  SearchHarness h;
  SearchOutcome o = h.Run({"/fp", "C:\\*.none", "/env", "IGNORED=1", "/env",
                           "PATH=%PATH%;C:\\bin+TEMP=C:\\tmp"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.batchText, BatchHeader() + "SET PATH=%PATH%;C:\\bin\nSET TEMP=C:\\tmp\n\n");

  SearchOutcome trailingPlus = h.Run({"/fp", "C:\\*.none", "/env", "A=1+"});
  EXPECT_EQ(trailingPlus.batchText, BatchHeader() + "SET A=1\n\n");
}

TEST(SearchOutput, RejectedAssignmentsEndTheRunWithTheirMessages) {
  struct Case {
    const char* value;
    const char* message;
    const char* linesKept;
  } cases[] = {
      {"A=1=2", "More than one '=' in 'A=1=2'! Please correct!", ""},
      {"X", "More than one '=' in 'X'! Please correct!", ""},
      {"P=%PATH", "Number of '%'s not balanced in 'P=%PATH'! Please correct!", ""},
      {"A=1++B=2", "More than one '=' in ''! Please correct!", "SET A=1\n"},
  };
  for (const Case& c : cases) {
    SearchHarness h;
    SearchOutcome o = h.Run({"/fp", "C:\\*.none", "/env", c.value});
    EXPECT_EQ(o.result, kWalkStop) << c.value;
    ASSERT_EQ(h.frontEnd.boxes.size(), 1u) << c.value;
    EXPECT_EQ(h.frontEnd.boxes[0].text, c.message);
    EXPECT_EQ(h.frontEnd.boxes[0].style, kStyleError);
    EXPECT_EQ(o.batchText, BatchHeader() + c.linesKept) << c.value;
    EXPECT_EQ(o.resultText, ResultHeader() + Totals(0, 0)) << c.value;
  }
}

TEST(SearchOutput, ContentPhraseSelectsFilesAndDirectoriesNeverMatchIt) {
  SearchHarness h;
  h.tree.File("src/main.cpp", "int main() { // TODO: args\n}");
  h.tree.File("src/util.cpp", "// nothing\n");
  h.tree.Dir("src/todo.cpp");
  SearchOutcome o = h.Run({"/fp", "C:\\src\\*.cpp", "/sp", "todo"});
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\src\\main.cpp\n" + Totals(1, 1));

  SearchOutcome names = h.Run({"/fp", "C:\\src\\todo*"});
  EXPECT_EQ(names.resultText, ResultHeader() + "C:\\src\\todo.cpp\n" + Totals(1, 1));
}

TEST(SearchOutput, ALaterRunStartsItsListingWithABlockAgain) {
  SearchHarness h;
  h.tree.File("docs/a.txt", "", k5Jan2003_1407);
  SearchOutcome first = h.Run({"/fp", "C:\\docs\\*.txt", "/fcmd", "dir"});
  SearchOutcome second = h.Run({"/fp", "C:\\docs\\*.txt", "/fcmd", "dir"});
  EXPECT_EQ(first.resultText, second.resultText);
  EXPECT_NE(second.resultText.find(" Directory of \"C:\\docs\""), std::string::npos);
}

}  // namespace
}  // namespace zaltor::testing

namespace zaltor::testing {
namespace {

TEST(SearchOutputSafety, NamesWithCommandCharactersAreQuotedAndPercentDoubledInTheBatch) {
  SearchHarness h;
  h.tree.File("we;ird/a&b.txt");
  h.tree.File("we;ird/100%.txt");
  SearchOutcome o = h.Run({"/fp", "C:\\we;ird\\*.txt"});
  EXPECT_EQ(o.batchText, BatchHeader() +
                             "cd \"C:\\we;ird\"\n"
                             "\"C:\\we;ird\\100%%.txt\"\n"
                             "\"C:\\we;ird\\a&b.txt\"\n");
  EXPECT_EQ(o.resultText, ResultHeader() +
                              "\"C:\\we;ird\\100%.txt\"\n"
                              "\"C:\\we;ird\\a&b.txt\"\n" +
                              Totals(2, 1));

  SearchOutcome commands = h.Run({"/fp", "C:\\we;ird\\1*.txt", "/fcmd", "type %f;echo %PATH%"});
  EXPECT_NE(commands.batchText.find("REM type \"100%%.txt\"\nREM echo %PATH% \"100%%.txt\"\n"),
            std::string::npos)
      << commands.batchText;
}

TEST(SearchOutputSafety, NamesThatCannotBeWrittenAreReportedAndSkipped) {
  SearchHarness h;
  h.tree.File("top/ok.txt");
  h.tree.File("top/bad\nname.txt");
  h.tree.File("top/quo\"te.txt");
  h.tree.File("top/sub\rdir/inner.txt");
  SearchOutcome o = h.Run({"/fp", "C:\\top\\*.txt", "/r"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.batchText, BatchHeader() + "cd C:\\top\nC:\\top\\ok.txt\n");
  const std::string skipped =
      "Error:An entry of \"C:\\top\" has a name that cannot be written safely; it is skipped.\n";
  EXPECT_EQ(o.resultText,
            ResultHeader() +
                "Error:A subdirectory of \"C:\\top\" has a name that cannot be written safely; it is not searched.\n" +
                skipped + "C:\\top\\ok.txt\n" + skipped + Totals(1, 1));
}

TEST(SearchOutputSafety, ADirectoryPathOverTheLimitIsReportedAndNotEntered) {
  SearchHarness h;
  std::string deep;
  for (int i = 0; i < 30; ++i) deep += "/directory" + std::to_string(i);
  h.tree.File(deep.substr(1) + "/x.txt");
  SearchOutcome o = h.Run({"/fp", "C:\\*.txt", "/r"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_NE(o.resultText.find("is too long to be searched.\n"), std::string::npos);
  EXPECT_EQ(o.files, 0u);
}

}  // namespace
}  // namespace zaltor::testing
