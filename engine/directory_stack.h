// The explicit stack the walk runs on, so that no directory depth can
// overflow the call stack.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zaltor {

// Raised by popping an empty stack: a broken invariant, never handled.
class Underflow {};

class DirectoryStack {
 public:
  DirectoryStack() = default;
  ~DirectoryStack();
  DirectoryStack(const DirectoryStack&) = delete;
  DirectoryStack& operator=(const DirectoryStack&) = delete;

  void push(std::string path);
  // The path pushed last, taken off; throws Underflow when empty.
  std::string pop();
  // Copies of the at most n paths that pop would give next, in that order.
  std::vector<std::string> top(std::size_t n) const;
  // How many paths the stack holds.
  std::int32_t count() const { return size; }
  bool empty() const { return head == nullptr; }

 private:
  struct Node {
    std::string path;
    std::unique_ptr<Node> next;
  };
  std::unique_ptr<Node> head;
  std::int32_t size = 0;
};

}  // namespace zaltor
