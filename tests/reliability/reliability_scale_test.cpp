// Trees far larger than any test tree: 5,000 directories deep and 200,000
// entries in one directory. The walk runs on its own stack, so neither can
// overflow the call stack, and what it holds pending stays bounded by one
// path's siblings, not by the size of the tree. These take some seconds;
// ctest -R ReliabilityScale runs them alone.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "reliability/fault_harness.h"

namespace zaltor::testing {
namespace {

constexpr int kDepth = 5000;

// base/d/d/.../d, kDepth levels, base and each level also holding an empty
// "c". It
// is built and taken down from the top, so no host path ever grows long.
bool MakeDeepChain(const std::string& base) {
  const std::string d = base + "/d";
  const std::string t = base + "/t";
  if (mkdir(d.c_str(), 0755) != 0 || mkdir((base + "/c").c_str(), 0755) != 0) return false;
  for (int level = 1; level < kDepth; ++level) {
    if (mkdir(t.c_str(), 0755) != 0 || mkdir((t + "/c").c_str(), 0755) != 0 ||
        rename(d.c_str(), (t + "/d").c_str()) != 0 || rename(t.c_str(), d.c_str()) != 0) {
      return false;
    }
  }
  return true;
}

void RemoveDeepChain(const std::string& base) {
  const std::string d = base + "/d";
  const std::string t = base + "/t";
  struct stat info;
  while (stat((d + "/d").c_str(), &info) == 0) {
    rmdir((d + "/c").c_str());
    if (rename((d + "/d").c_str(), t.c_str()) != 0 || rmdir(d.c_str()) != 0 || rename(t.c_str(), d.c_str()) != 0) {
      return;
    }
  }
  rmdir(d.c_str());
  rmdir((base + "/c").c_str());
}

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

TEST(ReliabilityScale, ATreeFiveThousandDirectoriesDeepIsWalkedToThePathLimit) {
  FaultHarness f;
  f.h.tree.Dir("deep");
  ASSERT_TRUE(MakeDeepChain(f.h.tree.Path("deep")));
  std::int32_t mostPending = 0;
  std::int32_t mostKept = 0;
  f.fault.afterChDir = [&](const char*, int) {
    mostPending = std::max(mostPending, f.h.engine->pendingDirs.count());
    mostKept = std::max(mostKept, f.h.engine->visitedDirs.count());
  };
  SearchOutcome o = f.h.Run({"/fp", "C:\\deep\\*.*", "/r"});
  RemoveDeepChain(f.h.tree.Path("deep"));

  // "C:\deep" and 126 levels of "\d" make 259 characters: the deepest
  // directory the walk may enter. Its entries are still listed.
  constexpr int kEntered = 126;
  std::string expected = ResultHeader();
  for (int level = 0; level <= kEntered; ++level) {
    const std::string dir = "C:\\deep" + Repeat("\\d", level);
    if (level == kEntered) {
      expected += "Error:Path '" + dir + "\\c' is too long to be searched.\n";
      expected += "Error:Path '" + dir + "\\d' is too long to be searched.\n";
    }
    expected += dir + "\\c\n" + dir + "\\d\n";
  }
  expected += Totals(2 * (kEntered + 1), 2 * kEntered + 1);
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.resultText, expected);
  // Pending: the "c" beside each directory of the current path.
  EXPECT_LE(mostPending, kEntered + 1);
  EXPECT_GE(mostPending, kEntered - 1);
  // With no directory command the visited paths are counted, not kept.
  EXPECT_EQ(mostKept, 0);
}

TEST(ReliabilityScale, ADirectoryWithTwoHundredThousandEntriesLosesNone) {
  constexpr int kFiles = 199000;
  constexpr int kDirs = 1000;
  FaultHarness f;
  f.h.tree.Dir("wide");
  const std::string wide = f.h.tree.Path("wide");
  char name[32];
  for (int i = 0; i < kFiles; ++i) {
    std::snprintf(name, sizeof name, "/f%06d.txt", i);
    int fd = open((wide + name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    close(fd);
  }
  for (int i = 0; i < kDirs; ++i) {
    std::snprintf(name, sizeof name, "d%04d/x.txt", i);
    f.h.tree.File("wide/" + std::string(name));
  }
  std::int32_t mostPending = 0;
  f.fault.afterChDir = [&](const char*, int) {
    mostPending = std::max(mostPending, f.h.engine->pendingDirs.count());
  };
  SearchOutcome o = f.h.Run({"/fp", "C:\\wide\\*.*", "/r"});

  std::string expected = ResultHeader();
  for (int i = 0; i < kDirs; ++i) {
    std::snprintf(name, sizeof name, "d%04d", i);
    expected += "C:\\wide\\" + std::string(name) + "\n";
  }
  for (int i = 0; i < kFiles; ++i) {
    std::snprintf(name, sizeof name, "f%06d.txt", i);
    expected += "C:\\wide\\" + std::string(name) + "\n";
  }
  for (int i = kDirs - 1; i >= 0; --i) {
    std::snprintf(name, sizeof name, "d%04d", i);
    expected += "C:\\wide\\" + std::string(name) + "\\x.txt\n";
  }
  expected += Totals(kFiles + 2 * kDirs, kDirs + 1);
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.files, static_cast<std::uint32_t>(kFiles + 2 * kDirs));
  EXPECT_TRUE(o.resultText == expected) << "result file differs: " << o.resultText.size() << " bytes, expected "
                                        << expected.size();
  EXPECT_EQ(mostPending, kDirs - 1);
}

}  // namespace
}  // namespace zaltor::testing
