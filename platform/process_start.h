// Starting another program without waiting for it.
#pragma once

namespace zaltor {

// Starts the program argv[0], looked up through PATH when it holds no '/',
// with the arguments argv[1]... up to a null pointer, in this process's
// environment. Never waits for it. Returns 0, or the errno value that tells
// why the program could not be started (ENOENT not found, EACCES or ENOEXEC
// not runnable, ENOMEM, ...). processId, when given, receives the new
// process's id.
int StartProcess(const char* const* argv, long* processId);

}  // namespace zaltor
