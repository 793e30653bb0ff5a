// Ctrl-C during a search: the first one asks the engine to stop at its next
// checkpoint, as the dialog's Stop does; a second one ends the process.
#pragma once

namespace zaltor {

// Installs the handling; call before any other thread starts.
void WatchForInterrupt();

}  // namespace zaltor
