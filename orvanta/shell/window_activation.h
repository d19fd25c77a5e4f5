#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// Tells a window when it becomes the program's active window: when it is
// activated after another window of the program, or for the first time.
// Focus coming back from another program or from a message box is no
// activation, and neither are pop-ups, drop-down lists and tooltips of the
// window's own.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget* window);

signals:
    void activated();

private:
    void onProgramWindowActivated(QWindow* now, QWindow* before);

    QPointer<QWidget> window_;
};
