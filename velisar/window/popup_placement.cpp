#include "velisar/window/popup_placement.h"

#include <algorithm>

QPointF copyPopupTopLeft(QPointF mouse, double listTop, QSizeF popup, QSizeF form, QSizeF inner) {
    double top = listTop + mouse.y();
    if (top + popup.height() > form.height() - 200)
        top -= popup.height();
    double left = mouse.x();
    if (left + popup.width() > form.width() - 100)
        left = form.width() - popup.width() - 100;
    // The outer size includes the title bar, so the rule above still lets
    // the button hang below the window's last line.
    top = std::clamp(top, 0.0, std::max(0.0, inner.height() - popup.height()));
    left = std::clamp(left, 0.0, std::max(0.0, inner.width() - popup.width()));
    return {left, top};
}
