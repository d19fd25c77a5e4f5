#pragma once

#include <QObject>
#include <functional>

// Runs the browser's page and range builds one at a time. A build yields to
// the event queue as it goes, so the user can ask for another build while it
// runs; the newest request wins. The running build breaks off at its next
// yield, closing its file and leaving the rest undone, and the newest request
// then runs from its start. Two builds never read or write at the same time.
class BuildRunner : public QObject {
    Q_OBJECT
public:
    using Build = std::function<void()>;

    explicit BuildRunner(QObject* parent) : QObject(parent) {}

    // Runs the build now or, while another runs, once that one has broken
    // off (replacing any build already waiting).
    void Run(Build build);

    bool Running() const { return running_; }

    // The running build's yield to the event queue. False when the build must
    // break off at once: a newer build waits, the program is ending, or the
    // window went away meanwhile (then nothing of it may be touched).
    bool Yield();

private:
    bool running_ = false;
    Build waiting_;
};
