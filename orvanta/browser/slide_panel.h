#pragma once

#include <QtGlobal>
#include <functional>

class BuildRunner;
class QWidget;

// One phase of the choice panel's slide to the top of the window. Each step
// yields to the event queue, raises the panel by step twips while its top is
// below 30 twips, then does the step's own work; the steps go on until the
// phase has lasted the given time, and run at least once. False when the
// build must break off (the runner said so at a yield): nothing of the
// window may be touched then.
bool SlidePanel(BuildRunner* builds, QWidget* panel, double step, qint64 milliseconds,
                const std::function<void()>& eachStep);
