// Directories read ahead on threads of their own: whatever is queued, a
// missing directory, a file or far more than the queue holds, the reader
// ends at once when it goes, its threads joined.
#include <gtest/gtest.h>

#include <string>

#include "platform/posix/directory_read_ahead.h"
#include "support/temp_tree.h"

namespace zaltor::testing {
namespace {

TEST(DirectoryReadAhead, AnythingQueuedEndsWithTheReaderAndNothingIsLeftRunning) {
  TempTree tree;
  tree.Dir("a/b");
  tree.File("a/file.txt", "x");
  for (int round = 0; round < 20; ++round) {
    DirectoryReadAhead ahead;
    ahead.Queue(tree.Path("a"));
    ahead.Queue(tree.Path("a/file.txt"));
    ahead.Queue(tree.Path("missing"));
    for (int i = 0; i < 1000; ++i) ahead.Queue(tree.Path("a/b"));
  }
}

}  // namespace
}  // namespace zaltor::testing
