// What Go sends the engine: the fields read into the option vector, the
// status line that shows it, the drive reconciliation, the refused fields
// and the two histories.
#include <gtest/gtest.h>

#include "dialog/run_fixture.h"

namespace zaltor {
namespace {

using testing::RunFixture;
using testing::ValueOf;
using Options = std::vector<std::string>;

class SearchRunTest : public RunFixture {};

TEST_F(SearchRunTest, DefaultsWithAPatternGiveTheElevenOptionsAndShowThem) {
  SearchDialog& d = Open();
  Go("*.txt");
  const Options expected = {"/fp", "C:\\*.txt", "/r", "/fcmd", "dir", "/of", "C:\\TEMP\\zltoutputs.txt",
                            "/bf", "C:\\TEMP\\zltbatch.bat", "/fa", "AHNRSD"};
  EXPECT_EQ(OnlyRun(), expected);
  EXPECT_EQ(d.OptionCount(), 11);
  EXPECT_EQ(d.CommandLine(),
            "/fp C:\\*.txt /r /fcmd dir /of C:\\TEMP\\zltoutputs.txt /bf C:\\TEMP\\zltbatch.bat /fa AHNRSD ");
}

TEST_F(SearchRunTest, EveryFieldInItsPlaceAndOrder) {
  SearchDialog& d = Open();
  d.SetDlgItemText(res::kWords, "  two words  ");
  d.SetDlgItemText(res::kDate, "12/31/2003");
  d.CheckRadioButton(res::kDateOn, res::kDateRange, res::kDateAfter);
  d.SetDlgItemText(res::kTime, "08:30");
  d.CheckDlgButton(res::kTimeAt, win::kUnchecked);  // none of the time buttons checked
  d.SetDlgItemText(res::kSize, "100-200");
  d.CheckRadioButton(res::kSizeEqual, res::kSizeRange, res::kSizeRange);
  d.CheckDlgButton(res::kSubdirectories, win::kUnchecked);
  d.CheckDlgButton(res::kVerbose, win::kChecked);
  d.CheckDlgButton(res::kStepExecution, win::kChecked);
  d.SetDlgItemText(res::kDirectoryAction, "echo %f");
  d.SetDlgItemText(res::kEnvironment, "A=1;B=2");
  d.CheckRadioButton(res::kAnd, res::kOr, res::kAnd);
  for (int id : {res::kArchive, res::kNormal, res::kReadOnly, res::kSubdir}) d.CheckDlgButton(id, win::kUnchecked);
  Go("*.cpp");
  const Options expected = {"/fp", "C:\\*.cpp", "/sp", "  two words  ", "/fd", "A12/31/2003", "/ft", "@08:30",
                            "/fs", "R:100-200", "/v", "/se", "/fcmd", "dir", "/dcmd", "echo %f", "/of",
                            "C:\\TEMP\\zltoutputs.txt", "/bf", "C:\\TEMP\\zltbatch.bat", "/env", "A=1;B=2",
                            "/fa", "M:HS"};
  EXPECT_EQ(OnlyRun(), expected);
  // The remembered words are trimmed; the option keeps the blanks.
  EXPECT_EQ(d.Combo(res::kWords).GetLBText(0), "two words");
}

TEST_F(SearchRunTest, EmptyFieldsLeaveTheirOptionsOutAndAnEmptyResultsFieldGetsTheDefault) {
  SearchDialog& d = Open();
  for (int id : {res::kFileAction, res::kResults, res::kBatch}) d.SetDlgItemText(id, "");
  Go("x.y");
  const Options expected = {"/fp", "C:\\x.y", "/r", "/of", "C:\\TEMP\\zltoutputs.txt", "/fa", "AHNRSD"};
  EXPECT_EQ(OnlyRun(), expected);
  EXPECT_EQ(Text(res::kResults), "");
}

TEST_F(SearchRunTest, PatternAndDriveListAreReconciled) {
  SearchDialog& d = Open();
  win::ComboBox* drivesList = &d.Combo(res::kDrives);
  // A pattern with a drive selects that drive's item and goes unchanged.
  Go("c:\\data\\*.ini");
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "c:\\data\\*.ini");
  EXPECT_EQ(drivesList->GetLBText(drivesList->GetCurSel()), "C:\\(FIXED)");
  Go("d:*.txt");
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "d:*.txt");
  EXPECT_EQ(drivesList->GetLBText(drivesList->GetCurSel()), "D:\\(CDROM)");
  // A rooted pattern after a drive item gives two backslashes in a row.
  Go("\\work\\*.txt");
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "D:\\\\work\\*.txt");
  // "All" sends the pattern without a drive.
  drivesList->SetCurSel(drivesList->FindStringExact(-1, "All"));
  Go("*.txt");
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "*.txt");
  EXPECT_EQ(Runs().size(), 4u);
}

