// Files that change between their enumeration and their reading, or while
// they are read.
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/content/content_search.h"
#include "reliability/fault_harness.h"

namespace zaltor::testing {
namespace {

const std::string kPhrase = "needle phrase";

bool HasErrorLine(const std::string& text) { return text.find("Error:") != std::string::npos; }

void Append(const std::string& hostPath, const std::string& text) {
  std::ofstream(hostPath, std::ios::binary | std::ios::app) << text;
}

TEST(ReliabilityFileChange, AFileRemovedBeforeItIsReadIsNoMatchAndNoError) {
  FaultHarness f;
  f.h.tree.File("d/gone.txt", kPhrase);
  f.h.tree.File("d/kept.txt", kPhrase);
  f.fault.beforeOpen = [&](const char* path) {
    if (std::strstr(path, "gone.txt") != nullptr) unlink(f.fault.HostFile(path).c_str());
  };
  SearchOutcome o = f.h.Run({"/fp", "C:\\d\\*.txt", "/sp", kPhrase});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.files, 1u);
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\d\\kept.txt\n" + Totals(1, 1));
  ASSERT_EQ(f.fault.openings.size(), 2u);
  EXPECT_EQ(f.fault.openings[0].fd, -1);
}

TEST(ReliabilityFileChange, AFileTruncatedBeforeOrWhileItIsReadLosesOnlyWhatWasCut) {
  FaultHarness f;
  // The phrase sits in the first read of early.txt and past it in late.txt.
  f.h.tree.File("d/early.txt", kPhrase + std::string(3 * kContentReadSize, 'x'));
  f.h.tree.File("d/late.txt", std::string(2 * kContentReadSize, 'x') + kPhrase);
  f.h.tree.File("d/zero.txt", kPhrase);
  std::string reading;
  f.fault.beforeOpen = [&](const char* path) {
    reading = f.fault.HostFile(path);
    if (std::strstr(path, "zero.txt") != nullptr) truncate(reading.c_str(), 0);
  };
  f.fault.afterRead = [&](int, int readIndex, long) {
    if (readIndex == 0) truncate(reading.c_str(), kContentReadSize);
  };
  SearchOutcome o = f.h.Run({"/fp", "C:\\d\\*.txt", "/sp", kPhrase});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.resultText, ResultHeader() + "C:\\d\\early.txt\n" + Totals(1, 1));
  EXPECT_FALSE(HasErrorLine(o.resultText));
}

TEST(ReliabilityFileChange, AFileThatGrowsWhileItIsReadIsReadToItsNewEnd) {
  FaultHarness f;
  f.h.tree.File("d/log.txt", std::string(kContentReadSize, 'x'));
  std::string host = f.h.tree.Path("d/log.txt");
  constexpr int kGrowths = 50;
  f.fault.afterRead = [&](int, int readIndex, long) {
    if (readIndex < kGrowths) Append(host, std::string(kContentReadSize, 'y'));
    if (readIndex == kGrowths) Append(host, kPhrase);
  };
  SearchOutcome o = f.h.Run({"/fp", "C:\\d\\*.txt", "/sp", kPhrase});
  EXPECT_EQ(o.result, kWalkDone);
  EXPECT_EQ(o.files, 1u);
  EXPECT_EQ(f.fault.bytesRead,
            static_cast<long>((kGrowths + 1) * kContentReadSize + kPhrase.size()));
}

}  // namespace
}  // namespace zaltor::testing
