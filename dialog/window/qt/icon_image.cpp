#include "dialog/window/qt/icon_image.h"

#include <QImage>

#include "resources/resources.h"

namespace zaltor::win {

namespace {

QPixmap PixmapOf(const res::IconImage& image) {
  QImage pixels(image.size, image.size, QImage::Format_ARGB32);
  for (int y = 0; y < image.size; ++y) {
    for (int x = 0; x < image.size; ++x) pixels.setPixel(x, y, res::IconPixel(image, x, y));
  }
  return QPixmap::fromImage(pixels);
}

}  // namespace

QIcon QtIcon(const Icon& icon) {
  int count = 0;
  const res::IconImage* images = icon.IsNull() ? nullptr : res::FindIconImages(icon.ResourceId(), &count);
  QIcon all;
  for (int i = 0; i < count; ++i) all.addPixmap(PixmapOf(images[i]));
  return all;
}

QPixmap IconPixmap(int id, int size) {
  int count = 0;
  const res::IconImage* images = res::FindIconImages(id, &count);
  for (int i = 0; i < count; ++i) {
    if (images[i].size == size) return PixmapOf(images[i]);
  }
  if (count == 0) return QPixmap();
  return PixmapOf(images[0]).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace zaltor::win
