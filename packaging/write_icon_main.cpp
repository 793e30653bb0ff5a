// zaltor-write-icon SIZE FILE: writes the program icon at SIZE x SIZE pixels
// as a PNG file, for the desktop's icon theme. Run by the build.
#include <cstdio>
#include <cstdlib>

#include "packaging/icon_pixels.h"
#include "packaging/png_file.h"
#include "resources/resource_ids.h"

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[1]) : 0;
  const auto pixels = zaltor::packaging::IconPixels(zaltor::res::kProgramIcon, size);
  if (pixels.empty()) {
    std::fputs("usage: zaltor-write-icon SIZE FILE\n", stderr);
    return 2;
  }
  if (!zaltor::packaging::WritePng(argv[2], size, size, pixels)) {
    std::fprintf(stderr, "zaltor-write-icon: cannot write '%s'\n", argv[2]);
    return 1;
  }
  return 0;
}
