// An icon's images as an icon file (.ico) for windres, as the Qt host draws
// them: 4 bits a pixel with the classic 16-colour palette and a
// transparency mask.
#pragma once

#include <string>

#include "resources/resources.h"

namespace zaltor::icon_tool {

// The bytes of the file holding count images.
std::string IcoFile(const res::IconImage* images, int count);

}  // namespace zaltor::icon_tool
