#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_tree.h"

namespace zaltor {
namespace {

using testing::TempTree;

std::string Cwd(FileSystem& fs) {
  char buffer[kMaxPath];
  return fs.GetCwd(buffer, sizeof buffer) != nullptr ? buffer : "<fails>";
}

// Every entry of one enumeration, as "name:attributes".
std::vector<std::string> List(FileSystem& fs, const char* pattern) {
  std::vector<std::string> names;
  FindData data;
  FindHandle handle = fs.FindFirst(pattern, &data);
  if (handle == kFindFailed) return names;
  do {
    names.push_back(std::string(data.name) + ":" + std::to_string(data.Attributes()));
  } while (fs.FindNext(handle, &data) == kFsOk);
  EXPECT_EQ(fs.FindClose(handle), kFsOk);
  return names;
}

class PosixFileSystemTest : public ::testing::Test {
 protected:
  PosixFileSystemTest() {
    c.Dir("docs/sub");
    c.File("docs/a.txt", "alpha");
    d.Dir("data/in");
  }

  std::string Drives() const { return "C=" + c.root() + ";D=" + d.root(); }

  TempTree c;
  TempTree d;
};

TEST_F(PosixFileSystemTest, StartsInTheWorkingDirectoryOfTheDriveHoldingIt) {
  PosixFileSystem onC(Drives(), c.Path("docs/sub"));
  EXPECT_EQ(Cwd(onC), "C:\\docs\\sub");
  PosixFileSystem onD(Drives(), d.Path("data"));
  EXPECT_EQ(Cwd(onD), "D:\\data");
  EXPECT_EQ(onD.GetDrive(), 4);
}

TEST_F(PosixFileSystemTest, StartsAtARootWhenNoDriveHoldsTheWorkingDirectory) {
  PosixFileSystem withC(Drives(), "/nowhere/else");
  EXPECT_EQ(Cwd(withC), "C:\\");
  PosixFileSystem withoutC("Q=" + c.root() + ";M=" + d.root(), "/nowhere/else");
  EXPECT_EQ(Cwd(withoutC), "M:\\");
  PosixFileSystem nothing("nonsense", "/");
  EXPECT_EQ(Cwd(nothing), "<fails>");
}

TEST_F(PosixFileSystemTest, GetCwdFailsWhenTheBufferIsTooSmall) {
  PosixFileSystem fs(Drives(), c.Path("docs"));
  char buffer[8];
  EXPECT_EQ(fs.GetCwd(buffer, 7), nullptr);
  EXPECT_EQ(fs.GetCwd(buffer, 8), buffer);
  EXPECT_STREQ(buffer, "C:\\docs");
  EXPECT_EQ(fs.GetCwd(buffer, 0), nullptr);
}

TEST_F(PosixFileSystemTest, ChDirKeepsOneDirectoryPerDrive) {
  PosixFileSystem fs(Drives(), c.root());
  EXPECT_EQ(fs.ChDir("docs"), kFsOk);
  EXPECT_EQ(Cwd(fs), "C:\\docs");
  // A drive-relative change moves D:'s directory but leaves C: current.
  EXPECT_EQ(fs.ChDir("D:data"), kFsOk);
  EXPECT_EQ(fs.GetDrive(), 4);
  EXPECT_EQ(Cwd(fs), "D:\\data");
  EXPECT_EQ(fs.ChDrive(3), kFsOk);
  EXPECT_EQ(Cwd(fs), "C:\\docs");
  EXPECT_EQ(fs.ChDir("sub\\..\\sub"), kFsOk);
  EXPECT_EQ(Cwd(fs), "C:\\docs\\sub");
  EXPECT_EQ(fs.ChDir("\\"), kFsOk);
  EXPECT_EQ(Cwd(fs), "C:\\");
  EXPECT_EQ(fs.ChDrive(4), kFsOk);
  EXPECT_EQ(Cwd(fs), "D:\\data");
  EXPECT_EQ(fs.ChDir("in"), kFsOk);
  EXPECT_EQ(Cwd(fs), "D:\\data\\in");
}

TEST_F(PosixFileSystemTest, ChDirWithADriveMakesItCurrent) {
  PosixFileSystem fs(Drives(), c.root());
  EXPECT_EQ(fs.ChDir("d:\\data\\in"), kFsOk);
  EXPECT_EQ(fs.GetDrive(), 4);
  EXPECT_EQ(Cwd(fs), "D:\\data\\in");
  EXPECT_EQ(fs.ChDir("C:\\docs"), kFsOk);
  EXPECT_EQ(Cwd(fs), "C:\\docs");
}

TEST_F(PosixFileSystemTest, ChDirRefusesWhatIsNoDirectory) {
  PosixFileSystem fs(Drives(), c.Path("docs"));
  EXPECT_EQ(fs.ChDir("a.txt"), kFsFailed);
  EXPECT_EQ(fs.ChDir("missing"), kFsFailed);
  EXPECT_EQ(fs.ChDir("E:\\"), kFsFailed);
  EXPECT_EQ(fs.ChDir("s*"), kFsFailed);
  EXPECT_EQ(fs.ChDir(""), kFsFailed);
  EXPECT_EQ(Cwd(fs), "C:\\docs");
  EXPECT_EQ(fs.GetDrive(), 3);
}

TEST_F(PosixFileSystemTest, ChDriveNeedsAMappedExistingDirectory) {
  PosixFileSystem fs(Drives() + ";G=" + c.Path("gone"), c.root());
  EXPECT_EQ(fs.ChDrive(5), kFsFailed);
  EXPECT_EQ(fs.ChDrive(7), kFsFailed);
  EXPECT_EQ(fs.ChDrive(0), kFsFailed);
  EXPECT_EQ(fs.ChDrive(27), kFsFailed);
  EXPECT_EQ(fs.GetDrive(), 3);
}

TEST_F(PosixFileSystemTest, PathsStopAt259Characters) {
  // "C:\" and components of 99, 99 and 56 characters: 259 in all.
  std::string one(99, 'a');
  std::string two(99, 'b');
  std::string three(56, 'c');
  c.Dir(one + "/" + two + "/" + three + "/d");
  PosixFileSystem fs(Drives(), c.root());
  std::string deepest = "C:\\" + one + "\\" + two + "\\" + three;
  ASSERT_EQ(deepest.size(), 259u);
  EXPECT_EQ(fs.ChDir(deepest.c_str()), kFsOk);
  EXPECT_EQ(Cwd(fs), deepest);
  char small[259];
  EXPECT_EQ(fs.GetCwd(small, sizeof small), nullptr);
  EXPECT_EQ(fs.ChDir("d"), kFsFailed);
  StatData stat;
  EXPECT_EQ(fs.Stat("d", &stat), kFsFailed);
  EXPECT_EQ(fs.Stat(".", &stat), kFsOk);
}

TEST_F(PosixFileSystemTest, StatFollowsLinksAndRefusesPatterns) {
  c.File("docs/size.bin", std::string(1234, 'x'), 1000000000);
  ASSERT_EQ(symlink("size.bin", c.Path("docs/link").c_str()), 0);
  PosixFileSystem fs(Drives(), c.root());
  StatData stat;
  ASSERT_EQ(fs.Stat("C:\\docs\\link", &stat), kFsOk);
  EXPECT_FALSE(stat.isDirectory);
  EXPECT_EQ(stat.size, 1234u);
  EXPECT_EQ(stat.timeWrite, 1000000000);
  ASSERT_EQ(fs.Stat("docs", &stat), kFsOk);
  EXPECT_TRUE(stat.isDirectory);
  EXPECT_EQ(fs.Stat("C:\\", &stat), kFsOk);
  EXPECT_EQ(fs.Stat("C:\\docs\\*.txt", &stat), kFsFailed);
  EXPECT_EQ(fs.Stat("docs\\nothing", &stat), kFsFailed);
  EXPECT_EQ(fs.Stat("Q:\\", &stat), kFsFailed);
}

TEST_F(PosixFileSystemTest, MkDirMakesADirectoryOnce) {
  PosixFileSystem fs(Drives(), c.Path("docs"));
  EXPECT_EQ(fs.MkDir("new"), kFsOk);
  EXPECT_TRUE(c.Exists("docs/new"));
  EXPECT_EQ(fs.MkDir("new"), kFsFailed);
  EXPECT_EQ(fs.MkDir("Q:\\x"), kFsFailed);
}

TEST_F(PosixFileSystemTest, EnumerationListsDotsFirstThenNamesInOrder) {
  c.File("docs/B.TXT");
  c.File("docs/c.md");
  PosixFileSystem fs(Drives(), c.Path("docs"));
  EXPECT_EQ(List(fs, "*.*"), (std::vector<std::string>{".:18", "..:18", "B.TXT:32", "a.txt:32", "c.md:32",
                                                        "sub:16"}));
  EXPECT_EQ(List(fs, "*.txt"), (std::vector<std::string>{"B.TXT:32", "a.txt:32"}));
  EXPECT_EQ(List(fs, "?.md"), (std::vector<std::string>{"c.md:32"}));
  EXPECT_TRUE(List(fs, "*.none").empty());
}

TEST_F(PosixFileSystemTest, EnumerationTakesTheDirectoryFromThePattern) {
  c.File("docs/sub/deep.txt");
  PosixFileSystem fs(Drives(), d.root());
  EXPECT_EQ(List(fs, "C:\\docs\\sub\\*.*"), (std::vector<std::string>{".:18", "..:18", "deep.txt:32"}));
  EXPECT_EQ(List(fs, "C:\\docs\\*.txt"), (std::vector<std::string>{"a.txt:32"}));
  EXPECT_EQ(List(fs, "C:\\*"), (std::vector<std::string>{"docs:16"}));
  EXPECT_EQ(List(fs, "\\data\\*"), (std::vector<std::string>{".:18", "..:18", "in:16"}));
  EXPECT_TRUE(List(fs, "C:\\docs\\").empty());
  EXPECT_TRUE(List(fs, "C:\\missing\\*.*").empty());
  EXPECT_TRUE(List(fs, "Q:\\*.*").empty());
}

TEST_F(PosixFileSystemTest, EntryAttributesAndTimes) {
  c.Dir("t");
  c.File("t/plain", "12345", 1000000000);
  c.File("t/.hidden");
  c.File("t/locked");
  chmod(c.Path("t/locked").c_str(), 0444);
  ASSERT_EQ(mkfifo(c.Path("t/fifo").c_str(), 0644), 0);
  ASSERT_EQ(symlink("../docs", c.Path("t/dirlink").c_str()), 0);
  ASSERT_EQ(symlink("plain", c.Path("t/filelink").c_str()), 0);
  PosixFileSystem fs(Drives(), c.Path("t"));
  EXPECT_EQ(List(fs, "*.*"),
            (std::vector<std::string>{".:18", "..:18", ".hidden:34", "dirlink:4", "fifo:4", "filelink:4",
                                      "locked:33", "plain:32"}));
  FindData data;
  FindHandle handle = fs.FindFirst("plain", &data);
  ASSERT_NE(handle, kFindFailed);
  EXPECT_EQ(data.Size(), 5u);
  EXPECT_EQ(data.WriteTime(), 1000000000);
  EXPECT_EQ(fs.FindNext(handle, &data), kFsFailed);
  EXPECT_EQ(fs.FindNext(handle, &data), kFsFailed);
  EXPECT_EQ(fs.FindClose(handle), kFsOk);
  EXPECT_EQ(fs.FindClose(handle), kFsFailed);
  EXPECT_EQ(fs.FindNext(handle, &data), kFsFailed);
}

TEST_F(PosixFileSystemTest, SizesBeyondFourGibibytesAreKept) {
  c.File("docs/big");
  ASSERT_EQ(truncate(c.Path("docs/big").c_str(), 5LL << 30), 0);
  PosixFileSystem fs(Drives(), c.Path("docs"));
  FindData data;
  FindHandle handle = fs.FindFirst("big", &data);
  ASSERT_NE(handle, kFindFailed);
  EXPECT_EQ(data.Size(), 5ULL << 30);
  fs.FindClose(handle);
  StatData stat;
  ASSERT_EQ(fs.Stat("big", &stat), kFsOk);
  EXPECT_EQ(stat.size, 5ULL << 30);
}

TEST_F(PosixFileSystemTest, EnumerationsRunSideBySide) {
  PosixFileSystem fs(Drives(), c.Path("docs"));
  FindData outer;
  FindData inner;
  FindHandle first = fs.FindFirst("*.*", &outer);
  FindHandle second = fs.FindFirst("sub\\*.*", &inner);
  ASSERT_NE(first, kFindFailed);
  ASSERT_NE(second, kFindFailed);
  EXPECT_NE(first, second);
  EXPECT_EQ(fs.FindNext(first, &outer), kFsOk);
  EXPECT_STREQ(outer.name, "..");
  EXPECT_EQ(fs.FindClose(second), kFsOk);
  EXPECT_EQ(fs.FindNext(first, &outer), kFsOk);
  EXPECT_STREQ(outer.name, "a.txt");
  EXPECT_EQ(fs.FindClose(first), kFsOk);
}

// The first three bytes of a file opened through fs, or "<refused>".
std::string Opened(FileSystem& fs, const char* path) {
  int fd = fs.OpenRead(path);
  if (fd < 0) return "<refused>";
  char buffer[3];
  long got = fs.Read(fd, buffer, sizeof buffer);
  EXPECT_EQ(fs.Close(fd), kFsOk);
  return std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
}

TEST_F(PosixFileSystemTest, OpenReadReadsRegularFilesOnly) {
  ASSERT_EQ(mkfifo(c.Path("docs/fifo").c_str(), 0644), 0);
  ASSERT_EQ(symlink("a.txt", c.Path("docs/link").c_str()), 0);
  c.File("docs/sub/deep.txt", "deep");
  c.File("docs/x", "inner");
  c.File("docsx", "top");
  // Drive paths of 259 and 260 characters: the second is too long.
  const std::string longest(259 - std::strlen("C:\\docs\\"), 'n');
  c.File("docs/" + longest, "fits");
  c.File("docs/" + longest + "n", "over");
  PosixFileSystem fs(Drives(), c.Path("docs"));
  // Files of the directory listed last are opened relative to it: the same
  // kinds are refused either way.
  for (bool listedFirst : {false, true}) {
    SCOPED_TRACE(listedFirst ? "after a listing of docs" : "before any listing");
    if (listedFirst) {
      ASSERT_FALSE(List(fs, "*.*").empty());
    }
    EXPECT_EQ(Opened(fs, "fifo"), "<refused>");
    EXPECT_EQ(Opened(fs, "sub"), "<refused>");
    EXPECT_EQ(Opened(fs, "link"), "<refused>");
    EXPECT_EQ(Opened(fs, "missing"), "<refused>");
    EXPECT_EQ(Opened(fs, "C:\\docs\\"), "<refused>");
    EXPECT_EQ(Opened(fs, "C:\\docs\\a.txt"), "alp");
    EXPECT_EQ(Opened(fs, "C:\\docs\\sub\\..\\a.txt"), "alp");
    EXPECT_EQ(Opened(fs, "sub\\deep.txt"), "dee");
    EXPECT_EQ(Opened(fs, "C:\\DOCS\\a.txt"), "<refused>");
    EXPECT_EQ(Opened(fs, "C:\\docs\\\\a.txt"), "alp");
    EXPECT_EQ(Opened(fs, "C:\\docsx"), "top");
    EXPECT_EQ(Opened(fs, ("C:\\docs\\" + longest).c_str()), "fit");
    EXPECT_EQ(Opened(fs, ("C:\\docs\\" + longest + "n").c_str()), "<refused>");
  }
  int fd = fs.OpenRead("C:\\docs\\a.txt");
  ASSERT_GE(fd, 0);
  char buffer[16];
  EXPECT_EQ(fs.Read(fd, buffer, 3), 3);
  EXPECT_EQ(std::string(buffer, 3), "alp");
  EXPECT_EQ(fs.Read(fd, buffer, sizeof buffer), 2);
  EXPECT_EQ(fs.Read(fd, buffer, sizeof buffer), 0);
  EXPECT_EQ(fs.Close(fd), kFsOk);
  EXPECT_EQ(fs.Read(fd, buffer, sizeof buffer), kFsFailed);
}

TEST_F(PosixFileSystemTest, FilesWhoseSizeSaysNothingAreReadToTheirEnd) {
  // The files of /proc have the size 0 and come a page or so per read, each
  // read short of what was asked.
  PosixFileSystem fs("P=/proc/self", "/");
  int fd = fs.OpenRead("P:\\smaps");
  ASSERT_GE(fd, 0);
  std::vector<char> buffer(64 * 1024);
  int reads = 0;
  while (fs.Read(fd, buffer.data(), static_cast<unsigned>(buffer.size())) > 0) ++reads;
  EXPECT_EQ(fs.Close(fd), kFsOk);
  EXPECT_GT(reads, 1);
}

TEST_F(PosixFileSystemTest, ListingsOfOneDirectoryAgreeAndChangesShowAfterAChange) {
  c.File("docs/b.txt");
  c.File("docs/c.md", "12345");
  PosixFileSystem fs(Drives(), c.Path("docs"));
  const std::vector<std::string> all = {".:18", "..:18", "a.txt:32", "b.txt:32", "c.md:32", "sub:16"};
  EXPECT_EQ(List(fs, "*.*"), all);
  EXPECT_EQ(List(fs, "*.txt"), (std::vector<std::string>{"a.txt:32", "b.txt:32"}));
  FindData data;
  FindHandle handle = fs.FindFirst("c.md", &data);
  ASSERT_NE(handle, kFindFailed);
  EXPECT_EQ(data.Size(), 5u);
  fs.FindClose(handle);
  EXPECT_EQ(List(fs, "C:\\docs\\*.*"), all);

  // Entering the directory again, making a directory or writing a file
  // each shows what changed in the tree since.
  c.File("docs/new.txt");
  ASSERT_EQ(fs.ChDir("C:\\docs"), kFsOk);
  EXPECT_EQ(List(fs, "*.txt"), (std::vector<std::string>{"a.txt:32", "b.txt:32", "new.txt:32"}));
  ASSERT_EQ(fs.MkDir("made"), kFsOk);
  EXPECT_EQ(List(fs, "m*"), (std::vector<std::string>{"made:16"}));
  std::FILE* file = fs.OpenTextForWrite("written.txt");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_EQ(List(fs, "w*"), (std::vector<std::string>{"written.txt:32"}));
  ASSERT_EQ(unlink(c.Path("docs/written.txt").c_str()), 0);
  ASSERT_EQ(fs.ChDrive(4), kFsOk);
  EXPECT_TRUE(List(fs, "C:\\docs\\w*").empty());

  // A listing of another directory in between leaves each one right.
  EXPECT_EQ(List(fs, "C:\\docs\\sub\\*.*"), (std::vector<std::string>{".:18", "..:18"}));
  EXPECT_EQ(List(fs, "C:\\docs\\*.md"), (std::vector<std::string>{"c.md:32"}));

  // A listing made ahead (old enough to vouch for) serves the visit only unchanged.
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_EQ(List(fs, "C:\\docs\\*.md"), (std::vector<std::string>{"c.md:32"}));
  c.File("docs/later.md");
  ASSERT_EQ(fs.ChDir("C:\\docs"), kFsOk);
  EXPECT_EQ(List(fs, "*.md"), (std::vector<std::string>{"c.md:32", "later.md:32"}));
}

TEST_F(PosixFileSystemTest, TextFilesOpenInTheCurrentDirectoryOfTheMoment) {
  PosixFileSystem fs(Drives(), c.root());
  ASSERT_EQ(fs.ChDir("docs\\sub"), kFsOk);
  std::FILE* file = fs.OpenTextForWrite("out.txt");
  ASSERT_NE(file, nullptr);
  std::fputs("line\n", file);
  std::fclose(file);
  EXPECT_EQ(c.Read("docs/sub/out.txt"), "line\n");
  file = fs.OpenTextForWrite("D:\\data\\o.txt");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_TRUE(d.Exists("data/o.txt"));
  EXPECT_EQ(fs.OpenTextForWrite("Q:\\x.txt"), nullptr);
  EXPECT_EQ(fs.OpenTextForWrite("missing\\x.txt"), nullptr);
}

TEST_F(PosixFileSystemTest, LocalTimeFollowsTz) {
  const char* saved = std::getenv("TZ");
  std::string savedText = saved != nullptr ? saved : "";
  PosixFileSystem fs(Drives(), c.root());
  std::tm local = {};
  setenv("TZ", "UTC", 1);
  ASSERT_TRUE(fs.LocalTime(1000000000, &local));
  EXPECT_EQ(local.tm_hour, 1);
  setenv("TZ", "EST5", 1);
  ASSERT_TRUE(fs.LocalTime(1000000000, &local));
  EXPECT_EQ(local.tm_hour, 20);
  if (saved != nullptr) {
    setenv("TZ", savedText.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
  EXPECT_LE(std::abs(fs.Now() - std::time(nullptr)), 2);
}

TEST_F(PosixFileSystemTest, LogicalDriveStringsListMappedDrivesInOrder) {
  PosixFileSystem fs("Z=" + c.root() + ";A=" + d.root() + ";C=" + c.root(), "/");
  char buffer[32];
  EXPECT_EQ(fs.GetLogicalDriveStrings(12, buffer), 13u);
  EXPECT_EQ(fs.GetLogicalDriveStrings(sizeof buffer, buffer), 12u);
  EXPECT_EQ(std::string(buffer, 13), std::string("A:\\\0C:\\\0Z:\\\0\0", 13));
  EXPECT_EQ(fs.GetLogicalDriveStrings(13, buffer), 12u);
}

TEST_F(PosixFileSystemTest, DriveTypes) {
  PosixFileSystem fs(Drives() + ";G=" + c.Path("gone") + ";P=/proc;S=/dev/shm", "/");
  EXPECT_EQ(fs.GetDriveType("E:\\"), kDriveNoRootDir);
  EXPECT_EQ(fs.GetDriveType("G:\\"), kDriveNoRootDir);
  EXPECT_EQ(fs.GetDriveType("P:\\"), kDriveFixed);
  struct statfs info;
  if (statfs("/dev/shm", &info) == 0 && info.f_type == 0x01021994) {
    EXPECT_EQ(fs.GetDriveType("s:\\"), kDriveRamDisk);
  }
  EXPECT_EQ(fs.GetDriveType(nullptr), fs.GetDriveType("C:\\"));
}

TEST_F(PosixFileSystemTest, HostAndDrivePathsConvert) {
  PosixFileSystem fs(Drives(), c.Path("docs"));
  EXPECT_EQ(fs.HostPath("a.txt"), c.Path("docs/a.txt"));
  EXPECT_EQ(fs.HostPath("D:\\data"), d.Path("data"));
  EXPECT_EQ(fs.HostPath("Q:\\data"), "");
  EXPECT_EQ(fs.DrivePath(c.Path("docs/sub").c_str()), "C:\\docs\\sub");
  EXPECT_EQ(fs.DrivePath("sub"), "C:\\docs\\sub");
  EXPECT_EQ(fs.DrivePath("/nowhere"), "");
}

}  // namespace
}  // namespace zaltor
