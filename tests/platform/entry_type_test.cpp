#include "platform/posix/entry_type.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/posix_file_system.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

using testing::TempTree;

constexpr unsigned kTypeBits = kAttrDirectory | kAttrArchive | kAttrSystem | kAttrHidden;

// One enumeration as "name:type bits".
std::vector<std::string> List(FileSystem& fs, const char* pattern) {
  std::vector<std::string> names;
  FindData data;
  FindHandle handle = fs.FindFirst(pattern, &data);
  if (handle == kFindFailed) return names;
  do {
    names.push_back(std::string(data.name) + ":" + std::to_string(data.Attributes() & kTypeBits));
  } while (fs.FindNext(handle, &data) == kFsOk);
  EXPECT_EQ(fs.FindClose(handle), kFsOk);
  return names;
}

class EntryTypeTest : public ::testing::Test {
 protected:
  EntryTypeTest() {
    tree.Dir("t/sub");
    tree.Dir("t/.hidden");
    tree.File("t/a.txt", "alpha");
    tree.File("t/B.TXT", "");
    tree.File("t/.profile", "x");
    tree.File("t/no dot", "x");
    chmod(tree.Path("t/a.txt").c_str(), 0444);
    symlink("sub", tree.Path("t/dirlink").c_str());
    symlink("a.txt", tree.Path("t/filelink.txt").c_str());
    mkfifo(tree.Path("t/pipe").c_str(), 0600);
  }

  TempTree tree;
};

TEST_F(EntryTypeTest, ListingGivesEveryKindOfEntryItsType) {
  PosixFileSystem fs("C=" + tree.root(), tree.Path("t"));
  EXPECT_EQ(List(fs, "*.*"),
            (std::vector<std::string>{".:18", "..:18", ".hidden:18", ".profile:34", "B.TXT:32",
                                      "a.txt:32", "dirlink:4", "filelink.txt:4", "no dot:32",
                                      "pipe:4", "sub:16"}));
}

TEST_F(EntryTypeTest, DetailsAreLookedAtWhenFirstAskedForAndOnceOnly) {
  PosixFileSystem fs("C=" + tree.root(), tree.Path("t"));
  const std::string file = tree.Path("t/no dot");
  FindData data;
  FindHandle handle = fs.FindFirst("no dot", &data);
  ASSERT_NE(handle, kFindFailed);
  ASSERT_EQ(truncate(file.c_str(), 9), 0);
  EXPECT_EQ(data.Size(), 9u);
  ASSERT_EQ(truncate(file.c_str(), 12), 0);
  EXPECT_EQ(data.Size(), 9u);
  EXPECT_EQ(data.Attributes(), kAttrArchive);

  // An entry gone before its details were asked for keeps its type only.
  FindData gone;
  FindHandle second = fs.FindFirst("B.TXT", &gone);
  ASSERT_NE(second, kFindFailed);
  ASSERT_EQ(unlink(tree.Path("t/B.TXT").c_str()), 0);
  EXPECT_EQ(gone.Attributes(), kAttrArchive);
  EXPECT_EQ(gone.Size(), 0u);
  EXPECT_EQ(gone.WriteTime(), 0);
  fs.FindClose(second);
  fs.FindClose(handle);
}

TEST_F(EntryTypeTest, UnknownTypeIsLookedUpWithoutFollowingLinks) {
  int dirFd = open(tree.Path("t").c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(dirFd, 0);
  unsigned attrib = 99;
  EXPECT_TRUE(EntryTypeAttributes(dirFd, "sub", DT_UNKNOWN, &attrib));
  EXPECT_EQ(attrib, kAttrDirectory);
  EXPECT_TRUE(EntryTypeAttributes(dirFd, "a.txt", DT_UNKNOWN, &attrib));
  EXPECT_EQ(attrib, kAttrArchive);
  EXPECT_TRUE(EntryTypeAttributes(dirFd, "dirlink", DT_UNKNOWN, &attrib));
  EXPECT_EQ(attrib, kAttrSystem);
  EXPECT_TRUE(EntryTypeAttributes(dirFd, ".hidden", DT_UNKNOWN, &attrib));
  EXPECT_EQ(attrib, kAttrDirectory | kAttrHidden);
  EXPECT_TRUE(EntryTypeAttributes(dirFd, "pipe", DT_UNKNOWN, &attrib));
  EXPECT_EQ(attrib, kAttrSystem);
  // Gone since readdir returned it.
  EXPECT_FALSE(EntryTypeAttributes(dirFd, "vanished", DT_UNKNOWN, &attrib));
  close(dirFd);
}

TEST_F(EntryTypeTest, KnownTypeIsTakenAsReaddirGaveIt) {
  // No look at the entry: a name that no longer exists keeps its type.
  unsigned attrib = 0;
  EXPECT_TRUE(EntryTypeAttributes(-1, "vanished", DT_DIR, &attrib));
  EXPECT_EQ(attrib, kAttrDirectory);
  EXPECT_TRUE(EntryTypeAttributes(-1, ".x", DT_REG, &attrib));
  EXPECT_EQ(attrib, kAttrArchive | kAttrHidden);
  EXPECT_TRUE(EntryTypeAttributes(-1, "link", DT_LNK, &attrib));
  EXPECT_EQ(attrib, kAttrSystem);
}

}  // namespace
}  // namespace zaltor
