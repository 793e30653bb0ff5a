// The small operations the walk and the writers rest on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "engine/directory_stack.h"
#include "engine/enter_directory.h"
#include "engine/messages.h"
#include "engine/output/actions.h"
#include "engine/output/output_files.h"
#include "support/search_harness.h"

namespace zaltor::testing {
namespace {

std::string ReadStream(std::FILE* stream) {
  std::rewind(stream);
  std::string text;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) text += static_cast<char>(c);
  return text;
}

TEST(DirectoryStackTest, IsLastInFirstOutAndUnderflowsWhenEmpty) {
  DirectoryStack stack;
  stack.push("C:\\a");
  stack.push("C:\\b");
  EXPECT_EQ(stack.count(), 2);
  EXPECT_EQ(stack.pop(), "C:\\b");
  EXPECT_EQ(stack.pop(), "C:\\a");
  EXPECT_TRUE(stack.empty());
  EXPECT_THROW(stack.pop(), Underflow);
}

TEST(DirectoryStackTest, AVeryLongStackIsDestroyedWithoutRecursion) {
  DirectoryStack stack;
  for (int i = 0; i < 1000000; ++i) stack.push("C:\\d");
  EXPECT_EQ(stack.count(), 1000000);
}

TEST(SubstituteTokenTest, ReplacesEveryOccurrenceLeftToRightWithoutRescanning) {
  SearchHarness h;
  SearchEngine engine(*h.fs);
  EXPECT_STREQ(SubstituteToken(engine, "copy %f %f.bak", "%f", "\"a b\""), "copy \"a b\" \"a b\".bak");
  EXPECT_STREQ(SubstituteToken(engine, "x%f", "%f", "%f%f"), "x%f%f");
  EXPECT_STREQ(SubstituteToken(engine, "%%ff", "%f", "N"), "%Nf");
  EXPECT_EQ(SubstituteToken(engine, "echo %F", "%f", "N"), nullptr);
  EXPECT_EQ(SubstituteToken(engine, nullptr, "%f", "N"), nullptr);
  const std::string longName(600, 'n');
  const char* grown = SubstituteToken(engine, "%f;%f", "%f", longName.c_str());
  EXPECT_EQ(std::string(grown), longName + ";" + longName);
}

TEST(FormatEntryTimeTest, WritesTwelveHourTimesWithAOrP) {
  SearchHarness h;
  SearchEngine engine(*h.fs);
  struct Case {
    std::time_t time;
    const char* date;
    const char* clock;
  } cases[] = {
      {1041725700, "01/05/2003", "00:15a"},  // 00:15
      {1041768000, "01/05/2003", "12:00p"},  // noon
      {1041772500, "01/05/2003", "01:15p"},  // 13:15
      {1041768000 - 60, "01/05/2003", "11:59a"},
  };
  for (const Case& c : cases) {
    char date[kDateText];
    char clock[kTimeText];
    EXPECT_EQ(FormatEntryTime(engine, c.time, date, clock), true);
    EXPECT_STREQ(date, c.date);
    EXPECT_STREQ(clock, c.clock);
  }
  EXPECT_EQ(FormatEntryTime(engine, 0, nullptr, nullptr), false);
}

TEST(ListEntryTest, ListsSizesBeyondFourGigabytesAndQuotesNamesWithBlanks) {
  SearchHarness h;
  SearchEngine engine(*h.fs);
  engine.request.resultFile = std::tmpfile();
  FindData entry;
  std::strcpy(entry.name, "disk image.bin");
  entry.SetDetails({kAttrArchive, 3000000000ull, 1041775620});
  ListEntry(engine, "C:\\big\\", &entry);
  std::strcpy(entry.name, "b.bin");
  entry.SetDetails({kAttrArchive, 5000000000ull, 1041775620});
  ListEntry(engine, "c:\\BIG", &entry);
  EXPECT_EQ(ReadStream(engine.request.resultFile),
            "\n Directory of \"C:\\big\\\"\n"
            "DATE       TIME   SIZE (bytes)    FILE NAME\n"
            "---------- ------ ------------    ---------\n"
            "01/05/2003 02:07p 3000000000      \"disk image.bin\"\n"
            "01/05/2003 02:07p 5000000000      b.bin\n");
  EXPECT_EQ(ListEntry(engine, "C:\\big", nullptr), false);
  std::fclose(engine.request.resultFile);
}

TEST(DirBuiltinTest, OnlyRmdirAndListAreLookedUp) {
  EXPECT_NE(FindDirBuiltin("RMDIR"), nullptr);
  EXPECT_NE(FindDirBuiltin("list"), nullptr);
  EXPECT_EQ(FindDirBuiltin("dir"), nullptr);
  EXPECT_EQ(FindDirBuiltin("del"), nullptr);
  EXPECT_EQ(FindDirBuiltin("rmdir /s"), nullptr);
}

TEST(MessagesTest, ErrorLinesAreWrittenVerbatimAndShownInTheStatusLine) {
  SearchHarness h;
  std::FILE* stream = std::tmpfile();
  ReportError(stream, "Cannot read '%s'", "C:\\100%done");
  EXPECT_EQ(ReadStream(stream), "Error:Cannot read 'C:\\100%done'");
  EXPECT_EQ(h.frontEnd.statusTexts.back(), "Error:Cannot read 'C:\\100%done'");
  std::fclose(stream);
  ReportError(nullptr, nullptr);
  EXPECT_EQ(h.frontEnd.statusTexts.size(), 1u);
}

TEST(MessagesTest, TextsLongerThanTheBufferAreCut) {
  SearchHarness h;
  const std::string huge(10000, 'x');
  ShowMessage("%s", 16, huge.c_str());
  ASSERT_EQ(h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h.frontEnd.boxes[0].text.size(), 4095u);
  ShowStatus("%s", huge.c_str());
  EXPECT_EQ(h.frontEnd.statusTexts.back().size(), 4095u);
  EXPECT_EQ(ShowMessage(nullptr, 16), 0);
}

TEST(EnterDirectoryTest, ChecksTheDriveBeforeTheDirectory) {
  SearchHarness h;
  SearchEngine engine(*h.fs);
  h.tree.Dir("data");
  EXPECT_EQ(EnterDirectory(engine, "q:\\data"), kWalkStop);
  ASSERT_EQ(h.frontEnd.boxes.size(), 1u);
  EXPECT_EQ(h.frontEnd.boxes[0].text, "Invalid drive 'q:' specified in file pattern! Search stopped!\n");
  EXPECT_EQ(EnterDirectory(engine, "C:\\data"), kWalkDone);
  EXPECT_EQ(h.fs->ChDrive(15), kFsOk);
  EXPECT_EQ(EnterDirectory(engine, "\\"), kWalkDone);
  char cwd[kMaxPath];
  EXPECT_STREQ(h.fs->GetCwd(cwd, sizeof cwd), "O:\\");
}

}  // namespace
}  // namespace zaltor::testing
