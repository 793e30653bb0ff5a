#include "platform/default_editor.h"

namespace zaltor {

const char kDefaultEditor[] = "xdg-open";
const bool kDefaultEditorNeedsExistingFile = true;

}  // namespace zaltor