TEST_F(SearchRunTest, RefusedFieldsStartNoSearch) {
  SearchDialog& d = Open({{'A', kDriveRemovable}, {'C', kDriveFixed}});
  Go("");
  Go("d:*.txt");
  // Too long once the drive root goes in front of it.
  Go(std::string(258, 'p').c_str());
  d.SetDlgItemText(res::kSize, std::string(258, '1').c_str());
  Go("ok");
  EXPECT_TRUE(Runs().empty());
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].text, "File name/pattern is required, at the least, to run!");
  EXPECT_EQ(shown[1].text, "Invalid drive typed in for name/pattern!");
  for (const auto& box : shown) {
    EXPECT_EQ(box.style, kMbIconHand);
    EXPECT_EQ(box.caption, win::ApplicationName());
  }
  EXPECT_NE(shown[2].text.find("Name/Pattern"), std::string::npos) << shown[2].text;
  EXPECT_NE(shown[3].text.find("Size"), std::string::npos) << shown[3].text;
  EXPECT_EQ(Text(res::kStatus), "Search aborted due to error(s)/interruption! Please make necessary corrections.");
  // The refused pattern had already entered the history.
  EXPECT_GE(d.Combo(res::kPattern).FindStringExact(-1, "d:*.txt"), 10);
  // Idle again: Go reads "Go" and the output controls are enabled.
  EXPECT_EQ(Text(res::kGo), "Go");
  EXPECT_TRUE(d.IsDlgItemEnabled(res::kBrowseResults));
}

TEST_F(SearchRunTest, PatternHistoryKeepsPresetsAndTenRemembered) {
  SearchDialog& d = Open();
  win::ComboBox* patterns = &d.Combo(res::kPattern);
  // A typed preset, in any case and with blanks, stands for its wildcard.
  Go("  audio(*.WAV) ");
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "C:\\*.WAV");
  EXPECT_EQ(patterns->GetCount(), 10);
  // A chosen preset does the same.
  patterns->SetCurSel(8);
  d.OnGoStop();
  ASSERT_TRUE(testing::ServeUntil([&d] { return !d.WorkerActive(); }));
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "C:\\*.txt");
  EXPECT_EQ(patterns->GetCount(), 10);

  for (int i = 1; i <= 11; ++i) Go(("p" + std::to_string(i)).c_str());
  ASSERT_EQ(patterns->GetCount(), 20);
  EXPECT_EQ(patterns->GetLBText(10), "p11");
  EXPECT_EQ(patterns->GetLBText(19), "p2");  // p1 was the oldest and went
  EXPECT_EQ(patterns->FindStringExact(-1, "p1"), win::kComboError);
  // Choosing a remembered pattern moves it to the top of the history.
  patterns->SetCurSel(patterns->FindStringExact(-1, "p5"));
  d.OnGoStop();
  ASSERT_TRUE(testing::ServeUntil([&d] { return !d.WorkerActive(); }));
  EXPECT_EQ(patterns->GetLBText(10), "p5");
  EXPECT_EQ(patterns->GetCount(), 20);
  // Typing a remembered one in another case moves it too, as typed, without
  // a second copy.
  Go(" P7 ");
  EXPECT_EQ(patterns->GetLBText(10), "P7");
  EXPECT_EQ(patterns->FindStringExact(11, "p7"), 10);
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "C:\\P7");
  EXPECT_EQ(patterns->GetCount(), 20);
  EXPECT_EQ(patterns->GetLBText(0), "Audio(*.wav)");
}

TEST_F(SearchRunTest, WordsHistoryHoldsTwentyNewestFirst) {
  SearchDialog& d = Open();
  win::ComboBox* words = &d.Combo(res::kWords);
  for (int i = 1; i <= 21; ++i) {
    d.SetDlgItemText(res::kWords, ("w" + std::to_string(i)).c_str());
    Go("a");
  }
  ASSERT_EQ(words->GetCount(), 20);
  EXPECT_EQ(words->GetLBText(0), "w21");
  EXPECT_EQ(words->GetLBText(19), "w2");
  // A text typed again, in another case, moves to the top once.
  d.SetDlgItemText(res::kWords, "W10");
  Go("a");
  EXPECT_EQ(words->GetLBText(0), "W10");
  EXPECT_EQ(words->GetCount(), 20);
  EXPECT_EQ(words->FindStringExact(1, "w10"), 0);  // the only one, wrapping round to it
  // A chosen item moves to the top as well.
  words->SetCurSel(5);
  const std::string chosen = words->GetLBText(5);
  Go("a");
  EXPECT_EQ(words->GetLBText(0), chosen);
  EXPECT_EQ(ValueOf(Runs().back(), "/sp"), chosen);
  // No words, no "/sp" and no change to the list.
  d.SetDlgItemText(res::kWords, "");
  Go("a");
  EXPECT_EQ(ValueOf(Runs().back(), "/sp"), "(absent)");
  EXPECT_EQ(words->GetCount(), 20);
}

}  // namespace
}  // namespace zaltor
