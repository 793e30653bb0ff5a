// The program's resources: dialog templates, the string table and the icon.
#pragma once

#include "dialog/window/dialog_template.h"

namespace zaltor::res {

// nullptr when the program has no template of that id.
const win::DialogTemplate* FindDialogTemplate(int id);

// The string table entry, or nullptr when there is none.
const char* LoadResourceString(int id);

// One image of an icon: size x size pixels, each row a text of palette
// indexes in hexadecimal ('0' to 'F'), '.' for a transparent pixel.
struct IconImage {
  int size;
  const char* const* rows;
};

// The images of an icon, largest first; count 0 when there is no such icon.
const IconImage* FindIconImages(int id, int* count);

// The pixel at x, y of an image as 0xAARRGGBB: its palette colour, opaque,
// or 0 where it is transparent.
unsigned IconPixel(const IconImage& image, int x, int y);

}  // namespace zaltor::res
