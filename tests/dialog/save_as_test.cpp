// The two Browse buttons: the Save As settings, what OK and Cancel do to the
// field, and a chosen file that lies on no drive.
#include <gtest/gtest.h>

#include "dialog/run_fixture.h"
#include "dialog/window/save_as.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

class SaveAsTest : public testing::RunFixture {
 protected:
  ~SaveAsTest() override { win::SetSaveAsAnswerer({}); }
  // Answers the next Save As with chosen (nothing for Cancel) and keeps the
  // request.
  void AnswerWith(std::optional<std::string> chosen) {
    win::SetSaveAsAnswerer([this, chosen](const win::SaveAsRequest& request, std::string* out) {
      requests.push_back(request);
      if (chosen) *out = *chosen;
      return chosen.has_value();
    });
  }
  std::vector<win::SaveAsRequest> requests;
};

TEST_F(SaveAsTest, BrowseOffersTheFixedSettingsAndOnlyOkChangesTheField) {
  env.Set("TMP", nullptr);  // the tree goes into the host's temporary directory
  testing::TempTree tree;
  env.Set("TMP", "C:\\TEMP");
  drives = std::make_unique<testing::FakeDrives>(std::map<char, unsigned>{{'C', kDriveFixed}}, tree.root());
  SearchDialog onTree(*drives);
  onTree.Create();

  // The field gets the drive path (C:\out\list.txt where C: is the tree).
  AnswerWith(tree.Path("out/list.txt"));
  onTree.OnBrowseResults();
  EXPECT_EQ(onTree.GetDlgItemText(res::kResults), drives->DrivePath(tree.Path("out/list.txt").c_str()));
  EXPECT_NE(onTree.GetDlgItemText(res::kResults).find(":\\"), std::string::npos);
  AnswerWith(std::nullopt);
  onTree.OnBrowseBatch();
  EXPECT_EQ(onTree.GetDlgItemText(res::kBatch), "C:\\TEMP\\zltbatch.bat");
  ASSERT_EQ(requests.size(), 2u);
  const win::SaveAsRequest results = requests[0];
  const win::SaveAsRequest batch = requests[1];
  EXPECT_EQ(results.title, "Output Text File");
  EXPECT_EQ(results.initialName, "zltoutputs");
  EXPECT_EQ(results.defaultExtension, "TXT");
  EXPECT_EQ(results.filter, "Text Files (*.txt)|*.txt|");
  EXPECT_EQ(batch.title, "Output Batch File");
  EXPECT_EQ(batch.initialName, "zltbatch");
  EXPECT_EQ(batch.defaultExtension, "BAT");
  EXPECT_EQ(batch.filter, "Batch Files (*.bat)|*.bat|");
  for (const auto& request : requests) {
    EXPECT_EQ(request.flags, 14u);
    EXPECT_EQ(request.owner, static_cast<win::DialogWindow*>(&onTree));
  }
}

// A file outside every drive: a box says why and the field keeps its text.
TEST_F(SaveAsTest, AFileOnNoDriveLeavesTheFieldAsItWas) {
  env.Set("TMP", nullptr);
  testing::TempTree tree;
  env.Set("TMP", "C:\\TEMP");
  drives = std::make_unique<testing::FakeDrives>(std::map<char, unsigned>{{'C', kDriveFixed}}, tree.root());
  if (!drives->DrivePath("/elsewhere/list.txt").empty()) GTEST_SKIP() << "every file of this host is on a drive";
  SearchDialog onTree(*drives);
  onTree.Create();
  AnswerWith("/elsewhere/list.txt");
  onTree.OnBrowseResults();
  EXPECT_EQ(onTree.GetDlgItemText(res::kResults), "C:\\TEMP\\zltoutputs.txt");
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text,
            "'/elsewhere/list.txt' lies on none of the drives (ZALTOR_DRIVES), so a search cannot write "
            "it.  Choose a file on one of the drives.");
  EXPECT_EQ(shown[0].style, kMbIconHand);
  EXPECT_EQ(shown[0].caption, "ZALTOR File Utility V3.2.1");
}

}  // namespace
}  // namespace zaltor
