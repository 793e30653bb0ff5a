// The program icon at any size, from its images in the resources.
#pragma once

#include <cstdint>
#include <vector>

namespace zaltor::icon_tool {

// size x size pixels, row by row, as 0xAARRGGBB: the icon's image of that
// size, or else its largest image scaled to it, each new pixel the average
// of what it covers. Empty when there is no such icon.
std::vector<std::uint32_t> IconPixels(int id, int size);

}  // namespace zaltor::icon_tool
