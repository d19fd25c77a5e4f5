#include "orvanta/shell/program_end.h"

#include <QApplication>
#include <QWidget>

namespace {

bool& ending() {
    static bool value = false;
    return value;
}

std::function<void()>& endAction() {
    static std::function<void()> action = [] { QCoreApplication::exit(0); };
    return action;
}

} // namespace

void EndProgram() {
    ending() = true;
    // Hidden, not closed: closing would run the windows' closing steps.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    if (endAction())
        endAction()();
}

bool ProgramEnding() {
    return ending();
}

void SetProgramEndAction(std::function<void()> action) {
    endAction() = std::move(action);
    ending() = false;
}
