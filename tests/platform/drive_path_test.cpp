#include "platform/drive_path.h"

#include <gtest/gtest.h>

namespace zaltor {
namespace {

class DrivePathResolve : public ::testing::Test {
 protected:
  // Current drive C:, in C:\work; D: in D:\data\in; every other drive at its root.
  DrivePathResolve() {
    dirs[2] = "C:\\work";
    dirs[3] = "D:\\data\\in";
  }

  std::string Resolve(const char* path, int drive = 3) {
    std::string out;
    return ResolveDrivePath(path, drive, dirs, &out) ? out : "<fails>";
  }

  DriveDirectories dirs;
};

TEST_F(DrivePathResolve, DriveAbsolute) {
  EXPECT_EQ(Resolve("C:\\docs"), "C:\\docs");
  EXPECT_EQ(Resolve("d:\\x\\y"), "D:\\x\\y");
  EXPECT_EQ(Resolve("E:\\"), "E:\\");
}

TEST_F(DrivePathResolve, DriveRelativeUsesThatDrivesDirectory) {
  EXPECT_EQ(Resolve("D:sub"), "D:\\data\\in\\sub");
  EXPECT_EQ(Resolve("D:"), "D:\\data\\in");
  EXPECT_EQ(Resolve("E:sub"), "E:\\sub");
  EXPECT_EQ(Resolve("C:docs"), "C:\\work\\docs");
}

TEST_F(DrivePathResolve, RootedTakesTheCurrentDrive) {
  EXPECT_EQ(Resolve("\\docs"), "C:\\docs");
  EXPECT_EQ(Resolve("\\docs", 4), "D:\\docs");
  EXPECT_EQ(Resolve("\\"), "C:\\");
  EXPECT_EQ(Resolve("/"), "C:\\");
}

TEST_F(DrivePathResolve, RelativeTakesTheCurrentDirectory) {
  EXPECT_EQ(Resolve("docs\\sub"), "C:\\work\\docs\\sub");
  EXPECT_EQ(Resolve("docs/sub/"), "C:\\work\\docs\\sub");
  EXPECT_EQ(Resolve("x", 4), "D:\\data\\in\\x");
  EXPECT_EQ(Resolve("."), "C:\\work");
}

TEST_F(DrivePathResolve, DotsAndSeparatorsAreNormalised) {
  EXPECT_EQ(Resolve(".."), "C:\\");
  EXPECT_EQ(Resolve("..\\..\\..\\x"), "C:\\x");
  EXPECT_EQ(Resolve("C:\\a\\.\\b\\..\\c\\\\d\\"), "C:\\a\\c\\d");
  EXPECT_EQ(Resolve("D:..\\out"), "D:\\data\\out");
  EXPECT_EQ(Resolve("C:\\.."), "C:\\");
  EXPECT_EQ(Resolve("C:\\\\a.txt"), "C:\\a.txt");
  EXPECT_EQ(Resolve("D://x"), "D:\\x");
}

TEST_F(DrivePathResolve, BadPathsFail) {
  EXPECT_EQ(Resolve(""), "<fails>");
  EXPECT_EQ(Resolve("1:\\x"), "<fails>");
  EXPECT_EQ(Resolve("\\\\server\\share"), "<fails>");
  EXPECT_EQ(Resolve("x", 0), "<fails>");
}

TEST(DrivePathExplicitDrive, OnlyALetterAndAColonCount) {
  EXPECT_EQ(ExplicitDrive("c:x"), 3);
  EXPECT_EQ(ExplicitDrive("Z:"), 26);
  EXPECT_EQ(ExplicitDrive("\\x"), 0);
  EXPECT_EQ(ExplicitDrive("1:"), 0);
  EXPECT_EQ(ExplicitDrive("C"), 0);
}

TEST(DrivePathHost, DrivePathsMapThroughTheTable) {
  DriveTable table = DriveTable::Parse("C=/srv/c;R=/");
  EXPECT_EQ(HostPathOf(table, "C:\\"), "/srv/c");
  EXPECT_EQ(HostPathOf(table, "C:\\docs\\a.txt"), "/srv/c/docs/a.txt");
  EXPECT_EQ(HostPathOf(table, "R:\\"), "/");
  EXPECT_EQ(HostPathOf(table, "R:\\etc"), "/etc");
  EXPECT_EQ(HostPathOf(table, "D:\\x"), "");
}

TEST(DrivePathHost, HostPathsFindTheClosestDrive) {
  DriveTable table = DriveTable::Parse("C=/;D=/srv;E=/srv/data");
  EXPECT_EQ(DrivePathOf(table, "/srv/data/x/y"), "E:\\x\\y");
  EXPECT_EQ(DrivePathOf(table, "/srv/data"), "E:\\");
  EXPECT_EQ(DrivePathOf(table, "/srv/database"), "D:\\database");
  EXPECT_EQ(DrivePathOf(table, "/srv/"), "D:\\");
  EXPECT_EQ(DrivePathOf(table, "/etc/../home"), "C:\\home");
  EXPECT_EQ(DrivePathOf(table, "relative"), "");
}

TEST(DrivePathHost, TiesGoToTheLowerLetterAndUnheldPathsAreEmpty) {
  DriveTable table = DriveTable::Parse("M=/m;F=/m");
  EXPECT_EQ(DrivePathOf(table, "/m/x"), "F:\\x");
  EXPECT_EQ(DrivePathOf(table, "/other"), "");
}

}  // namespace
}  // namespace zaltor
