#include "orvanta/shell/window_placement.h"

#include <QScreen>
#include <QWidget>

void ShowActive(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void CentreWindow(QWidget* window, const QWidget* over) {
    QRect area;
    if (over)
        area = over->frameGeometry();
    else if (const QScreen* screen = window->screen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    QRect frame(QPoint(), window->frameGeometry().size());
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}
