// The walk that reads ahead of its own order, held against the same search
// reading one file at a time, on trees that change while the walk runs:
// directories removed, renamed and made unreadable, files deleted, added,
// truncated and growing; with stops at the walk's checkpoints and every
// answer to its questions. Both must write the same files, show the same
// statuses and ask the same questions.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/proxy_file_system.h"
#include "support/search_harness.h"

namespace zaltor::testing {
namespace {

const std::string kNeedle = "needle phrase";

// Whether drive path lies in or below directory.
bool Under(const std::string& path, const std::string& directory) {
  return path.compare(0, directory.size(), directory) == 0 &&
         (path.size() == directory.size() || path[directory.size()] == '\\');
}

// Changes the tree under the walk, which has the directories it takes next
// read ahead. Directory changes come when the walk
// enters a chosen directory; a file is truncated as it is opened, or grows
// after its first read, whichever thread reads it. A directory made
// unreadable refuses the change into it, its listing and its files, as it
// does for anyone but root. Its reads pass for slow ones, so that the walk
// reads as far ahead as it would from a disk.
class ChangingFileSystem : public ProxyFileSystem {
 public:
  // root: the host directory of drive C:, which is all the walk reads.
  ChangingFileSystem(FileSystem& inner, std::string root, std::thread::id walk)
      : ProxyFileSystem(inner), root(std::move(root)), walk(walk) {}

  std::map<std::string, std::vector<std::function<void()>>> onEnter;  // by drive path
  std::set<std::string> truncateAtOpen;
  std::set<std::string> growAfterFirstRead;
  std::atomic<int> openedAhead{0};  // files opened before the walk entered their directory

  void MakeUnreadable(const std::string& directory) {
    std::lock_guard<std::mutex> lock(mutex);
    unreadable.insert(directory);
  }

  bool ReadsWaitForDevice() const override { return true; }

  int ChDir(const char* path) override {
    if (IsUnreadable(path)) return -1;
    int result = ProxyFileSystem::ChDir(path);
    if (result == 0) {
      {
        std::lock_guard<std::mutex> lock(mutex);
        entered.insert(path);
      }
      auto changes = onEnter.find(path);
      if (changes != onEnter.end()) {
        for (const auto& change : changes->second) change();
      }
    }
    return result;
  }
  FindHandle FindFirst(const char* pattern, FindData* out) override {
    std::string directory = pattern;
    std::size_t slash = directory.rfind('\\');
    if (slash != std::string::npos && IsUnreadable(directory.substr(0, slash))) return kFindFailed;
    if (slash == std::string::npos) {
      char cwd[kMaxPath];
      if (GetCwd(cwd, sizeof cwd) != nullptr && IsUnreadable(cwd)) return kFindFailed;
    }
    return ProxyFileSystem::FindFirst(pattern, out);
  }
  std::shared_ptr<const ListedDirectory> ListAhead(const char* drivePath, const char* pattern) override {
    if (IsUnreadable(drivePath)) return nullptr;
    return ProxyFileSystem::ListAhead(drivePath, pattern);
  }
  int OpenRead(const char* path) override {
    std::string file = path;
    std::string directory = file.substr(0, file.rfind('\\'));
    if (IsUnreadable(file)) return -1;
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (std::this_thread::get_id() != walk && entered.count(directory) == 0) ++openedAhead;
    }
    if (truncateAtOpen.count(file) != 0) truncate(HostFile(file).c_str(), 20);
    int fd = ProxyFileSystem::OpenRead(path);
    if (fd >= 0 && growAfterFirstRead.count(file) != 0) {
      std::lock_guard<std::mutex> lock(mutex);
      growing[fd] = HostFile(file);
    }
    return fd;
  }
  long Read(int fd, void* buffer, unsigned count) override {
    long got = ProxyFileSystem::Read(fd, buffer, count);
    std::string host;
    {
      std::lock_guard<std::mutex> lock(mutex);
      auto at = growing.find(fd);
      if (at != growing.end()) {
        host = at->second;
        growing.erase(at);
      }
    }
    // Gone with its directory by now, perhaps: then it grows no more. "ab"
    // would make it again, in a directory the walk's thread may be removing.
    std::FILE* file = host.empty() ? nullptr : std::fopen(host.c_str(), "r+b");
    if (file != nullptr) {
      if (std::fseek(file, 0, SEEK_END) == 0) std::fputs("NEEDLE PHRASE", file);
      std::fclose(file);
    }
    return got;
  }
  int Close(int fd) override {
    {
      std::lock_guard<std::mutex> lock(mutex);
      growing.erase(fd);
    }
    return ProxyFileSystem::Close(fd);
  }

