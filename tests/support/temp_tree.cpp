#include "support/temp_tree.h"

#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zaltor::testing {

TempTree::TempTree() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zaltor-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  rootPath = pattern;
}

TempTree::~TempTree() {
  std::error_code ignored;
  // Tests may leave directories unreadable; make them removable again.
  for (auto it = std::filesystem::recursive_directory_iterator(
           rootPath, std::filesystem::directory_options::skip_permission_denied, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      chmod(it->path().c_str(), 0755);
    }
  }
  chmod(rootPath.c_str(), 0755);
  std::filesystem::remove_all(rootPath, ignored);
}

std::string TempTree::Path(const std::string& relative) const {
  return relative.empty() ? rootPath : rootPath + "/" + relative;
}

void TempTree::Dir(const std::string& relative) const {
  std::filesystem::create_directories(Path(relative));
}

void TempTree::File(const std::string& relative, const std::string& content, std::time_t mtime) const {
  std::filesystem::path path = Path(relative);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
  if (mtime != 0) {
    utimbuf times{mtime, mtime};
    utime(path.c_str(), &times);
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
