#include "velisar/window/picture_button.h"

#include <QCursor>
#include <QPainter>

PictureButton::PictureButton(const QString& objectName, const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setObjectName(objectName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const {
    return picture_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF target = rect();
    if (isDown())
        target.translate(0, 1);
    if (!isEnabled())
        painter.setOpacity(0.4);
    painter.drawPixmap(target, picture_, picture_.rect());
    // Asked of the pointer itself: a button moved away from under it gets
    // no leave event.
    const bool hovered = hovered_ && rect().contains(mapFromGlobal(QCursor::pos()));
    if (isEnabled() && (hovered || hasFocus())) {
        painter.setOpacity(1);
        painter.setPen(QPen(QColor(0xc9, 0xa2, 0x4a), 1.2));
        painter.setBrush(hovered ? QColor(255, 255, 255, 40) : Qt::transparent);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.6, 0.6, -0.6, -0.6), 3, 3);
    }
}

void PictureButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
