#pragma once

#include <csignal>

// Keeps SIGPIPE away from the calling thread while it lives, and from the
// threads it starts meanwhile (they inherit its signal mask). The link's
// connection is a socket: writing to it after the office died raises
// SIGPIPE, which by default ends the program. Blocked, the write fails
// instead, the call reports the lost link, and the signal is discarded.
class SigpipeBlock {
public:
    SigpipeBlock();
    ~SigpipeBlock();
    SigpipeBlock(const SigpipeBlock&) = delete;
    SigpipeBlock& operator=(const SigpipeBlock&) = delete;

private:
    sigset_t previous_;
    bool pendingBefore_ = false;
};
