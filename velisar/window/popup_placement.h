#pragma once

#include <QPointF>
#include <QSizeF>

// Where the copy pop-up goes for a right click at mouse (twips, inside the
// result list whose top is listTop): under the mouse, moved up by its own
// height near the window's bottom, pulled left near its right edge. form is
// the window's outer size, as the layout computes it; inner is the part the
// controls are drawn in. The button always ends up wholly inside inner.
QPointF copyPopupTopLeft(QPointF mouse, double listTop, QSizeF popup, QSizeF form, QSizeF inner);
