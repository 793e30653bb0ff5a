// An image as a PNG file, with nothing but the standard library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zaltor::icon_tool {

// The bytes of width x height pixels, row by row, each 0xAARRGGBB, as an
// 8-bit RGBA PNG; empty when the pixels are not width x height.
std::string PngFile(int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace zaltor::icon_tool
