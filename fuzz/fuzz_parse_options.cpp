// RunSearch over an arbitrary option vector: the input's NUL-separated pieces
// are the elements. Drive C: is a small temporary tree; every output file
// the options name goes into an anonymous temporary file instead, so the
// run writes nothing anywhere else.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/run_search.h"
#include "fuzz/fuzz_support.h"
#include "platform/posix/posix_file_system.h"

namespace zaltor::fuzz {
namespace {

// The host's file services, with writing redirected and directory creation
// refused.
class SandboxFileSystem : public PosixFileSystem {
 public:
  using PosixFileSystem::PosixFileSystem;
  std::FILE* OpenTextForWrite(const char* path) override {
    // Only what the engine would have been able to create gets a stream.
    if (HostPath(path).empty()) return nullptr;
    return std::tmpfile();
  }
  int MkDir(const char*) override { return -1; }
};

struct Sandbox {
  Sandbox() {
    char pattern[] = "/tmp/zaltor-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    root = pattern;
    std::filesystem::create_directories(root + "/docs/sub dir");
    std::filesystem::create_directories(root + "/.hidden");
    std::ofstream(root + "/readme.txt") << "needle in a haystack";
    std::ofstream(root + "/docs/report.doc") << std::string(300, 'x') << "ABC";
    std::ofstream(root + "/docs/sub dir/a&b;c.txt") << "\xde\xad\xbe\xef";
    std::ofstream(root + "/docs/sub dir/100%.bat") << "echo";
    fs = std::make_unique<SandboxFileSystem>("C=" + root, root);
    engine = std::make_unique<SearchEngine>(*fs);
  }
  ~Sandbox() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }

  std::string root;
  std::unique_ptr<SandboxFileSystem> fs;
  std::unique_ptr<SearchEngine> engine;
  AnsweringFrontEnd frontEnd;
};

Sandbox* sandbox = nullptr;

// The dialog sends at most 25 elements in a 100-slot vector; more than that
// is tried too, but not without end.
constexpr std::size_t kMaxElements = 100;

}  // namespace
}  // namespace zaltor::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("TZ", "UTC", 1);
  // Results without /of go to standard output; they are not wanted here.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  static zaltor::fuzz::Sandbox instance;
  zaltor::fuzz::sandbox = &instance;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zaltor;
  std::vector<std::string> elements = fuzz::SplitAtNul(data, size, fuzz::kMaxElements);
  std::vector<char*> vector;
  for (std::string& element : elements) vector.push_back(element.data());
  vector.push_back(nullptr);
  std::uint32_t files = 0;
  std::uint32_t dirs = 0;
  SearchEngine& engine = *fuzz::sandbox->engine;
  int result = RunSearch(engine, static_cast<int>(elements.size()), vector.data(), &files, &dirs);
  if (result != kWalkDone && result != kWalkStop && result != kWalkSkipped) std::abort();
  // Every run returns to the directory it started in and leaves nothing open.
  char cwd[kMaxPath];
  if (engine.fs.GetCwd(cwd, sizeof cwd) == nullptr || std::string(cwd) != "C:\\") std::abort();
  if (engine.request.resultFile != nullptr || engine.request.batchFile != nullptr) std::abort();
  if (!engine.pendingDirs.empty() || !engine.visitedDirs.empty()) std::abort();
  return 0;
}
