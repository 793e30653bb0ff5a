#include "support/temp_tree.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace zaltor::testing {

namespace {

constexpr auto kOpenDirectory = std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                std::filesystem::perms::others_exec;

}  // namespace

TempTree::TempTree() {
  // create_directory makes only a directory that did not exist, so the tree
  // is this test's alone, as mkdtemp's would be; the runtime of every host
  // has it.
  std::mt19937_64 random(std::random_device{}() ^
                         static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100 && rootPath.empty(); ++attempt) {
    std::ostringstream name;
    name << "zaltor-test-" << std::hex << (random() & 0xffffffffffULL);
    if (std::filesystem::create_directory(base / name.str())) {
      std::filesystem::permissions(base / name.str(), std::filesystem::perms::owner_all);
      rootPath = (base / name.str()).string();
    }
  }
  if (rootPath.empty()) throw std::runtime_error("no temporary directory could be made");
}

TempTree::~TempTree() {
  std::error_code ignored;
  // Tests may leave directories unreadable; make them removable again.
  for (auto it = std::filesystem::recursive_directory_iterator(
           rootPath, std::filesystem::directory_options::skip_permission_denied, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      std::filesystem::permissions(it->path(), kOpenDirectory, ignored);
    }
  }
  std::filesystem::permissions(rootPath, kOpenDirectory, ignored);
  std::filesystem::remove_all(rootPath, ignored);
}

std::string TempTree::Path(const std::string& relative) const {
  // The host's own separator, so that a path compares equal to what the
  // host's programs are given.
  return relative.empty() ? rootPath : (std::filesystem::path(rootPath) / relative).make_preferred().string();
}

void TempTree::Dir(const std::string& relative) const {
  std::filesystem::create_directories(Path(relative));
}

void TempTree::File(const std::string& relative, const std::string& content, std::time_t mtime) const {
  std::filesystem::path path = Path(relative);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
  if (mtime != 0) {
    std::filesystem::last_write_time(
        path, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(mtime)));
  }
}

std::string TempTree::Read(const std::string& relative) const {
  std::ifstream in(Path(relative), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempTree::Exists(const std::string& relative) const {
  return std::filesystem::exists(Path(relative));
}

}  // namespace zaltor::testing
