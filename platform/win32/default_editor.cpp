#include "platform/default_editor.h"

namespace zaltor {

const char kDefaultEditor[] = "notepad";
const bool kDefaultEditorNeedsExistingFile = false;

}  // namespace zaltor
