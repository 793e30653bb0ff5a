// Output that stops fitting on its disk part way through: a tiny tmpfs
// mounted for the test. The run fails with a clear message and what did get
// written is the true beginning of the output.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reliability/child_process.h"
#include "reliability/fault_harness.h"

namespace zaltor::testing {
namespace {

TEST(ReliabilityFullDisk, ResultOrBatchFileOnAFullTmpfsFailsTheRunAndKeepsATruePrefix) {
  TempTree tiny;
  FaultHarness f("T=" + tiny.root());
  // About 30 KB of result lines, far more than the disk holds.
  for (int i = 0; i < 600; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "many/a-file-with-a-longer-name-%03d.txt", i);
    f.h.tree.File(name);
  }
  ChildResult child = RunInChild([&]() -> std::vector<std::string> {
    if (!MountTinyTmpfs(tiny.root(), "8k")) _exit(kChildCannot);
    std::vector<std::string> texts;
    SearchOutcome whole = f.h.Run({"/fp", "C:\\many\\*.txt"});
    texts.push_back(whole.resultText);
    texts.push_back(whole.batchText);

    SearchOutcome result = f.h.RunRaw({"/fp", "C:\\many\\*.txt", "/of", "T:\\result.txt", "/bf", "O:\\b.bat"});
    texts.push_back(std::to_string(result.result));
    texts.push_back(f.h.frontEnd.boxes.empty() ? "" : f.h.frontEnd.boxes.back().text);
    texts.push_back(tiny.Read("result.txt"));
    std::remove(tiny.Path("result.txt").c_str());

    f.h.frontEnd.boxes.clear();
    SearchOutcome batch = f.h.RunRaw({"/fp", "C:\\many\\*.txt", "/of", "O:\\r.txt", "/bf", "T:\\batch.bat"});
    texts.push_back(std::to_string(batch.result));
    texts.push_back(f.h.frontEnd.boxes.empty() ? "" : f.h.frontEnd.boxes.back().text);
    texts.push_back(tiny.Read("batch.bat"));
    return texts;
  });
  if (child.exitCode == kChildCannot) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  ASSERT_EQ(child.exitCode, 0);
  ASSERT_EQ(child.texts.size(), 8u);
  const std::string& wholeResult = child.texts[0];
  const std::string& wholeBatch = child.texts[1];
  ASSERT_GT(wholeResult.size(), 16384u);
  EXPECT_NE(wholeResult.find("a-file-with-a-longer-name-599.txt\n"), std::string::npos);

  EXPECT_EQ(child.texts[2], "2");
  EXPECT_EQ(child.texts[3], "Could not write output file 'T:\\result.txt'.");
  const std::string& cutResult = child.texts[4];
  EXPECT_GT(cutResult.size(), 0u);
  EXPECT_LT(cutResult.size(), wholeResult.size());
  EXPECT_EQ(wholeResult.compare(0, cutResult.size(), cutResult), 0) << "not a prefix";

  EXPECT_EQ(child.texts[5], "2");
  EXPECT_EQ(child.texts[6], "Could not write batch file 'T:\\batch.bat'.");
  const std::string& cutBatch = child.texts[7];
  EXPECT_GT(cutBatch.size(), 0u);
  EXPECT_LT(cutBatch.size(), wholeBatch.size());
  EXPECT_EQ(wholeBatch.compare(0, cutBatch.size(), cutBatch), 0) << "not a prefix";
}

}  // namespace
}  // namespace zaltor::testing
