// The editor's command, read from EDITOR.
#include "dialog/open_in_editor.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zaltor
