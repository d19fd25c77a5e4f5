#include "orvanta/browser/build_runner.h"

#include "orvanta/shell/program_end.h"

#include <QCoreApplication>
#include <QPointer>
#include <utility>

void BuildRunner::Run(Build build) {
    if (running_) {
        waiting_ = std::move(build);
        return;
    }
    QPointer<BuildRunner> alive(this);
    running_ = true;
    while (build && !ProgramEnding()) {
        build();
        if (!alive)
            return;
        build = std::exchange(waiting_, nullptr);
    }
    waiting_ = nullptr;
    running_ = false;
}

bool BuildRunner::Yield() {
    QPointer<BuildRunner> alive(this);
    QCoreApplication::processEvents();
    return alive && !waiting_ && !ProgramEnding();
}
