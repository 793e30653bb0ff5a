// The order the walk visits directories in, known from their paths alone:
// a directory before everything below it, and of two siblings the one
// listed later first, as the walk pushes a directory's subdirectories in
// listing order and takes the last pushed first. Listings come in byte
// order of the names (those of a host that lists ahead do), so a later
// listed sibling has the greater name.
#pragma once

#include <string>
#include <string_view>

namespace zaltor {

// Whether the walk visits the directory at drive path a before the one at
// b; paths of the same walk, as it builds them.
bool VisitedBefore(std::string_view a, std::string_view b);

struct WalkOrder {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return VisitedBefore(a, b); }
};

// The path of the subdirectory name of the directory at path.
std::string ChildPath(std::string_view path, std::string_view name);

}  // namespace zaltor
