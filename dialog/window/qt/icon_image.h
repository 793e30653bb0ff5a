// The images of the program's icons on Qt.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "dialog/window/icon_resource.h"

namespace zaltor::win {

// Every image of the icon; a null QIcon for a null icon.
QIcon QtIcon(const Icon& icon);
// The image of that size, or the largest one scaled to it.
QPixmap IconPixmap(int id, int size);

}  // namespace zaltor::win