 private:
  // Not HostPath, which the walk's own thread alone may call.
  std::string HostFile(std::string drivePath) const {
    for (char& c : drivePath) c = c == '\\' ? '/' : c;
    return root + drivePath.substr(2);
  }
  bool IsUnreadable(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex);
    for (const std::string& directory : unreadable) {
      if (Under(path, directory)) return true;
    }
    return false;
  }

  std::string root;
  std::thread::id walk;
  std::mutex mutex;
  std::set<std::string> unreadable;
  std::set<std::string> entered;
  std::map<int, std::string> growing;
};

// One random case: a tree, the changes made while the walk runs, the
// answers, where the search is stopped and the options.
struct Case {
  std::vector<std::string> dirs;  // '/'-separated, below the tree's root; dirs[0] is "top"
  std::map<std::string, std::string> files;
  struct Change {
    std::size_t when;    // entering dirs[when]
    int kind;            // 0 remove, 1 rename, 2 unreadable, 3 delete a file, 4 add a file
    std::size_t target;  // dirs[target], or the file of that directory
  };
  std::vector<Change> changes;
  std::set<std::string> truncated, growing;  // relative paths
  std::vector<int> answers;
  int stopAtStatus = -1;  // a status text's number, or -1
  int stopAtBox = -1;
  std::vector<std::string> options;
};

