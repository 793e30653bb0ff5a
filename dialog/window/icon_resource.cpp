#include "dialog/window/icon_resource.h"

#include "resources/resources.h"

namespace zaltor::win {

Icon LoadIconResource(int id) {
  int count = 0;
  res::FindIconImages(id, &count);
  return count > 0 ? Icon(id) : Icon();
}

}  // namespace zaltor::win
