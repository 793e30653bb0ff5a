// The keyboard and the lists as the platform's dialogs serve them, on both
// hosts: Tab reaches exactly the template's stops, and each dropped list
// shows its number of items with a scroll bar for the rest and no tooltip
// over it.
#include <gtest/gtest.h>

#include <vector>

#include "dialog/run_fixture.h"

namespace zaltor {
namespace {

using testing::DropList;
using testing::DroppedList;
using testing::PressTab;
using testing::RunFixture;

class KeysAndListsTest : public RunFixture {
 protected:
  KeysAndListsTest() { win::DialogWindow::SetHelpHandler([](unsigned long) {}); }
  ~KeysAndListsTest() override {
    dialog.reset();
    win::DialogWindow::SetHelpHandler({});
  }

  // The controls Tab reaches from Name/Pattern until it comes back there.
  std::vector<int> TabCycle() {
    dialog->FocusControl(res::kPattern);
    std::vector<int> reached;
    for (int id = PressTab(*dialog); id != res::kPattern && reached.size() < 60; id = PressTab(*dialog)) {
      reached.push_back(id);
    }
    return reached;
  }
};

// The template's 37 stops in its order: every date and time operator, the
// status line, and no size operator or AND/OR, whichever button is checked.
const std::vector<int> kTabStops = {
    res::kDrives,        res::kWords,        res::kDate,        res::kDateOn,         res::kDateAfter,
    res::kDateBefore,    res::kDateRange,    res::kTime,        res::kTimeAt,         res::kTimeAfter,
    res::kTimeBefore,    res::kTimeRange,    res::kSize,        res::kSubdirectories, res::kVerbose,
    res::kStepExecution, res::kFileAction,   res::kDirectoryAction, res::kViewResults, res::kResults,
    res::kBrowseResults, res::kViewBatch,    res::kBatch,       res::kBrowseBatch,    res::kEnvironment,
    res::kStatus,        res::kArchive,      res::kHidden,      res::kNormal,         res::kReadOnly,
    res::kSubdir,        res::kSystem,       res::kGo,          res::kReset,          res::kCommandHelp,
    res::kIdCancel};

TEST_F(KeysAndListsTest, TabReachesTheTemplatesStopsBeforeAndAfterASearchAndAReset) {
  SearchDialog& d = Open();
  EXPECT_EQ(TabCycle(), kTabStops);
  d.CheckRadioButton(res::kDateOn, res::kDateRange, res::kDateBefore);
  d.CheckRadioButton(res::kSizeEqual, res::kSizeRange, res::kSizeRange);
  d.CheckRadioButton(res::kAnd, res::kOr, res::kAnd);
  Go("*.txt");
  EXPECT_EQ(TabCycle(), kTabStops);
  d.OnReset();
  EXPECT_EQ(TabCycle(), kTabStops);
}

TEST_F(KeysAndListsTest, ListsDropToSevenTenAndFiveItemsScrollTheRestAndShowNoTip) {
  std::map<char, unsigned> twelveDrives;
  for (char letter = 'C'; letter < 'C' + 12; ++letter) twelveDrives[letter] = kDriveFixed;
  SearchDialog& d = Open(twelveDrives);
  for (int i = 0; i < 8; ++i) d.Combo(res::kWords).InsertString(0, "remembered");
  const DroppedList pattern = DropList(d, res::kPattern);
  const DroppedList drives = DropList(d, res::kDrives);
  const DroppedList words = DropList(d, res::kWords);
  EXPECT_EQ(pattern.items, 7);
  EXPECT_EQ(drives.items, 10);
  EXPECT_EQ(words.items, 5);
  EXPECT_TRUE(pattern.scrolls);
  EXPECT_TRUE(drives.scrolls);
  EXPECT_TRUE(words.scrolls);
  // No tooltip covers an open list, though each of the three has one.
  EXPECT_FALSE(pattern.tip);
  EXPECT_FALSE(drives.tip);
  EXPECT_FALSE(words.tip);
}

}  // namespace
}  // namespace zaltor
