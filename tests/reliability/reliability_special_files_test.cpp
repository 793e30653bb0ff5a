// Entries that are not regular files, reached through a mapped drive:
// sockets, links to devices and FIFOs, a drive mapped onto /dev, and
// symbolic links that loop.
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reliability/fault_harness.h"
#include "reliability/open_watch.h"

namespace zaltor::testing {
namespace {

const std::string kPhrase = "needle phrase";

TEST(ReliabilitySpecialFiles, SocketsAndLinksToDevicesOrFifosAreNeverOpenedForContent) {
  FaultHarness f;
  f.h.tree.File("s/plain.txt", kPhrase);
  f.h.tree.Dir("elsewhere");
  ASSERT_EQ(mkfifo(f.h.tree.Path("elsewhere/pipe").c_str(), 0644), 0);
  BoundSocket socket(f.h.tree.Path("s/sock.txt"));
  ASSERT_TRUE(socket.bound);
  ASSERT_EQ(symlink("/dev/zero", f.h.tree.Path("s/zero.txt").c_str()), 0);
  ASSERT_EQ(symlink("../elsewhere/pipe", f.h.tree.Path("s/pipelink.txt").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", f.h.tree.Path("s/null.txt").c_str()), 0);
  OpenWatch inside(f.h.tree.Path("s"));
  OpenWatch fifoDir(f.h.tree.Path("elsewhere"));
  ASSERT_TRUE(inside.ok() && fifoDir.ok());

  // A FIFO opened for reading would release a writer waiting on it; a read
  // of /dev/zero would never end.
  SearchOutcome o = f.h.Run({"/fp", "C:\\s\\*.*", "/sp", kPhrase, "/r"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\s\\plain.txt\n" + Totals(1, 1));
  EXPECT_EQ(inside.Opened(), std::vector<std::string>{"plain.txt"});
  EXPECT_EQ(fifoDir.Opened(), std::vector<std::string>{});
  for (const FaultFileSystem::Opening& opening : f.fault.openings) {
    if (opening.path != "C:\\s\\plain.txt") {
      EXPECT_EQ(opening.fd, -1) << opening.path;
    }
  }
  EXPECT_EQ(f.fault.openings.size(), 5u);
}

TEST(ReliabilitySpecialFiles, ADriveMappedOntoDevSearchesNamesAndReadsNothing) {
  FaultHarness f("D=/dev");
  SearchOutcome o = f.h.Run({"/fp", "D:\\*u*.*", "/sp", "x"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.files, 0u);
  EXPECT_FALSE(f.fault.openings.empty());  // /dev/null, /dev/urandom at least
  EXPECT_EQ(f.fault.bytesRead, 0);

  // Names alone: /dev/zero is listed like any other entry, at the root.
  SearchOutcome names = f.h.Run({"/fp", "D:\\zero"});
  EXPECT_EQ(names.resultText, ResultHeader() + "D:\\\\zero\n" + Totals(1, 1));
}

TEST(ReliabilitySpecialFiles, SymbolicLinkLoopsAreListedButNeverWalked) {
  FaultHarness f;
  f.h.tree.File("a/b/deep.txt", kPhrase);
  ASSERT_EQ(symlink("..", f.h.tree.Path("a/b/up").c_str()), 0);
  ASSERT_EQ(symlink(".", f.h.tree.Path("a/self").c_str()), 0);
  ASSERT_EQ(symlink(f.h.tree.Path("a").c_str(), f.h.tree.Path("a/b/top").c_str()), 0);
  // A chain that never ends in a file.
  ASSERT_EQ(symlink("ring2", f.h.tree.Path("a/ring1").c_str()), 0);
  ASSERT_EQ(symlink("ring1", f.h.tree.Path("a/ring2").c_str()), 0);

  SearchOutcome names = f.h.Run({"/fp", "C:\\a\\*.*", "/r"});
  EXPECT_EQ(names.result, kWalkDone);
  EXPECT_EQ(names.resultText, ResultHeader() +
                                  "C:\\a\\b\nC:\\a\\ring1\nC:\\a\\ring2\nC:\\a\\self\n"
                                  "C:\\a\\b\\deep.txt\nC:\\a\\b\\top\nC:\\a\\b\\up\n" +
                                  Totals(7, 2));

  SearchOutcome content = f.h.Run({"/fp", "C:\\a\\*.*", "/r", "/sp", kPhrase});
  EXPECT_EQ(content.resultText, ResultHeader() + "C:\\a\\b\\deep.txt\n" + Totals(1, 2));
  for (const FaultFileSystem::Opening& opening : f.fault.openings) {
    if (opening.path != "C:\\a\\b\\deep.txt") {
      EXPECT_EQ(opening.fd, -1) << opening.path;
    }
  }
}

}  // namespace
}  // namespace zaltor::testing
