// Starting the editor on POSIX: the boxes for a start that fails, and the
// default editor, the desktop's opener, which opens only existing files.
// Which files the system refuses to start, and how, is the host's own.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "dialog/open_in_editor.h"
#include "dialog/run_fixture.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

using Command = std::vector<std::string>;

TEST(OpenInEditorTest, FailedStartsAreReportedAndRetriedAsTheUserAnswers) {
  testing::TempTree tree;
  tree.File("plain", "not a program");
  tree.File("junk", std::string("\x7f" "ELF junk", 8));
  chmod(tree.Path("junk").c_str(), 0755);
  struct Box {
    std::string text;
    unsigned style;
  };
  std::vector<Box> shown;
  std::vector<int> answers;
  auto ask = [&shown, &answers](const char* text, unsigned style) {
    shown.push_back({text, style});
    if (answers.empty()) return kIdOk;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  };
  StartEditor({"zaltor-no-such-editor", "f"}, ask);
  StartEditor({tree.Path("plain"), "f"}, ask);
  StartEditor({tree.Path("junk"), "f"}, ask);
  answers = {kIdRetry, kIdCancel};
  StartEditor({std::string(300, 'e'), "f"}, ask);  // a name too long for the system
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].text, "Program notepad/editor specified in %EDITOR% NOT found in %PATH%!");
  EXPECT_EQ(shown[1].text, "Program specifed in %EDITOR% or 'notepad' is not runnable!");
  EXPECT_EQ(shown[2].text, "Program specifed in %EDITOR% or 'notepad' is not runnable!");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(shown[i].style, kMbIconHand) << i;
  for (int i = 3; i < 5; ++i) {
    EXPECT_EQ(shown[i].text, "Failed to run editor of unknown error!");
    EXPECT_EQ(shown[i].style, kMbIconHand | kMbRetryCancel);
  }
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
