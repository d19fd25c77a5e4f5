#include "orvanta/shell/window_activation.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

namespace {

// Follows the program's active windows: the last one stays the last one
// while another program or a pop-up has the focus.
class ProgramWindows : public QObject {
    Q_OBJECT
public:
    static ProgramWindows& instance() {
        static auto* windows = new ProgramWindows(qGuiApp);
        return *windows;
    }

signals:
    void activated(QWindow* now, QWindow* before);

private:
    explicit ProgramWindows(QObject* parent) : QObject(parent) {
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ProgramWindows::onFocus);
    }

    static bool isProgramWindow(const QWindow* window) {
        const Qt::WindowType type = window->type();
        return (type == Qt::Window || type == Qt::Dialog) && !isMessageBox(window);
    }

    // A message box belongs to the window that shows it: the focus coming
    // back from one is no activation of that window.
    static bool isMessageBox(const QWindow* window) {
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() == window)
                return qobject_cast<const QMessageBox*>(widget);
        }
        return false;
    }

    void onFocus(QWindow* window) {
        if (!window || !isProgramWindow(window))
            return;
        QWindow* before = last_;
        last_ = window;
        emit activated(window, before);
    }

    QPointer<QWindow> last_;
};

} // namespace

ActivationWatcher::ActivationWatcher(QWidget* window) : QObject(window), window_(window) {
    connect(&ProgramWindows::instance(), &ProgramWindows::activated, this,
            &ActivationWatcher::onProgramWindowActivated);
}

void ActivationWatcher::onProgramWindowActivated(QWindow* now, QWindow* before) {
    if (window_ && now == window_->windowHandle() && now != before)
        emit activated();
}

#include "window_activation.moc"
