#include "platform/default_editor.h"

namespace zaltor {

const char kDefaultEditor[] = "xdg-open";

}  // namespace zaltor
