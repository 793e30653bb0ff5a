// The temporary directory: the order of the variables and the fallbacks.
// POSIX only: its own directories and drives mapped onto host directories.
#include "dialog/temp_directory.h"

#include <gtest/gtest.h>

#include <string>

#include "dialog/dialog_fixture.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

using testing::EnvironmentGuard;
using testing::TempTree;

TEST(GetTempDirectory, TakesTheVariablesInOrderThenTheRuntimeDirectoryThenTmpThenMakesCTmp) {
  TempTree tree;
  tree.Dir("c/run");
  tree.Dir("d");
  // Neither drive holds /tmp.
  PosixFileSystem fs("C=" + tree.Path("c") + ";D=" + tree.Path("d"), tree.root());
  auto temp = [&fs](const char* tmp, const char* temp, const char* tmpdir, const char* runtime) {
    EnvironmentGuard values;
    values.Set("TMP", tmp);
    values.Set("TEMP", temp);
    values.Set("TMPDIR", tmpdir);
    values.Set("XDG_RUNTIME_DIR", runtime);
    char buffer[kMaxPath];
    GetTempDirectory(buffer, fs);
    return std::string(buffer);
  };
  const std::string onD = tree.Path("d/t");
  const std::string runtime = tree.Path("c/run");
  const std::string tooLong = "C:\\" + std::string(kMaxTempDirectory - 3, 'x');

  EXPECT_EQ(temp("C:\\TEMP", "D:\\W", onD.c_str(), runtime.c_str()), "C:\\TEMP\\");
  EXPECT_EQ(temp("D:\\T\\", nullptr, nullptr, nullptr), "D:\\T\\");
  EXPECT_EQ(temp(nullptr, "D:\\W", onD.c_str(), runtime.c_str()), "D:\\W\\");
  // Host paths name their drive path; one no drive holds, an empty one or
  // one too long to leave room for the file names is passed over.
  EXPECT_EQ(temp("/nowhere", "", onD.c_str(), runtime.c_str()), "D:\\t\\");
  EXPECT_EQ(temp(tooLong.c_str(), nullptr, nullptr, runtime.c_str()), "C:\\run\\");
  EXPECT_EQ(temp((tooLong.substr(0, tooLong.size() - 1)).c_str(), nullptr, nullptr, nullptr),
            tooLong.substr(0, tooLong.size() - 1) + "\\");
  // The runtime directory only where it exists and lies on a drive.
  EXPECT_EQ(temp(nullptr, nullptr, nullptr, runtime.c_str()), "C:\\run\\");
  EXPECT_FALSE(tree.Exists("c/TMP"));
  EXPECT_EQ(temp(nullptr, nullptr, nullptr, tree.Path("c/gone").c_str()), "C:\\TMP\\");
  EXPECT_TRUE(tree.Exists("c/TMP"));
  EXPECT_EQ(temp(nullptr, nullptr, nullptr, "/run/nowhere"), "C:\\TMP\\");

  // Where a drive holds /tmp, its drive path comes before C:\TMP.
  PosixFileSystem withTmp("C=" + tree.Path("c") + ";T=/tmp", tree.root());
  EnvironmentGuard values;
  for (const char* name : {"TMP", "TEMP", "TMPDIR", "XDG_RUNTIME_DIR"}) values.Set(name, nullptr);
  char buffer[kMaxPath];
  GetTempDirectory(buffer, withTmp);
  EXPECT_STREQ(buffer, "T:\\");
  GetTempDirectory(nullptr, withTmp);
}

}  // namespace
}  // namespace zaltor
