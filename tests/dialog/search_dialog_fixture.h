// The main dialog created on a set of drives and shown, with the defaults
// it starts with and returns to on Reset.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog/dialog_fixture.h"
#include "dialog/fake_drives.h"
#include "dialog/search_dialog.h"
#include "resources/resource_ids.h"

namespace zaltor::testing {

inline const std::map<char, unsigned> kThreeDrives = {{'A', kDriveRemovable}, {'C', kDriveFixed}, {'D', kDriveCdrom}};

inline std::vector<std::string> Items(const win::ComboBox* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->GetCount(); ++i) items.push_back(combo->GetLBText(i));
  return items;
}

class SearchDialogTest : public ::testing::Test {
 protected:
  SearchDialogTest() {
    env.Set("TMP", "C:\\TEMP");
    env.Set("TEMP", nullptr);
  }
  // Creates the dialog on the drive set and shows it.
  SearchDialog& Open(std::map<char, unsigned> driveSet = kThreeDrives) {
    drives = std::make_unique<testing::FakeDrives>(std::move(driveSet));
    dialog = std::make_unique<SearchDialog>(*drives);
    dialog->Create();
    dialog->ShowWindow();
    return *dialog;
  }
  std::string Text(int id) { return dialog->GetDlgItemText(id); }
  int Checked(int id) { return dialog->IsDlgButtonChecked(id); }

  void ExpectDefaults() {
    EXPECT_EQ(Text(res::kPattern), "");
    EXPECT_EQ(Text(res::kWords), "");
    for (int id : {res::kDate, res::kTime, res::kSize, res::kDirectoryAction, res::kEnvironment}) {
      EXPECT_EQ(Text(id), "") << id;
    }
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kDateOn, res::kDateRange), res::kDateOn);
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kTimeAt, res::kTimeRange), res::kTimeAt);
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kSizeEqual, res::kSizeRange), res::kSizeEqual);
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kAnd, res::kOr), res::kOr);
    for (int id = res::kArchive; id <= res::kSubdir; ++id) EXPECT_EQ(Checked(id), 1) << id;
    EXPECT_EQ(Checked(res::kSubdirectories), 1);
    EXPECT_EQ(Checked(res::kVerbose), 0);
    EXPECT_EQ(Checked(res::kStepExecution), 0);
    EXPECT_EQ(Text(res::kFileAction), "dir");
    EXPECT_EQ(Text(res::kResults), "C:\\TEMP\\zltoutputs.txt");
    EXPECT_EQ(Text(res::kBatch), "C:\\TEMP\\zltbatch.bat");
    EXPECT_EQ(Text(res::kStatus),
              "Please enter a value for the 'Name/Pattern:' field to do a search.  All other fields are "
              "defaulted/optional.");
    EXPECT_EQ(dialog->FocusedDlgItem(), res::kPattern);
  }

  testing::EnvironmentGuard env;
  std::unique_ptr<testing::FakeDrives> drives;
  std::unique_ptr<SearchDialog> dialog;
};

}  // namespace zaltor::testing
