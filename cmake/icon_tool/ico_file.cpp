#include "cmake/icon_tool/ico_file.h"

#include <cstdint>
#include <vector>

namespace zaltor::icon_tool {

namespace {

using res::IconImage;

void Put16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xff));
  out.push_back(static_cast<char>((value >> 8) & 0xff));
}

void Put32(std::string& out, unsigned value) {
  Put16(out, value & 0xffff);
  Put16(out, value >> 16);
}

int PaletteIndex(const IconImage& image, int x, int y) {
  const char c = image.rows[y][x];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // transparent
}

// BITMAPINFOHEADER, palette, colour rows and mask rows, bottom row first.
std::string ImageBytes(const IconImage& image) {
  const int size = image.size;
  unsigned palette[16] = {};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int index = PaletteIndex(image, x, y);
      if (index >= 0) palette[index] = res::IconPixel(image, x, y) & 0xffffff;
    }
  }
  const int colourRow = ((size * 4 + 31) / 32) * 4;
  const int maskRow = ((size + 31) / 32) * 4;
  std::string out;
  Put32(out, 40);
  Put32(out, size);
  Put32(out, size * 2);  // colour and mask
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, (colourRow + maskRow) * size);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 16);
  Put32(out, 0);
  for (unsigned colour : palette) {
    out.push_back(static_cast<char>(colour & 0xff));
    out.push_back(static_cast<char>((colour >> 8) & 0xff));
    out.push_back(static_cast<char>((colour >> 16) & 0xff));
    out.push_back('\0');
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(colourRow, 0);
    for (int x = 0; x < size; ++x) {
      const int index = PaletteIndex(image, x, y);
      row[x / 2] |= static_cast<std::uint8_t>((index < 0 ? 0 : index) << (x % 2 == 0 ? 4 : 0));
    }
    out.append(row.begin(), row.end());
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRow, 0);
    for (int x = 0; x < size; ++x) {
      if (PaletteIndex(image, x, y) < 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.append(row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::string IcoFile(const IconImage* images, int count) {
  std::vector<std::string> bytes;
  for (int i = 0; i < count; ++i) bytes.push_back(ImageBytes(images[i]));
  std::string file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, count);
  unsigned offset = 6 + 16 * count;
  for (int i = 0; i < count; ++i) {
    file.push_back(static_cast<char>(images[i].size));
    file.push_back(static_cast<char>(images[i].size));
    file.push_back(16);
    file.push_back('\0');
    Put16(file, 1);
    Put16(file, 4);
    Put32(file, bytes[i].size());
    Put32(file, offset);
    offset += bytes[i].size();
  }
  for (const std::string& image : bytes) file += image;
  return file;
}

}  // namespace zaltor::icon_tool
