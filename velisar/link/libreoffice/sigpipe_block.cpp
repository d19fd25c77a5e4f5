#include "velisar/link/libreoffice/sigpipe_block.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>

namespace {

sigset_t onlySigpipe() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    return set;
}

bool sigpipePending() {
    sigset_t pending;
    return sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
}

} // namespace

SigpipeBlock::SigpipeBlock() : pendingBefore_(sigpipePending()) {
    const sigset_t set = onlySigpipe();
    pthread_sigmask(SIG_BLOCK, &set, &previous_);
}

SigpipeBlock::~SigpipeBlock() {
    // A SIGPIPE raised meanwhile waits, blocked; take it before unblocking.
    if (!pendingBefore_ && sigpipePending()) {
        const sigset_t set = onlySigpipe();
        const timespec now = {0, 0};
        while (sigtimedwait(&set, nullptr, &now) == -1 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}
