// Icons from the program's resources.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace zaltor::win {

// Every image of the icon; a null icon when there is no such resource.
QIcon LoadIconResource(int id);
// The image of that size, or the largest one scaled to it.
QPixmap IconPixmap(int id, int size);

}  // namespace zaltor::win
