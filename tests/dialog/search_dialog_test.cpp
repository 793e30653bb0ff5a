// The main dialog as it starts and after Reset: every default, the presets,
// the drive list, the tooltips' texts, the menu entry and the icon.
#include "dialog/search_dialog.h"

#include <gtest/gtest.h>

#include "dialog/search_dialog_fixture.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor {
namespace {

using testing::Items;
using testing::kThreeDrives;
using testing::SearchDialogTest;

TEST_F(SearchDialogTest, StartShowsEveryDefaultThePresetsAndAnEmptyWordsList) {
  SearchDialog& d = Open();
  ExpectDefaults();
  win::ComboBox* pattern = &d.Combo(res::kPattern);
  EXPECT_EQ(Items(pattern), (std::vector<std::string>{"Audio(*.wav)", "Document(*.doc)", "Image(*.gif)",
                                                      "Image(*.jpg)", "Movie(*.mpeg)", "Music(*.mp3)",
                                                      "Presentation(*.ppt)", "Spreadsheet(*.xls)",
                                                      "Text(*.txt)", "Video(*.avi)"}));
  EXPECT_EQ(pattern->GetCurSel(), win::kComboError);
  EXPECT_EQ(d.Combo(res::kWords).GetCount(), 0);
}

TEST_F(SearchDialogTest, ResetRestoresTheDefaultsButKeepsDriveAndHistories) {
  SearchDialog& d = Open();
  d.Combo(res::kDrives).SetCurSel(1);
  d.Combo(res::kWords).InsertString(0, "remembered");
  for (int id : {res::kPattern, res::kWords, res::kDate, res::kTime, res::kSize, res::kFileAction,
                 res::kDirectoryAction, res::kResults, res::kBatch, res::kEnvironment}) {
    d.SetDlgItemText(id, "changed");
  }
  d.CheckRadioButton(res::kDateOn, res::kDateRange, res::kDateRange);
  d.CheckRadioButton(res::kTimeAt, res::kTimeRange, res::kTimeBefore);
  d.CheckRadioButton(res::kSizeEqual, res::kSizeRange, res::kSizeLessEqual);
  d.CheckRadioButton(res::kAnd, res::kOr, res::kAnd);
  for (int id = res::kArchive; id <= res::kSubdir; ++id) d.CheckDlgButton(id, 0);
  d.CheckDlgButton(res::kSubdirectories, 0);
  d.CheckDlgButton(res::kVerbose, 1);
  d.CheckDlgButton(res::kStepExecution, 1);
  d.SetStatusText("something else");
  d.FocusControl(res::kEnvironment);

  d.OnReset();
  ExpectDefaults();
  EXPECT_EQ(d.Combo(res::kDrives).GetCurSel(), 1);
  EXPECT_EQ(Items(&d.Combo(res::kWords)), std::vector<std::string>{"remembered"});
  EXPECT_EQ(d.Combo(res::kPattern).GetCount(), 10);
}

TEST_F(SearchDialogTest, DriveListForTheDriveSets) {
  {
    SearchDialog& d = Open(kThreeDrives);
    EXPECT_EQ(Items(&d.Combo(res::kDrives)),
              (std::vector<std::string>{"All", "D:\\(CDROM)", "C:\\(FIXED)", "A:\\(REMOVABLE)"}));
    EXPECT_EQ(d.Combo(res::kDrives).GetCurSel(), 2);
    EXPECT_EQ(d.Combo(res::kDrives).WindowText(), "C:\\(FIXED)");
  }
  {
    SearchDialog& d = Open({{'A', kDriveRemovable}});
    EXPECT_EQ(Items(&d.Combo(res::kDrives)), (std::vector<std::string>{"A:\\(REMOVABLE)", "All"}));
    EXPECT_EQ(d.Combo(res::kDrives).GetCurSel(), 0);
  }
  {
    // Unknown types and drives without a root are left out; every known tag.
    SearchDialog& d = Open({{'B', kDriveUnknown},
                            {'C', kDriveFixed},
                            {'E', kDriveNoRootDir},
                            {'N', kDriveRemote},
                            {'R', kDriveRamDisk},
                            {'Z', 9}});
    EXPECT_EQ(Items(&d.Combo(res::kDrives)),
              (std::vector<std::string>{"All", "R:\\(RAM)", "N:\\(NETWORK)", "C:\\(FIXED)"}));
    EXPECT_EQ(d.Combo(res::kDrives).GetCurSel(), 3);
  }
  {
    // Two drives, A: second from the top: the platform's list box probes
    // the first, so All goes on top.
    SearchDialog& d = Open({{'A', kDriveRemovable}, {'D', kDriveCdrom}});
    EXPECT_EQ(Items(&d.Combo(res::kDrives)),
              (std::vector<std::string>{"All", "D:\\(CDROM)", "A:\\(REMOVABLE)"}));
    EXPECT_EQ(d.Combo(res::kDrives).GetCurSel(), 0);
  }
  {
    SearchDialog& d = Open({});
    EXPECT_EQ(Items(&d.Combo(res::kDrives)), std::vector<std::string>{"All"});
    EXPECT_EQ(d.Combo(res::kDrives).GetCurSel(), 0);
  }
}

TEST_F(SearchDialogTest, TooltipsComeFromTheStringTable) {
  SearchDialog& d = Open();
  EXPECT_EQ(d.ToolTipText(res::kIdCancel), "Exit ZALTOR.");
  EXPECT_EQ(d.ToolTipText(res::kDrives), "Choose a drive or all drives to search.  Default is C:\\ drive.");
  EXPECT_EQ(d.ToolTipText(res::kCommandHelp), "Online help for all search criteria and examples!");
  const win::DialogTemplate& form = *res::FindDialogTemplate(res::kMainDialog);
  int withTips = 0;
  for (int i = 0; i < form.controlCount; ++i) {
    const int id = form.controls[i].id;
    if (id == win::kNoId) continue;
    withTips += d.ToolTipText(id).empty() ? 0 : 1;
  }
  EXPECT_EQ(withTips, 44);
  for (int id : {res::kPatternLabel, res::kWordsLabel, res::kStatus, res::kEnvironmentLabel}) {
    EXPECT_TRUE(d.ToolTipText(id).empty()) << id;
  }
}

TEST_F(SearchDialogTest, AboutEntryEndsTheMenuAndOpensWhatTheApplicationGives) {
  SearchDialog& d = Open();
  const auto& menu = d.SystemMenu();
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].command, 0);
  EXPECT_EQ(menu[1].command, 16);
  EXPECT_EQ(menu[1].text, "&About ZALTOR32...");
  int opened = 0;
  d.aboutCommand = [&opened] { ++opened; };
  d.OnSysCommand(0x0010 | 0x3, 0);  // the low four bits are the platform's
  d.OnSysCommand(0x0020, 0);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(d.IsWindowVisible());
}

TEST_F(SearchDialogTest, TheProgramIconIsTheWindowsIconAndTheDragIcon) {
  SearchDialog& d = Open();
  EXPECT_FALSE(d.LargeIcon().IsNull());
  EXPECT_EQ(d.LargeIcon(), win::LoadIconResource(res::kProgramIcon));
  EXPECT_EQ(d.SmallIcon(), d.LargeIcon());
  EXPECT_EQ(d.OnQueryDragIcon(), d.LargeIcon());
}

}  // namespace
}  // namespace zaltor
