#include "platform/drive_table.h"

#include <gtest/gtest.h>

namespace zaltor {
namespace {

TEST(DriveTable, EmptyTextMapsCToTheHostRoot) {
  DriveTable table = DriveTable::Parse("");
  EXPECT_EQ(table.HostDirectory(3), "/");
  EXPECT_EQ(table.LowestMapped(), 3);
  EXPECT_FALSE(table.IsMapped(4));
}

TEST(DriveTable, EntriesMapLettersOfEitherCase) {
  DriveTable table = DriveTable::Parse("C=/srv/c;d=/mnt/d");
  EXPECT_EQ(table.HostDirectory(3), "/srv/c");
  EXPECT_EQ(table.HostDirectory(4), "/mnt/d");
  EXPECT_FALSE(table.IsMapped(1));
  EXPECT_FALSE(table.IsMapped(0));
  EXPECT_FALSE(table.IsMapped(27));
  EXPECT_EQ(table.HostDirectory(27), "");
}

TEST(DriveTable, MalformedEntriesAreSkipped) {
  DriveTable table = DriveTable::Parse(";X;1=/one;CC=/cc;E=relative;F=;G/g;H=/h;;");
  for (int drive = 1; drive <= 26; ++drive) {
    EXPECT_EQ(table.IsMapped(drive), drive == 8) << drive;
  }
}

TEST(DriveTable, NothingValidMeansNoDriveAtAll) {
  DriveTable table = DriveTable::Parse("nonsense");
  EXPECT_EQ(table.LowestMapped(), 0);
  EXPECT_FALSE(table.IsMapped(3));
}

TEST(DriveTable, LaterEntryForALetterWins) {
  EXPECT_EQ(DriveTable::Parse("C=/a;c=/b").HostDirectory(3), "/b");
}

TEST(DriveTable, DirectoriesAreNormalised) {
  DriveTable table = DriveTable::Parse("C=/srv//c/;D=/a/./b/../d;E=/..;F=/");
  EXPECT_EQ(table.HostDirectory(3), "/srv/c");
  EXPECT_EQ(table.HostDirectory(4), "/a/d");
  EXPECT_EQ(table.HostDirectory(5), "/");
  EXPECT_EQ(table.HostDirectory(6), "/");
}

TEST(DriveTable, LowestMappedWhenCIsAbsent) {
  EXPECT_EQ(DriveTable::Parse("Q=/q;M=/m").LowestMapped(), 13);
}

TEST(NormaliseHostPath, RelativePathsAreRefused) {
  EXPECT_EQ(NormaliseHostPath("a/b"), "");
  EXPECT_EQ(NormaliseHostPath(""), "");
  EXPECT_EQ(NormaliseHostPath("/a/b/"), "/a/b");
}

}  // namespace
}  // namespace zaltor
