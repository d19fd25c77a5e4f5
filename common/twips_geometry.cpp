#include "common/twips_geometry.h"

#include "common/twips.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kTwipsProperty = "twipsGeometry";

int toPixels(double twips, double perPixel) {
    return qRound(twips / perPixel);
}

} // namespace

double twipsPerPixel(const QWidget* widget) {
    return kTwipsPerInch / widget->logicalDpiX();
}

void setTwipsGeometry(QWidget* widget, const QRectF& twips) {
    widget->setProperty(kTwipsProperty, twips);
    const double perPixel = twipsPerPixel(widget);
    widget->setGeometry(toPixels(twips.left(), perPixel), toPixels(twips.top(), perPixel),
                        toPixels(twips.width(), perPixel), toPixels(twips.height(), perPixel));
}

QRectF twipsGeometry(const QWidget* widget) {
    const QVariant stored = widget->property(kTwipsProperty);
    if (stored.isValid())
        return stored.toRectF();
    const double perPixel = twipsPerPixel(widget);
    const QRect g = widget->geometry();
    return {g.x() * perPixel, g.y() * perPixel, g.width() * perPixel, g.height() * perPixel};
}

double twipsLeft(const QWidget* widget) {
    return twipsGeometry(widget).left();
}
double twipsTop(const QWidget* widget) {
    return twipsGeometry(widget).top();
}
double twipsWidth(const QWidget* widget) {
    return twipsGeometry(widget).width();
}
double twipsHeight(const QWidget* widget) {
    return twipsGeometry(widget).height();
}

template <typename Change> void changeTwips(QWidget* widget, Change change) {
    QRectF r = twipsGeometry(widget);
    change(r);
    setTwipsGeometry(widget, r);
}

void setTwipsLeft(QWidget* widget, double left) {
    changeTwips(widget, [left](QRectF& r) { r.moveLeft(left); });
}
void setTwipsTop(QWidget* widget, double top) {
    changeTwips(widget, [top](QRectF& r) { r.moveTop(top); });
}
// Written so that a size that is no number is refused as well.
void setTwipsWidth(QWidget* widget, double width) {
    if (!(width >= 0))
        return;
    changeTwips(widget, [width](QRectF& r) { r.setWidth(width); });
}
void setTwipsHeight(QWidget* widget, double height) {
    if (!(height >= 0))
        return;
    changeTwips(widget, [height](QRectF& r) { r.setHeight(height); });
}

QSize twipsToPixelSize(const QWidget* widget, const QSizeF& twips) {
    const double perPixel = twipsPerPixel(widget);
    return {toPixels(twips.width(), perPixel), toPixels(twips.height(), perPixel)};
}
