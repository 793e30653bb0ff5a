#include "engine/directory_stack.h"

#include <utility>

namespace zaltor {

DirectoryStack::~DirectoryStack() {
  // Unlink node by node: a recursive destruction of a long chain would
  // overflow the call stack.
  while (head) head = std::move(head->next);
}

void DirectoryStack::push(std::string path) {
  auto node = std::make_unique<Node>();
  node->path = std::move(path);
  node->next = std::move(head);
  head = std::move(node);
  ++size;
}

std::string DirectoryStack::pop() {
  if (!head) throw Underflow();
  std::string path = std::move(head->path);
  head = std::move(head->next);
  --size;
  return path;
}

std::vector<std::string> DirectoryStack::top(std::size_t n) const {
  std::vector<std::string> paths;
  for (const Node* node = head.get(); node != nullptr && paths.size() < n; node = node->next.get()) {
    paths.push_back(node->path);
  }
  return paths;
}

}  // namespace zaltor
