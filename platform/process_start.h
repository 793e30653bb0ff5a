// Starting another program without waiting for it.
#pragma once

namespace zaltor {

// The started program reads what this process reads.
constexpr int kInheritInput = -1;

// Starts the program argv[0], looked up through PATH when it holds no '/',
// with the arguments argv[1]... up to a null pointer, in this process's
// environment, its standard input the descriptor standardInput (or this
// process's). Never waits for it. Returns 0, or the errno value that tells
// why the program could not be started (ENOENT not found, EACCES or ENOEXEC
// not runnable, ENOMEM, ...).
int StartProcess(const char* const* argv, int standardInput = kInheritInput);

// Lets the programs this process starts end without anybody waiting for
// them; called once, before the first start.
void LeaveStartedProcessesUnwaited();

}  // namespace zaltor
