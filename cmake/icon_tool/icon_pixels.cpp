#include "cmake/icon_tool/icon_pixels.h"

#include <algorithm>
#include <cmath>

#include "resources/resources.h"

namespace zaltor::icon_tool {

namespace {

std::uint32_t Channel(std::uint32_t argb, int shift) { return (argb >> shift) & 0xff; }

// The average of the source pixels under [x0, x1) x [y0, y1), each weighted
// by the part of it covered and by its opacity, so that transparent pixels
// lend no colour to the edges.
std::uint32_t AreaAverage(const res::IconImage& image, double x0, double x1, double y0, double y1) {
  double alpha = 0;
  double colour[3] = {0, 0, 0};
  double area = 0;
  for (int sy = static_cast<int>(y0); sy < image.size && sy < y1; ++sy) {
    const double wy = std::min(y1, sy + 1.0) - std::max(y0, static_cast<double>(sy));
    for (int sx = static_cast<int>(x0); sx < image.size && sx < x1; ++sx) {
      const double weight = wy * (std::min(x1, sx + 1.0) - std::max(x0, static_cast<double>(sx)));
      const std::uint32_t pixel = res::IconPixel(image, sx, sy);
      const double opacity = weight * Channel(pixel, 24) / 255.0;
      alpha += opacity;
      for (int c = 0; c < 3; ++c) colour[c] += opacity * Channel(pixel, 16 - 8 * c);
      area += weight;
    }
  }
  if (alpha <= 0 || area <= 0) return 0;
  std::uint32_t result = static_cast<std::uint32_t>(std::lround(255 * alpha / area)) << 24;
  for (int c = 0; c < 3; ++c) {
    result |= static_cast<std::uint32_t>(std::lround(colour[c] / alpha)) << (16 - 8 * c);
  }
  return result;
}

}  // namespace

std::vector<std::uint32_t> IconPixels(int id, int size) {
  int count = 0;
  const res::IconImage* images = res::FindIconImages(id, &count);
  if (count == 0 || size <= 0) return {};
  const res::IconImage* chosen = &images[0];
  for (int i = 0; i < count; ++i) {
    if (images[i].size == size) chosen = &images[i];
  }
  const double scale = static_cast<double>(chosen->size) / size;
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(size) * size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      pixels.push_back(AreaAverage(*chosen, x * scale, (x + 1) * scale, y * scale, (y + 1) * scale));
    }
  }
  return pixels;
}

}  // namespace zaltor::icon_tool
