#include "engine/text_compare.h"

namespace zaltor {

namespace {

int Fold(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? u + ('a' - 'A') : u;
}

}  // namespace

int StrNICmp(const char* a, const char* b, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    int x = Fold(a[i]);
    int y = Fold(b[i]);
    if (x != y || x == 0) return x - y;
  }
  return 0;
}

int StrICmp(const char* a, const char* b) {
  for (;; ++a, ++b) {
    int x = Fold(*a);
    int y = Fold(*b);
    if (x != y || x == 0) return x - y;
  }
}

}  // namespace zaltor
