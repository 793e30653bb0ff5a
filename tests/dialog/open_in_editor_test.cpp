// Starting the editor: the command read from EDITOR, and the boxes for a
// start that fails.
#include "dialog/open_in_editor.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/message_box_codes.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

using Command = std::vector<std::string>;

TEST(OpenInEditorTest, CommandFromEditorValue) {
  EXPECT_EQ(EditorCommand(nullptr, "xdg-open", "/t/a.txt"), (Command{"xdg-open", "/t/a.txt"}));
  // Only what follows the last backslash of the whole value counts; nothing
  // after it means the default.
  EXPECT_EQ(EditorCommand("C:\\Tools\\Ed\\ed.exe", "xdg-open", "f"), (Command{"ed", "f"}));
  EXPECT_EQ(EditorCommand("ed -r C:\\notes\\vi -x", "xdg-open", "f"), (Command{"vi", "-x", "f"}));
  EXPECT_EQ(EditorCommand("C:\\Tools\\", "xdg-open", "f"), (Command{"xdg-open", "f"}));
  // The extension goes from the program's own name only.
  EXPECT_EQ(EditorCommand("/opt/ed.d/ed a.b", "x", "f"), (Command{"/opt/ed.d/ed", "a.b", "f"}));
  EXPECT_EQ(EditorCommand("kate.bin.sh -n", "x", "f"), (Command{"kate.bin", "-n", "f"}));
  // Every blank splits, so doubled and trailing blanks give empty pieces;
  // an empty file name adds nothing.
  EXPECT_EQ(EditorCommand("ed  -r ", "x", ""), (Command{"ed", "", "-r", ""}));
  std::string many = "ed";
  for (int i = 0; i < 100; ++i) (many += ' ') += static_cast<char>('0' + i % 10);
  const Command capped = EditorCommand(many.c_str(), "x", "f");
  ASSERT_EQ(capped.size(), 1u + 96u + 1u);
  EXPECT_EQ(capped[96], "5");
  EXPECT_EQ(capped.back(), "f");
  // The value is held in 259 characters.
  const std::string longValue = "ed " + std::string(300, 'v');
  EXPECT_EQ(EditorCommand(longValue.c_str(), "x", "").back().size(), 259u - 3u);
}

TEST(OpenInEditorTest, FailedStartsSayWhetherTheProgramIsMissingOrNoProgram) {
  testing::TempTree tree;
  // Files named as programs are: on Windows their extension makes them one.
  tree.File("plain.exe", "not a program");
  tree.File("junk.exe", std::string("\x7f" "ELF junk", 8));
  std::filesystem::permissions(tree.Path("junk.exe"), std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  tree.Dir("folder.exe");
  std::vector<std::string> shown;
  auto ask = [&shown](const char* text, unsigned style) {
    EXPECT_EQ(style, kMbIconHand) << text;
    shown.push_back(text);
    return kIdOk;
  };
  for (const std::string& program : {std::string("zaltor-no-such-editor"), tree.Path("missing")}) {
    StartEditor({program, "f"}, ask);
  }
  for (const char* name : {"plain.exe", "junk.exe", "folder.exe"}) StartEditor({tree.Path(name), "f"}, ask);
  const std::string missing = "Program notepad/editor specified in %EDITOR% NOT found in %PATH%!";
  const std::string notRunnable = "Program specifed in %EDITOR% or 'notepad' is not runnable!";
  EXPECT_EQ(shown, (std::vector<std::string>{missing, missing, notRunnable, notRunnable, notRunnable}));
}

}  // namespace
}  // namespace zaltor
