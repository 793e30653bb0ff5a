// write-icon-file ID FILE.ico: every image of the program's icon ID as an
// icon file, for windres.
// write-icon-file ID FILE.png SIZE: the icon at SIZE x SIZE pixels as a PNG
// file, for the desktop's icon theme.
// Built and run on the build machine (cmake/icon_tool.cmake), from the same
// images the Qt host draws.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cmake/icon_tool/ico_file.h"
#include "cmake/icon_tool/icon_pixels.h"
#include "cmake/icon_tool/png_file.h"

namespace {

constexpr char kUsage[] = "usage: write-icon-file ID FILE.ico | write-icon-file ID FILE.png SIZE\n";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zaltor;
  const std::string path = argc >= 3 ? argv[2] : "";
  const bool ico = argc == 3 && EndsWith(path, ".ico");
  if (!ico && !(argc == 4 && EndsWith(path, ".png"))) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const int id = std::atoi(argv[1]);
  std::string bytes;
  if (ico) {
    int count = 0;
    const res::IconImage* images = res::FindIconImages(id, &count);
    if (count > 0) bytes = icon_tool::IcoFile(images, count);
  } else {
    const int size = std::atoi(argv[3]);
    bytes = icon_tool::PngFile(size, size, icon_tool::IconPixels(id, size));
  }
  if (bytes.empty()) {
    std::fprintf(stderr, "write-icon-file: no icon %s at that size\n", argv[1]);
    return 1;
  }
  if (!WriteFile(path, bytes)) {
    std::fprintf(stderr, "write-icon-file: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}
