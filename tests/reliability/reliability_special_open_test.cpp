// FIFOs and device nodes that sit in the searched tree itself: a content
// search must not open them at all. An open is not harmless: it releases a
// writer waiting on a FIFO (which then fails on its first write when we
// close), and some devices act on open (a tape rewinds, a modem line rises).
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reliability/fault_harness.h"
#include "reliability/open_watch.h"

namespace zaltor::testing {
namespace {

TEST(ReliabilitySpecialOpen, FifosAndDeviceNodesInTheTreeAreNeverOpened) {
  FaultHarness f;
  f.h.tree.File("s/plain.txt", "needle");
  ASSERT_EQ(mkfifo(f.h.tree.Path("s/pipe.txt").c_str(), 0644), 0);
  // /dev/zero's numbers; making a device node needs privilege.
  bool device = mknod(f.h.tree.Path("s/zero.txt").c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0;
  OpenWatch watch(f.h.tree.Path("s"));
  ASSERT_TRUE(watch.ok());

  SearchOutcome o = f.h.Run({"/fp", "C:\\s\\*.txt", "/sp", "needle"});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\s\\plain.txt\n" + Totals(1, 1));
  EXPECT_EQ(watch.Opened(), std::vector<std::string>{"plain.txt"})
      << (device ? "with a device node" : "without a device node (mknod refused)");
}

}  // namespace
}  // namespace zaltor::testing
