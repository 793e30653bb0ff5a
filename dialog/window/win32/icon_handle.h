// The platform's icon for a program icon, loaded from the resource windres
// compiled into the program file.
#pragma once

#include "dialog/window/win32/windows_api.h"

#include "dialog/window/icon_resource.h"

namespace zaltor::win {

// The image of that size; shared, never destroyed. nullptr for a null icon.
HICON IconHandle(const Icon& icon, int size);

}  // namespace zaltor::win
