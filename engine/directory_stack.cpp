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

}  // namespace zaltor
