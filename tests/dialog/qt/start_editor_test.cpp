// Starting the editor on POSIX: a failure the system gives no reason for
// may be retried (a name too long for POSIX reaches it; Windows calls such a
// program missing), and the default editor, the desktop's opener, opens only
// existing files.
#include <unistd.h>

#include <gtest/gtest.h>

#include "dialog/open_in_editor.h"
#include "dialog/run_fixture.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

using Command = std::vector<std::string>;

TEST(OpenInEditorTest, UnknownFailuresAreRetriedAsTheUserAnswers) {
  std::vector<std::string> shown;
  std::vector<int> answers = {kIdRetry, kIdCancel};
  auto ask = [&shown, &answers](const char* text, unsigned style) {
    EXPECT_EQ(style, kMbIconHand | kMbRetryCancel);
    shown.push_back(text);
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  };
  StartEditor({std::string(300, 'e'), "f"}, ask);  // a name too long for the system
  EXPECT_EQ(shown, std::vector<std::string>(2, "Failed to run editor of unknown error!"));
}

// Without EDITOR the desktop's opener starts, and it opens only a file that
// exists: for an empty field or a file not yet written a box says why.
class DefaultEditorTest : public testing::RunFixture {};

// The drive path of a host path, C: being the host's root.
std::string OnDriveC(std::string host) {
  for (char& c : host) c = c == '/' ? '\\' : c;
  return "C:" + host;
}

TEST_F(DefaultEditorTest, StartsOnlyOnAFileThatExists) {
  env.Set("TMP", nullptr);  // the tree goes into the host's temporary directory
  testing::TempTree tree;
  tree.File("found.txt", "x");
  symlink(editor.Path().c_str(), tree.Path(kDefaultEditor).c_str());
  env.Set("PATH", (tree.root() + ":" + std::getenv("PATH")).c_str());
  env.Set("EDITOR", nullptr);
  SearchDialog& d = Open();
  d.SetDlgItemText(res::kResults, "");
  d.OnViewResults();
  const std::string missing = OnDriveC(tree.Path("missing.bat"));
  d.SetDlgItemText(res::kBatch, missing.c_str());
  d.OnViewBatch();
  d.SetDlgItemText(res::kResults, OnDriveC(tree.Path("found.txt")).c_str());
  d.OnViewResults();
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text,
            "The Results field names no file.  The desktop's opener (xdg-open) needs one: name a file, or "
            "set EDITOR to an editor that starts without one.");
  EXPECT_EQ(shown[1].text, "'" + missing +
                               "' does not exist yet: a search writes it.  The desktop's opener "
                               "(xdg-open) opens only existing files; set EDITOR to an editor that can "
                               "create it.");
  EXPECT_EQ(shown[1].style, kMbIconHand);
  ASSERT_TRUE(editor.WaitForStarts(1));
  EXPECT_EQ(editor.Starts(), std::vector<Command>{{tree.Path("found.txt")}});
}

}  // namespace
}  // namespace zaltor
