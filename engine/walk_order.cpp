#include "engine/walk_order.h"

namespace zaltor {

namespace {

// A root keeps its separator ("C:\"): without it, its path is a prefix of
// its subdirectories' like any other.
std::string_view WithoutRootSeparator(std::string_view path) {
  return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

}  // namespace

bool VisitedBefore(std::string_view a, std::string_view b) {
  a = WithoutRootSeparator(a);
  b = WithoutRootSeparator(b);
  std::size_t start = 0;
  for (;;) {
    const std::size_t endA = a.find('\\', start);
    const std::size_t endB = b.find('\\', start);
    const std::string_view partA = a.substr(start, endA == std::string_view::npos ? endA : endA - start);
    const std::string_view partB = b.substr(start, endB == std::string_view::npos ? endB : endB - start);
    if (partA != partB) return partA > partB;
    // The same so far: the one that ends here is the other's ancestor.
    if (endA == std::string_view::npos || endB == std::string_view::npos) {
      return endA == std::string_view::npos && endB != std::string_view::npos;
    }
    start = endA + 1;
  }
}

std::string ChildPath(std::string_view path, std::string_view name) {
  std::string child(path);
  if (child.empty() || child.back() != '\\') child += '\\';
  child += name;
  return child;
}

}  // namespace zaltor
