// Ctrl-C in a console program: the first one calls stop, from a thread of
// its own, so stop may take locks; a second one ends the process with
// status 130.
#pragma once

namespace zaltor {

// Installs the handling; call before any other thread starts.
void WatchForInterrupt(void (*stop)());

}  // namespace zaltor
