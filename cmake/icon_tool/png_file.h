// Writing an image as a PNG file, with nothing but the standard library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zaltor::packaging {

// Writes width x height pixels, row by row, each 0xAARRGGBB, as an 8-bit
// RGBA PNG; false when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace zaltor::packaging
