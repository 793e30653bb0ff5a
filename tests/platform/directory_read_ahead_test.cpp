// Directories read ahead on threads of their own: a read is handed over
// only while the directory is the one read and unchanged; the threads go on
// into the subdirectories in the walk's order; whatever is queued, the
// reader ends at once when it goes, its threads joined.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/directory_read_ahead.h"
#include "support/temp_tree.h"

namespace zaltor::testing {
namespace {

// Lets the change times of what exists now grow older than the ticks of
// the clock they come from, so that they vouch for reads made from now on.
void LetAge() { std::this_thread::sleep_for(std::chrono::milliseconds(60)); }

// What the threads have read of directory, once they have.
std::shared_ptr<const DirectoryRead> ReadOf(DirectoryReadAhead& ahead, const std::string& directory) {
  for (int i = 0; i < 2000; ++i) {
    if (auto read = ahead.Take(directory, DirectoryReadAhead::Taker::kLook)) return read;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return nullptr;
}

TEST(DirectoryReadAhead, HandsOverOnlyWhatIsUnchangedAndGoesOnIntoTheSubdirectories) {
  TempTree tree;
  tree.File("a/b/c/deep.txt", "x");
  tree.File("a/file.txt", "x");
  tree.Dir("a/z");
  tree.Dir("a/locked");
  LetAge();
  DirectoryReadAhead ahead([](bool) {});
  ahead.Queue(tree.Path("a"), 1);

  auto read = ReadOf(ahead, tree.Path("a"));
  ASSERT_NE(read, nullptr);
  std::string listed;
  for (const RawEntry& entry : read->entries) listed += std::string(read->NameOf(entry)) + ' ';
  EXPECT_EQ(listed, ". .. b file.txt locked z ");
  EXPECT_TRUE(StillAsRead(tree.Path("a"), read->identity));
  // The subdirectories, and theirs, without being asked.
  auto deeper = ReadOf(ahead, tree.Path("a/b/c"));
  ASSERT_NE(deeper, nullptr);
  EXPECT_TRUE(StillAsRead(tree.Path("a/b/c"), deeper->identity));
  // A directory changed a moment ago cannot vouch for a read of it. A
  // read that this thread was kept from for a tick is tried again: then the
  // change was no longer a moment ago.
  bool freshVouches = true;
  std::vector<char> buffer;
  for (int attempt = 0; attempt < 50 && freshVouches; ++attempt) {
    const std::string fresh = tree.Path("fresh" + std::to_string(attempt));
    const auto made = std::chrono::steady_clock::now();
    tree.Dir("fresh" + std::to_string(attempt));
    bool waited = false;
    auto read = ReadWholeDirectory(fresh, false, true, buffer, &waited);
    ASSERT_NE(read, nullptr);
    if (std::chrono::steady_clock::now() - made > std::chrono::milliseconds(1)) continue;
    freshVouches = StillAsRead(fresh, read->identity);
  }
  EXPECT_FALSE(freshVouches);

  // A name added, its permissions changed or another directory in its
  // place, and the read is stale.
  tree.File("a/new.txt", "x");
  EXPECT_FALSE(StillAsRead(tree.Path("a"), read->identity));
  auto locked = ReadOf(ahead, tree.Path("a/locked"));
  ASSERT_NE(locked, nullptr);
  ASSERT_EQ(chmod(tree.Path("a/locked").c_str(), 0), 0);
  EXPECT_FALSE(StillAsRead(tree.Path("a/locked"), locked->identity));
  ASSERT_EQ(std::rename(tree.Path("a/b/c").c_str(), tree.Path("a/b/moved").c_str()), 0);
  tree.Dir("a/b/c");
  LetAge();
  EXPECT_FALSE(StillAsRead(tree.Path("a/b/c"), deeper->identity));

  // Taken by the visit, a read is handed over once.
  EXPECT_NE(ahead.Take(tree.Path("a/z"), DirectoryReadAhead::Taker::kVisit), nullptr);
  EXPECT_EQ(ahead.Take(tree.Path("a/z"), DirectoryReadAhead::Taker::kVisit), nullptr);
  ahead.Clear();
  EXPECT_EQ(ahead.Take(tree.Path("a"), DirectoryReadAhead::Taker::kVisit), nullptr);
}

TEST(DirectoryReadAhead, AnythingQueuedEndsWithTheReaderAndNothingIsLeftRunning) {
  TempTree tree;
  tree.Dir("a/b");
  tree.File("a/file.txt", "x");
  const auto threadCount = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {});
  };
  const auto before = threadCount();
  for (int round = 0; round < 20; ++round) {
    DirectoryReadAhead ahead([](bool) {});
    ahead.Queue(tree.Path("a"), 1);
    ahead.Queue(tree.Path("a/file.txt"), DirectoryReadAhead::kThreads);
    ahead.Queue(tree.Path("missing"), 2);
    for (int i = 0; i < 1000; ++i) ahead.Queue(tree.Path("a/b") + std::to_string(i), 4);
    // The walk is over: no thread stays with buffers of its own until the
    // next, and the next starts threads again.
    if (round % 2 == 0) {
      ahead.Clear();
      EXPECT_EQ(threadCount(), before);
      ahead.Queue(tree.Path("a"), 1);
      EXPECT_NE(ReadOf(ahead, tree.Path("a")), nullptr);
    }
  }
}

}  // namespace
}  // namespace zaltor::testing
