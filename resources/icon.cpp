// Icon 128: a page of text under a magnifying glass, in the 16 colours of
// the classic palette, at 32 x 32 and 16 x 16.
#include <iterator>

#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor::res {

namespace {

// The 16 colours of the icons, as 0xRRGGBB.
const unsigned kIconPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

// 0 black, 4 navy rim, 6 dark cyan handle, 8 grey text, E cyan glass,
// F white.
const char* const kIcon32[] = {
    "................................",
    "...000000000000000..............",
    "...0FFFFFFFFFFFFF00.............",
    "...0FFFFFFFFFFFFF0F0............",
    "...0FFFFFFFFFFFFF0FF0...........",
    "...0FFFFFFFFFFFFF0FFF0..........",
    "...0FFFFFFFFFFFFF000000.........",
    "...0FFFFFFFFFFFFFFFFFF0.........",
    "...0FFFFFFFFFFFFFFFFFF0.........",
    "...0FF88888888888888FF0.........",
    "...0FFFFFFFFFFF44444444.........",
    "...0FFFFFFFFFF444FFEE444........",
    "...0FF888888844FFFEEEEE44.......",
    "...0FFFFFFFF44FFFEEEEEEE44......",
    "...0FFFFFFFF44FFEEEEEEEE44......",
    "...0FF8888884FFEEEEEEEEEE4......",
    "...0FFFFFFFF4FEEEEEEEEEEE4......",
    "...0FFFFFFFF4EEEEEEEEEEEE4......",
    "...0FF8888884EEEEEEEEEEEE4......",
    "...0FFFFFFFF44EEEEEEEEEE44......",
    "...0FFFFFFFF44EEEEEEEEEE44......",
    "...0FF888888844EEEEEEEE44.......",
    "...0FFFFFFFFFF444EEEE4446660....",
    "...0FFFFFFFFFFF44444444.06660...",
    "...0FF88888888888888FF0..06660..",
    "...0FFFFFFFFFFFFFFFFFF0...06660.",
    "...0FFFFFFFFFFFFFFFFFF0....06660",
    "...0FFFFFFFFFFFFFFFFFF0.....0666",
    "...00000000000000000000......066",
    "..............................06",
    "................................",
    "................................",
};

const char* const kIcon16[] = {
    ".000000000......",
    ".0FFFFFFF00.....",
    ".0FFFFFFF000....",
    ".0FFFFFFFFF0....",
    ".088888888F0....",
    ".0FFFFF44444....",
    ".088884FFEEE4...",
    ".0FFFF4FEEEE4...",
    ".088884EEEEE4...",
    ".0FFFF4EEEEE4...",
    ".088884EEEEE4...",
    ".0FFFFF44444660.",
    ".088888888F00660",
    ".0FFFFFFFFF0.066",
    ".00000000000..06",
    "................",
};

const IconImage kProgramIconImages[] = {
    {32, kIcon32},
    {16, kIcon16},
};

}  // namespace

const IconImage* FindIconImages(int id, int* count) {
  if (id != kProgramIcon) {
    *count = 0;
    return nullptr;
  }
  *count = static_cast<int>(std::size(kProgramIconImages));
  return kProgramIconImages;
}

unsigned IconPixel(const IconImage& image, int x, int y) {
  const char cell = image.rows[y][x];
  if (cell >= '0' && cell <= '9') return 0xff000000u | kIconPalette[cell - '0'];
  if (cell >= 'A' && cell <= 'F') return 0xff000000u | kIconPalette[cell - 'A' + 10];
  return 0;
}

}  // namespace zaltor::res
