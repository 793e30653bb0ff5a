#include "cmake/icon_tool/png_file.h"

#include <array>

namespace zaltor::icon_tool {

namespace {

std::uint32_t Crc32(const std::string& bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xedb88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  std::uint32_t crc = 0xffffffffu;
  for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xff] ^ (crc >> 8);
  return crc ^ 0xffffffffu;
}

std::uint32_t Adler32(const std::string& bytes) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (unsigned char byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xff);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = type + data;
  out += typed;
  PutBigEndian(out, Crc32(typed));
}

// A zlib stream of stored blocks: icons are small, and this needs no
// compressor.
std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t length = raw.size() - at < 65535 ? raw.size() - at : 65535;
    out += static_cast<char>(at + length == raw.size() ? 1 : 0);
    out += static_cast<char>(length & 0xff);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xff);
    out += static_cast<char>((~length >> 8) & 0xff);
    out.append(raw, at, length);
    at += length;
  } while (at < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

}  // namespace

std::string PngFile(int width, int height, const std::vector<std::uint32_t>& pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) return "";
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
  std::string raw;
  for (int y = 0; y < height; ++y) {
    raw += '\0';  // no filter on the row
    for (int x = 0; x < width; ++x) {
      const std::uint32_t argb = pixels[static_cast<std::size_t>(y) * width + x];
      for (int shift : {16, 8, 0, 24}) raw += static_cast<char>((argb >> shift) & 0xff);
    }
  }
  std::string file = "\x89PNG\r\n\x1a\n";
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", StoredZlib(raw));
  PutChunk(file, "IEND", "");
  return file;
}

}  // namespace zaltor::icon_tool