std::string DrivePathOf(const std::string& relative) {
  std::string path = "C:\\" + relative;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

Case MakeCase(unsigned seed) {
  std::mt19937 rng(seed);
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  Case c;
  c.dirs.push_back("top");
  for (std::size_t i = 0; i < c.dirs.size() && c.dirs.size() < 14; ++i) {
    if (std::count(c.dirs[i].begin(), c.dirs[i].end(), '/') >= 3) continue;
    for (int k = i == 0 ? 3 : below(4); k > 0; --k) c.dirs.push_back(c.dirs[i] + "/d" + std::to_string(c.dirs.size()));
  }
  for (const std::string& dir : c.dirs) {
    for (int k = below(7); k > 0; --k) {
      std::string name = dir + "/f" + std::to_string(k) + (below(5) == 0 ? ".log" : ".txt");
      // Some are longer than a read, with the text across its end.
      std::string content = below(6) == 0 ? std::string(64 * 1024 - 5, 'x') : "some words ";
      if (below(3) == 0) content += "Needle Phrase";
      c.files[name] = content + std::string(below(2) * 70000, 'y');
      if (below(8) == 0) c.truncated.insert(name);
      if (below(8) == 0) c.growing.insert(name);
    }
  }
  for (int k = below(4); k > 0; --k) {
    c.changes.push_back({static_cast<std::size_t>(below(static_cast<int>(c.dirs.size()))), below(5),
                         static_cast<std::size_t>(1 + below(static_cast<int>(c.dirs.size()) - 1))});
  }
  for (int k = 0; k < 6; ++k) c.answers.push_back(below(4) == 0 ? kIdNo : kIdYes);
  int stop = below(3);
  if (stop == 1) c.stopAtStatus = 1 + below(12);
  if (stop == 2) c.stopAtBox = below(3);
  c.options = {"/fp", "C:\\top\\*.txt", "/r", "/sp", kNeedle};
  if (below(3) == 0) c.options.push_back("/se");
  if (below(4) == 0) c.options.insert(c.options.end(), {"/fs", "L:70000"});
  return c;
}

struct Observed {
  SearchOutcome outcome;
  std::vector<std::string> boxes;
  std::vector<std::string> statuses;
  int openedAhead = 0;
};

Observed RunCase(const Case& c, bool ahead) {
  SearchHarness h;
  auto changing = std::make_unique<ChangingFileSystem>(*h.host, h.tree.root(), std::this_thread::get_id());
  ChangingFileSystem& fs = *changing;
  fs.fixedNow = kFixedNow;
  fs.readsInParallel = ahead;
  h.fs = std::move(changing);
  for (const std::string& dir : c.dirs) h.tree.Dir(dir);
  for (const auto& [name, content] : c.files) h.tree.File(name, content);
  // Older than the ticks of their clock, the directories' change times
  // vouch for what is read of them ahead, until the changes below move them.
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  for (const std::string& name : c.truncated) fs.truncateAtOpen.insert(DrivePathOf(name));
  for (const std::string& name : c.growing) fs.growAfterFirstRead.insert(DrivePathOf(name));
  for (const Case::Change& change : c.changes) {
    const std::string target = c.dirs[change.target];
    const std::string host = h.tree.Path(target);
    std::function<void()> act;
    switch (change.kind) {
      case 0: act = [host] { std::filesystem::remove_all(host); }; break;
      case 1: act = [host] { std::rename(host.c_str(), (host + "-moved").c_str()); }; break;
      case 2: act = [&fs, target] { fs.MakeUnreadable(DrivePathOf(target)); }; break;
      case 3: act = [host] { std::filesystem::remove(host + "/f1.txt"); }; break;
      default: act = [host] {
        std::FILE* file = std::fopen((host + "/new.txt").c_str(), "wb");
        if (file != nullptr) {
          std::fputs("a new needle phrase", file);
          std::fclose(file);
        }
      };
    }
    fs.onEnter[DrivePathOf(c.dirs[change.when])].push_back(act);
  }
  h.frontEnd.answers.assign(c.answers.begin(), c.answers.end());
  h.frontEnd.onStatus = [&](const std::string&) {
    if (static_cast<int>(h.frontEnd.statusTexts.size()) == c.stopAtStatus) SetRunning(0);
  };
  h.frontEnd.onBox = [&](const RecordedBox&) {
    if (static_cast<int>(h.frontEnd.boxes.size()) == c.stopAtBox + 1) SetRunning(0);
  };
  Observed run;
  run.outcome = h.Run(c.options);
  for (const RecordedBox& box : h.frontEnd.boxes) run.boxes.push_back(box.text);
  run.statuses = h.frontEnd.statusTexts;
  run.openedAhead = fs.openedAhead.load();
  return run;
}

TEST(ReliabilityLookahead, WritesAsksAndShowsWhatTheSearchOfOneFileAtATimeDoesWhileTheTreeChanges) {
  int openedAhead = 0;
  int questions = 0;
  int stopped = 0;
  for (unsigned seed = 1; seed <= 120; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Case c = MakeCase(seed);
    Observed one = RunCase(c, false);
    Observed ahead = RunCase(c, true);
    EXPECT_EQ(one.outcome.result, ahead.outcome.result);
    EXPECT_EQ(one.outcome.files, ahead.outcome.files);
    EXPECT_EQ(one.outcome.dirs, ahead.outcome.dirs);
    EXPECT_EQ(one.outcome.resultText, ahead.outcome.resultText);
    EXPECT_EQ(one.outcome.batchText, ahead.outcome.batchText);
    EXPECT_EQ(one.boxes, ahead.boxes);
    EXPECT_EQ(one.statuses, ahead.statuses);
    EXPECT_EQ(one.openedAhead, 0);
    openedAhead += ahead.openedAhead;
    questions += static_cast<int>(one.boxes.size());
    stopped += one.outcome.result == kWalkStop ? 1 : 0;
  }
  // The cases reach what they are for: reads ahead of the walk, questions
  // and stops.
  EXPECT_GT(openedAhead, 20);
  EXPECT_GT(questions, 10);
  EXPECT_GT(stopped, 5);
}

}  // namespace
}  // namespace zaltor::testing
